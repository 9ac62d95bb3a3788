#!/usr/bin/env bash
# Builds the editor and fdutool and starts the editor with the built-in factory list (or the
# settings file named). Without a display it says how to start it and shows the list with
# fdutool instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNELL_TESTS=OFF >/dev/null
cmake --build build-release --target tarnell1018 fdutool
editor=build-release/src/app/tarnell1018
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    if [ $# -eq 0 ]; then
        exec "$editor" --new
    fi
    exec "$editor" "$@"
fi

echo "No display here (DISPLAY and WAYLAND_DISPLAY are empty), so the editor is not started."
echo "Start it on a virtual display with:"
echo "    xvfb-run -a $editor --new"
echo "or on a desktop with: $editor [FILE...]"
echo
file="${1:-build-release/factory.fdu}"
if [ $# -eq 0 ]; then
    build-release/src/cli/fdutool new "$file"
fi
build-release/src/cli/fdutool info "$file"
