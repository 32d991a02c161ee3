#!/usr/bin/env bash
# The wheel's shortcut pressed to its first frame, on X11 (Xvfb), on Wayland under headless sway,
# under a headless KWin and under a headless GNOME Shell in one run, and the idle app's memory on each:
#   bench/wheel-latency.sh BUILD_DIR [OPENS]
# BUILD_DIR holds a release build of ringle and the test programs waylandinput and testeditor
# (cmake --build BUILD_DIR --target ringle ringle-shortcuts waylandinput testeditor ringle_gnome_extension).
# The app logs the moment the shortcut reaches it and the moment its wheel's first frame is drawn and
# sent (Wayland: committed), on the monotonic clock; under GNOME Shell also the moment the shell saw
# the key and the moment the shell answered that it holds the wheel's first picture. The script prints
# the median and the 90th percentile.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR [OPENS]}")
opens=${2:-30}
here=$(cd "$(dirname "$0")" && pwd)
sessions=$here/../tests/integration
export RINGLE_BENCH_BUILD=$build RINGLE_BENCH_OPENS=$opens

if [ -z "${RINGLE_BENCH_BACKEND:-}" ]; then
    for backend in ${RINGLE_BENCH_BACKENDS:-x11 wayland kwin gnome}; do
        session=$sessions/x11-session.sh
        [ $backend = wayland ] && session=$sessions/wayland-session.sh
        [ $backend = kwin ] && session=$sessions/kwin-session.sh
        [ $backend = gnome ] && session=$sessions/gnome-session.sh
        RINGLE_BUILD_DIR=$build RINGLE_BENCH_BACKEND=$backend "$session" "$0" "$build" "$opens"
    done
    exit 0
fi

# Inside one session from here on.
work=$(mktemp -d)
cleanup() {
    exec 7>&- 2>/dev/null || true
    kill $(jobs -p) 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config QT_LOGGING_RULES="ringle.latency.debug=true;ringle.controller.debug=true"
export QT_MESSAGE_PATTERN="%{category}: %{message}"

"$build/tests/programs/testeditor/testeditor" --title Bench --no-stdin >/dev/null 2>&1 &
if [ "$RINGLE_BENCH_BACKEND" != x11 ]; then
    mkfifo "$work/input"
    "$build/tests/programs/waylandinput/waylandinput" <"$work/input" >"$work/input.log" 2>&1 &
    exec 7>"$work/input"
    press() { echo "hold ctrl+alt+h" >&7; sleep 0.25; echo "release ctrl+alt+h" >&7; sleep 0.25; }
    echo "move 640 400" >&7
else
    press() { xdotool keydown ctrl+alt+h; sleep 0.25; xdotool keyup h alt ctrl; sleep 0.25; }
    xdotool mousemove 640 400
fi
sleep 1
# Under KWin the session's copy, which KWin grants its fake input.
"${RINGLE_APP:-$build/src/app/ringle}" >"$work/ringle.log" 2>&1 &
pid=$!
until grep -q "ringle.controller: started" "$work/ringle.log"; do
    kill -0 $pid 2>/dev/null || { cat "$work/ringle.log" >&2; exit 1; }
    sleep 0.05
done
sleep 3
memory="$(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status) resident, $(awk '/^Pss:/ {print $2, $3}' /proc/$pid/smaps_rollup) proportional"
for _ in $(seq 1 "$opens"); do press; done
sleep 0.5
kill $pid
wait $pid 2>/dev/null || true

# One latency in milliseconds per open, from each press to the frame that follows it.
summary() { # start end
    awk -v start="$1" -v end="$2" '
        $0 ~ "ringle.latency: " start " " { pressed = $NF }
        $0 ~ "ringle.latency: " end " " && pressed { printf "%.3f\n", ($NF - pressed) / 1000; pressed = 0 }
    ' "$work/ringle.log" | sort -n >"$work/times"
    count=$(wc -l <"$work/times")
    [ "$count" -gt 0 ] || { echo "$RINGLE_BENCH_BACKEND: no wheel was drawn" >&2; exit 1; }
    at() { sed -n "$1p" "$work/times"; }
    printf '%s: %d opens, %s to %s: median %s ms, p90 %s ms, min %s, max %s; idle memory %s\n' \
        "$RINGLE_BENCH_BACKEND" "$count" "$1" "$2" "$(at $(( (count + 1) / 2 )))" "$(at $(( (count * 9 + 9) / 10 )))" \
        "$(at 1)" "$(at "$count")" "$memory"
}
if [ "$RINGLE_BENCH_BACKEND" = x11 ]; then
    summary press "first frame"
else
    summary press committed
fi
[ "$RINGLE_BENCH_BACKEND" = gnome ] && summary "shell press" shown
exit 0
