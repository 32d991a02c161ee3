#!/usr/bin/env bash
# Second half of x11-session.sh, run inside the D-Bus session: accessibility bus, window manager, command.
set -uo pipefail
. "$(dirname "$0")/end-bus-clients.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
wm_log=$(mktemp)
wm=""

wm_owns_screen() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts openbox and waits until it owns the screen, so windows are managed (and focused) from the
# start. Tests that activate windows cannot work without it, so a failed start is said and retried.
start_wm() {
    for attempt in 1 2 3; do
        openbox --sm-disable >"$wm_log" 2>&1 &
        wm=$!
        for _ in $(seq 1 200); do
            wm_owns_screen && return 0
            kill -0 "$wm" 2>/dev/null || break
            sleep 0.05
        done
        echo "x11-session: openbox did not take the screen (attempt $attempt):" >&2
        cat "$wm_log" >&2
        kill "$wm" 2>/dev/null
        wait "$wm" 2>/dev/null
    done
    return 1
}
start_wm

"$@"
status=$?
if ! kill -0 "$wm" 2>/dev/null; then
    echo "x11-session: openbox ended during the run:" >&2
    cat "$wm_log" >&2
fi
end_bus_clients
kill "$wm" 2>/dev/null
kill %1 2>/dev/null
rm -f "$wm_log"
exit $status
