#!/usr/bin/env bash
# CPU time, wake-ups and memory of the running app while it waits with the wheel closed (its
# shortcut, mouse trigger, tray icon and outside-input monitor all live). A tray host runs, as on a
# desktop, unless the third argument is "no-tray" (the app then waits for a tray to start).
# Run inside a private X session:
#   tests/integration/x11-session.sh bench/idle-cpu.sh build/release [SECONDS] [no-tray]
set -euo pipefail
build=${1:?build directory}
seconds=${2:-60}
tray=${3:-tray}
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
if [ "$tray" != no-tray ]; then
    trayer --edge top --align right --widthtype request --height 28 --transparent false >/dev/null 2>&1 &
    sleep 1
fi
QT_LOGGING_RULES=ringle.controller.debug=true "$build/src/app/ringle" >"$XDG_CONFIG_HOME/ringle.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do grep -q started "$XDG_CONFIG_HOME/ringle.log" 2>/dev/null && break; sleep 0.1; done
sleep 2 # let start-up work settle

# utime + stime of the process in clock ticks, and context switches per thread ("tid count").
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
switches() {
    for task in /proc/"$pid"/task/*; do
        awk -v tid="${task##*/}" '/ctxt_switches/ {s += $2} END {print tid, s}' "$task/status" 2>/dev/null || true
    done
}

t0=$(cpu_ticks); s0=$(switches)
sleep "$seconds"
t1=$(cpu_ticks); s1=$(switches)
hz=$(getconf CLK_TCK)
# Threads that came or went in between count from zero or up to their last count.
awk -v t="$((t1 - t0))" -v hz="$hz" -v secs="$seconds" -v before="$s0" -v after="$s1" 'BEGIN {
    n = split(before, b, "\n"); for (i = 1; i <= n; i++) { split(b[i], f, " "); first[f[1]] = f[2] }
    n = split(after, a, "\n"); for (i = 1; i <= n; i++) { split(a[i], f, " "); s += f[2] - first[f[1]]; threads++ }
    printf "idle over %d s: CPU %.2f%% (%d ticks of 1/%d s), %d context switches in %d threads (%.2f per second)\n",
        secs, 100 * t / hz / secs, t, hz, s, threads, s / secs
}'
echo "idle memory: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status) resident"
