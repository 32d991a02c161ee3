#!/usr/bin/env bash
# CPU time, wake-ups and memory of the running app while it waits with the wheel closed (its
# shortcut, mouse trigger, tray icon and outside-input monitor all live).
# Run inside a private X session:
#   tests/integration/x11-session.sh bench/idle-cpu.sh build/release [SECONDS]
set -euo pipefail
build=${1:?build directory}
seconds=${2:-60}
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
QT_LOGGING_RULES=ringle.controller.debug=true "$build/src/app/ringle" >"$XDG_CONFIG_HOME/ringle.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do grep -q started "$XDG_CONFIG_HOME/ringle.log" 2>/dev/null && break; sleep 0.1; done
sleep 2 # let start-up work settle

# utime + stime of the process in clock ticks, and context switches of all its threads.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
switches() { cat /proc/"$pid"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }

t0=$(cpu_ticks); s0=$(switches)
sleep "$seconds"
t1=$(cpu_ticks); s1=$(switches)
hz=$(getconf CLK_TCK)
awk -v t="$((t1 - t0))" -v hz="$hz" -v s="$((s1 - s0))" -v secs="$seconds" -v threads="$(ls /proc/$pid/task | wc -l)" 'BEGIN {
    printf "idle over %d s: CPU %.2f%% (%d ticks of 1/%d s), %d context switches in %d threads (%.2f per second)\n",
        secs, 100 * t / hz / secs, t, hz, s, threads, s / secs
}'
echo "idle memory: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status) resident"
