#!/usr/bin/env bash
# Builds the .deb from this build folder and checks what it holds, with lintian,
# appstreamcli and desktop-file-validate where they are installed.
set -euo pipefail
build=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

appstreamcli_validate() {
    appstreamcli validate --no-net "$source_dir/data/io.github.brixholm.tarnell1018.metainfo.xml"
}
if command -v appstreamcli >/dev/null; then
    appstreamcli_validate || fail "appstreamcli rejects the metainfo file"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$source_dir/data/tarnell1018.desktop" || fail "bad desktop entry"
fi

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log"; exit 1
}
deb=$(ls "$work"/tarnell1018_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for wanted in ./usr/bin/tarnell1018 ./usr/bin/fdutool \
    ./usr/share/tarnell1018/tarnell1018DEU.qm ./usr/share/tarnell1018/tarnell1018ARA.qm \
    ./usr/share/tarnell1018/manual/en/index.html ./usr/share/tarnell1018/manual/de/import.html \
    ./usr/share/tarnell1018/manual/images/main-window-de.png \
    ./usr/share/applications/tarnell1018.desktop ./usr/share/mime/packages/tarnell1018.xml \
    ./usr/share/metainfo/io.github.brixholm.tarnell1018.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/tarnell1018.svg \
    ./usr/share/icons/hicolor/48x48/apps/tarnell1018.png \
    ./usr/share/man/man1/fdutool.1.gz ./usr/share/man/man1/tarnell1018.1.gz \
    ./usr/share/bash-completion/completions/fdutool \
    ./usr/share/doc/tarnell1018/copyright ./usr/share/doc/tarnell1018/changelog.gz; do
    grep -qx -- "$wanted" <<<"$contents" || fail "the package lacks $wanted"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libcurl4 zlib1g; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
if command -v lintian >/dev/null; then
    # Errors fail; the test build's sanitizer binaries explain some warnings.
    lintian --fail-on error --suppress-tags hardening-no-fortify-functions "$deb" ||
        fail "lintian reports errors"
fi
exit $failed
