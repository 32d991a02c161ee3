#!/usr/bin/env bash
# Second half of x11-session.sh, run inside the D-Bus session: accessibility bus, window manager, command.
set -uo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# Wait until the window manager owns the screen, so windows are managed from the start.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
status=$?
kill "$wm" 2>/dev/null
kill %1 2>/dev/null
exit $status
