#!/usr/bin/env bash
# Completes fdutool command lines as bash does on Tab and checks what it offers.
set -u
completion=$(realpath "$1")
fdutool=$(realpath "$2")
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
    echo "bash-completion is not installed"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TARNELL_CONFIG_DIR=$work/config
mkdir -p "$work/bin" "$work/lists"
ln -s "$fdutool" "$work/bin/fdutool"
export PATH=$work/bin:$PATH
fdutool profiles add "Living room" >/dev/null
fdutool profiles add Bedroom >/dev/null
touch "$work/lists/a.fdu" "$work/lists/b.sys" "$work/lists/notes.txt" "$work/lists/old.udb"
cd "$work/lists"
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

failed=0
offers() { # the words typed (the last one is being completed) -> the offers, sorted
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _fdutool fdutool "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
expect() { # expected offers, then the words typed
    local want=$1; shift
    local got; got=$(offers "$@")
    if [ "$got" != "$want" ]; then
        echo "fdutool ${*:2}<Tab>: offered '$got', expected '$want'"; failed=1
    fi
}
expect "import info" fdutool i
expect "activate add" fdutool profiles a
expect "--radio" fdutool export-text --r
expect "--salvage" fdutool export-text --sa
expect "a.fdu b.sys" fdutool info ""
expect "a.fdu b.sys" fdutool --salvage store ""
expect "Bedroom" fdutool send a.fdu --profile B
expect "Living room" fdutool profiles remove L
expect "bin enigma2 udb" fdutool import ""
expect "old.udb" fdutool import udb ""
expect "notes.txt" fdutool export-text a.fdu ""
exit $failed
