#!/usr/bin/env bash
# Start-up to tray icon shown, and the idle app's memory. Run it inside a private X session:
#   tests/integration/x11-session.sh bench/tray-startup.sh build/release [RUNS]
#   tests/integration/x11-session.sh bench/tray-startup.sh /usr/bin/ringle [RUNS]   (the installed package)
# Prints, per run, the milliseconds from starting `ringle` until its icon is embedded in the tray
# (trayer), then the median, and the resident memory of the idle app after 3 seconds.
set -euo pipefail
target=$(realpath "${1:?usage: $0 BUILD_DIR|RINGLE_EXECUTABLE [RUNS]}")
runs=${2:-5}
ringle=$target
[ -d "$target" ] && ringle=$target/src/app/ringle
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config

trayer --edge top --align right --widthtype request --height 28 --transparent false >/dev/null 2>&1 &
panel=""
for _ in $(seq 1 100); do
    panel=$(xdotool search --name '^panel$' 2>/dev/null | head -n1) && [ -n "$panel" ] && break
    sleep 0.05
done
[ -n "$panel" ] || { echo "trayer did not start" >&2; exit 1; }
# Ringle's icon window, once embedded, sits in the tray's window tree.
embedded() { [[ "$(xwininfo -tree -id "$panel")" == *'("ringle" "Ringle")'* ]]; }

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

times=()
for run in $(seq 1 "$runs"); do
    start=$(now_ms)
    "$ringle" 2>/dev/null &
    pid=$!
    until embedded; do
        kill -0 $pid 2>/dev/null || { echo "ringle ended early" >&2; exit 1; }
        sleep 0.005
    done
    times+=($(( $(now_ms) - start )))
    echo "run $run: tray icon after ${times[-1]} ms"
    if [ "$run" -eq "$runs" ]; then
        sleep 3
        echo "idle memory: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status) resident," \
             "$(awk '/^Pss:/ {print $2, $3}' /proc/$pid/smaps_rollup) proportional"
    fi
    kill $pid
    wait $pid 2>/dev/null || true
    while embedded; do sleep 0.05; done
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median: ${sorted[$(( ${#sorted[@]} / 2 ))]} ms over $runs runs"
