#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNELL_SANITIZE=ON \
    -DTARNELL_BENCH=ON >/dev/null
cmake --build build-test
cd build-test
ctest --output-on-failure --timeout 600 -j2
