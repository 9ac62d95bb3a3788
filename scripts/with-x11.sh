#!/usr/bin/env bash
# Runs a command on a private X server with a window manager, as on a user's desktop:
#   scripts/with-x11.sh COMMAND [ARG...]
# Xvfb picks a free display and reports it (no sleeps, no races on a taken number); openbox
# is waited for until it announces itself on the root window. Both are stopped afterwards,
# whatever the command did. The command's exit status is this script's.
set -euo pipefail

size="${TARNELL_X11_SCREEN:-1366x768x24}"
workdir="$(mktemp -d)"
xvfb_pid=""
wm_pid=""

cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

mkfifo "$workdir/displayfd"
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$workdir/displayfd" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display <"$workdir/displayfd" || {
    echo "with-x11: Xvfb did not start" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
}
export DISPLAY=":$display"

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        break
    fi
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "with-x11: the window manager did not start" >&2
    cat "$workdir/openbox.log" >&2
    exit 1
fi

export QT_QPA_PLATFORM=xcb
status=0
"$@" || status=$?
exit "$status"
