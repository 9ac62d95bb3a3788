#!/usr/bin/env bash
# Builds fdutool and shows the summary of a settings file (a demo list when none is named).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNELL_TESTS=OFF >/dev/null
cmake --build build-release --target fdutool make_demo_list
file="${1:-build-release/demo.fdu}"
if [ $# -eq 0 ]; then
    build-release/tools/make_demo_list "$file"
fi
build-release/src/cli/fdutool info "$file"
