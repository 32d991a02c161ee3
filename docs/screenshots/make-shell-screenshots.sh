#!/usr/bin/env bash
# Takes the screenshots of the result panel and the tray menu. Run it inside a private X session:
#   tests/integration/x11-session.sh docs/screenshots/make-shell-screenshots.sh build/dev
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
out=$(cd "$(dirname "$0")" && pwd)
demo=$build/tests/programs/shelldemo/shelldemo
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work

shot() { # name crop
    /usr/bin/import -window root "$work/full.png"
    /usr/bin/convert "$work/full.png" -crop "$2" +repage "$out/$1.png"
}

panel() { # name state [args...]
    local name=$1
    shift
    "$demo" resultpanel "$@" >"$work/demo.out" &
    local pid=$!
    for _ in $(seq 1 100); do grep -q shown "$work/demo.out" && break; sleep 0.1; done
    sleep 0.6 # the fade-in
    shot "$name" 700x270+100+120
    kill $pid
    wait $pid 2>/dev/null || true
}

panel result-panel result
panel working-panel working
panel failed-panel failed "The model did not answer."
panel result-streaming streaming
panel result-changes changes
panel result-changes-dark changes --dark
panel undo-panel undo
LANGUAGE=de panel result-changes-de changes

# The tray needs a host: trayer on the top edge.
trayer --edge top --align right --widthtype request --height 28 --transparent false >/dev/null 2>&1 &
sleep 1
tray_menu() { # demo arguments...
    "$demo" tray "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 2
    tray=$(xdotool search --name "^panel$" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    sleep 1
    echo $pid
}
pid=$(tray_menu --working)
shot tray-menu 300x140+980+0
kill "$pid"
sleep 0.5
# The session's results: the submenu opened from its row in the tray menu.
pid=$(tray_menu --history)
menu=$(xdotool search --onlyvisible --class shelldemo | tail -n1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 60)) $((Y + ${RECENT_ROW_Y:-50}))
sleep 1
shot tray-history 640x200+640+0
kill "$pid"
