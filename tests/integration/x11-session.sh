#!/usr/bin/env bash
# Runs one command inside a private X session: Xvfb on a free display, openbox as window manager,
# and a D-Bus session bus with the accessibility bus started. Everything started here ends with it.
#   x11-session.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }

workdir=$(mktemp -d)
cleanup() {
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

# -displayfd lets the server pick a free display and tell us which. Without -noreset the server
# resets whenever its last client leaves (say, a short-lived xprop), refusing connections meanwhile
# and dropping root window properties.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac -noreset 3>"$workdir/display" >/dev/null 2>"$workdir/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.05
done
[ -s "$workdir/display" ] || { echo "Xvfb did not start:" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset WAYLAND_DISPLAY

# Not exec: the EXIT trap must still stop Xvfb afterwards.
status=0
dbus-run-session -- "$(dirname "$0")/session-inner.sh" "$@" || status=$?
exit $status
