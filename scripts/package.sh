#!/usr/bin/env bash
# Builds the release programs and packs them into build-release/tarnell1018_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNELL_TESTS=OFF >/dev/null
cmake --build build-release
(cd build-release && cpack -G DEB)
ls build-release/tarnell1018_*.deb
