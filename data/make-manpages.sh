#!/usr/bin/env bash
# Makes ringle(1) and ringle-config(1) from `ringle --help` and `ringle config --help`, so the manual
# says exactly what the program prints. Runs without a display, as those commands must.
# usage: make-manpages.sh RINGLE-EXECUTABLE OUTPUT-FOLDER
set -euo pipefail
ringle=$1
out=$2
mkdir -p "$out"
export ASAN_OPTIONS=detect_leaks=0
# The manual is English, whatever the language of the machine that builds it.
export LANGUAGE=en
run() { env -u DISPLAY -u WAYLAND_DISPLAY help2man --no-info --no-discard-stderr "$@"; }

run --section=1 --name="action wheel for the selected text" --output="$out/ringle.1" "$ringle"
run --section=1 --name="read and change Ringle's stored settings" \
    --help-option="config --help" --output="$out/ringle-config.1.tmp" "$ringle"
# help2man names the page after the executable; this one is about its config command.
sed -e 's/^\.TH RINGLE /.TH RINGLE-CONFIG /' -e 's/^ringle \\- /ringle-config \\- /' \
    "$out/ringle-config.1.tmp" >"$out/ringle-config.1"
rm "$out/ringle-config.1.tmp"
gzip -9nf "$out/ringle.1" "$out/ringle-config.1"
