#!/usr/bin/env bash
# Takes the wheel screenshots shown in the README: runs `ringle --demo-wheel` on prepared
# configurations inside a private X session and photographs the wheel with ImageMagick.
#   docs/screenshots/make.sh [BUILD_DIR]     (default build/dev)
# With xcompmgr installed, one more picture shows the wheel over a compositing manager.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/dev}" && pwd)
if [ -z "${RINGLE_SHOTS_INSIDE:-}" ]; then
    RINGLE_SHOTS_INSIDE=1 exec "$root/tests/integration/x11-session.sh" "$0" "$build"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# A desktop with some text on it, so that what lies under the wheel can be seen.
/usr/bin/convert -size 1280x800 gradient:'#4b6a8f'-'#b9c9dc' -fill '#1d2b3a' -font DejaVu-Sans -pointsize 15 \
    -annotate +330+230 'Ringle opens a ring of actions at the pointer. Move toward a slot,' \
    -annotate +330+260 'scroll to switch rings, release to run the slot, or release in the' \
    -annotate +330+290 'centre to cancel. Slots proofread, rewrite, translate or explain the' \
    -annotate +330+320 'selected text, post key combinations, run your scripts, or open' \
    -annotate +330+350 'apps and addresses. Rings are grouped in sets bound to applications' \
    -annotate +330+380 'and websites: the wheel shows the set of the app or site in front.' \
    -annotate +330+410 'A compositing manager lets the desktop show through the wheel;' \
    -annotate +330+440 'without one the window is cut to the shape of the disc and the list.' \
    -annotate +330+470 'The list of rings goes left of the wheel when there is room for it.' \
    -annotate +330+500 'Everything here is drawn by the real overlay under Xvfb.' \
    "$work/background.png"
# display reports failure even when the root window got its new background.
/usr/bin/display -window root "$work/background.png" || true

# Writes the defaults file of one configuration: the rings of the default set, as JSON.
configure() {
    mkdir -p "$work/config/Ringle"
    python3 - "$work/config/Ringle/defaults.json" "$1" <<'PY'
import base64, json, sys, uuid
path, rings = sys.argv[1], json.loads(sys.argv[2])
def ring(title, slots):
    return {"id": str(uuid.uuid4()).upper(), "title": title, "slots": slots, "forReadOnlyText": False}
sets = [{"id": str(uuid.uuid4()).upper(), "title": "Default", "apps": [], "sites": [],
         "rings": [ring(title, slots) for title, slots in rings]}]
data = base64.b64encode(json.dumps(sets).encode()).decode()
json.dump({"wheelSets": {"data": data}}, open(path, "w"))
PY
}

# Opens the wheel at (x, y), moves the pointer to (mx, my), photographs the area around it.
shoot() {
    local name=$1 x=$2 y=$3 mx=$4 my=$5 scrolls=${6:-0}
    XDG_CONFIG_HOME="$work/config" "$build/src/app/ringle" --demo-wheel >"$work/demo.log" 2>&1 &
    local demo=$!
    for _ in $(seq 1 50); do grep -q ready "$work/demo.log" 2>/dev/null && break; sleep 0.1; done
    xdotool mousemove "$x" "$y"
    xdotool keydown ctrl+alt mousedown 3
    sleep 0.3
    for _ in $(seq 1 "$scrolls"); do xdotool click 5; sleep 0.3; done
    xdotool mousemove "$mx" "$my"
    sleep 0.4
    /usr/bin/import -window root "$work/full.png"
    xdotool mouseup 3 keyup ctrl+alt
    kill "$demo"; wait "$demo" 2>/dev/null || true
    /usr/bin/convert "$work/full.png" -crop "420x330+$((x - 280))+$((y - 165))" +repage "$here/$name.png"
    echo "wrote docs/screenshots/$name.png"
}

text='[["Text", [{"proofread": {}}, {"translate": {}}, {"rewrite": {}}, {"summarize": {}}]],
       ["More", [{"explain": {}}, {"translateTo": {"_0": "de"}}, {"ask": {}},
                 {"openURL": {"address": "https://news.example.org", "name": ""}},
                 {"keys": {"_0": {"title": "", "keyCode": 1, "modifiers": 12, "keyLabel": "S"}}},
                 {"openApp": {"bundleID": "org.example.Notes"}}]]]'
configure "$text"
shoot wheel-4-slots 640 400 640 400
shoot wheel-4-highlighted 640 400 700 410
shoot wheel-6-slots 640 400 600 350 1

nine='['
for i in 1 2 3 4 5 6 7 8 9; do
    nine+="[\"Ring $i\", [{\"proofread\": {}}, {\"translate\": {}}, {\"rewrite\": {}}, null]]"
    [ $i -lt 9 ] && nine+=','
done
nine+=']'
configure "$nine"
shoot wheel-9-rings 640 400 640 300 2

if command -v xcompmgr >/dev/null; then
    xcompmgr >/dev/null 2>&1 &
    # A compositor paints no root background of this kind: show the picture in a window instead.
    /usr/bin/display -geometry +0+0 -borderwidth 0 "$work/background.png" &
    sleep 1
    configure "$text"
    shoot wheel-composited 640 400 580 400
fi
