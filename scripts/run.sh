#!/usr/bin/env bash
# Builds fdutool and shows the built-in factory list (or the settings file named).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNELL_TESTS=OFF >/dev/null
cmake --build build-release --target fdutool
file="${1:-build-release/factory.fdu}"
if [ $# -eq 0 ]; then
    build-release/src/cli/fdutool new "$file"
fi
build-release/src/cli/fdutool info "$file"
