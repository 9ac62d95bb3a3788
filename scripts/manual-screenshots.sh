#!/usr/bin/env bash
# Takes the user manual's screenshots from the current program (English and German) and puts
# them into docs/manual/images, to be looked at and committed:
#   scripts/manual-screenshots.sh [BUILD_DIR]   (default build-test, as scripts/test.sh makes it)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-test}"
cmake --build "$build" --target tarnell1018 fdutool
(cd "$build" && ctest -R '^manual_screenshots$' --output-on-failure)
cp "$build"/manual-screenshots/*.png docs/manual/images/
echo "docs/manual/images updated"
