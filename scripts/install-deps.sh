#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    zlib1g-dev libcli11-dev nlohmann-json3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang
    libcurl4-openssl-dev python3-pyftpdlib
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth imagemagick openbox xdotool x11-utils poppler-utils
    dbus-daemon at-spi2-core python3-pyatspi
    librsvg2-bin bash-completion appstream lintian desktop-file-utils dpkg-dev
    cmark-gfm libqt6svg6
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
