#!/usr/bin/env bash
# Takes the screenshots of the settings window's Action Wheel tab, its key-combination and prompt
# sheets and the symbol picker: the running app on a prepared configuration of several sets and
# records of the user's own, its settings window opened with `ringle --settings`, rows clicked
# where the tab reports them (debug category "ringle.settings.wheel"). Run it inside a private X
# session:
#   tests/integration/x11-session.sh docs/screenshots/make-wheel-editor-screenshots.sh build/dev
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR}")
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
export QT_LOGGING_RULES="ringle.settings.wheel.debug=true"
export QT_MESSAGE_PATTERN="%{category}: %{message}"
/usr/bin/convert -size 1280x800 gradient:'#4b6a8f'-'#b9c9dc' "$work/background.png"
/usr/bin/display -window root "$work/background.png" || true

mkdir -p "$XDG_CONFIG_HOME/Ringle"
python3 - "$XDG_CONFIG_HOME/Ringle/defaults.json" <<'PY'
import base64, json, sys, uuid
def uid(): return str(uuid.uuid4()).upper()
def ring(title, slots, ro=False): return {"id": uid(), "title": title, "slots": slots, "forReadOnlyText": ro}
def s(title, apps, sites, rings): return {"id": uid(), "title": title, "apps": apps, "sites": sites, "rings": rings}
keys = lambda title, code, mods, label: {"keys": {"_0": {"title": title, "keyCode": code, "modifiers": mods, "keyLabel": label}}}
sets = [
    s("Default", [], [], [ring("Text", [{"proofread": {}}, {"translate": {}}, {"rewrite": {}}, {"summarize": {}}]),
                          ring("Web pages", [{"explain": {}}, {"summarize": {}}, {"translateTo": {"_0": "de"}}], True)]),
    s("Code", ["org.gnome.TextEditor", "code"], [], [ring("Edit", [keys("Select All", 0, 4, "A"), {"explain": {}},
        keys("Undo", 6, 4, "Z"), {"rewrite": {}}, {"openApp": {"bundleID": "org.gnome.Terminal"}}]),
        ring("Review", [{"proofread": {}}, {"explain": {}}])]),
    s("Mail", ["org.gnome.Evolution"], ["mail.example.org", "outlook.example.com"],
      [ring("Reply", [{"proofread": {}}, {"rewrite": {}}, {"translate": {}}, None, {"openURL": {"address": "https://calendar.example.org", "name": "Calendar"}}, {"ask": {}}])]),
    s("Docs", [], ["docs.example.com"], [ring("Write", [{"proofread": {}}, {"summarize": {}}])]),
]
combos = [{"id": uid(), "symbol": "doc.on.clipboard",
           "combo": {"title": "Paste Plain", "keyCode": 9, "modifiers": 14, "keyLabel": "V"}},
          {"id": uid(), "symbol": "rectangle.split.2x1",
           "combo": {"title": "Tile Left", "keyCode": 123, "modifiers": 1, "keyLabel": "←"}}]
prompts = [{"id": uid(), "name": "Make Formal", "symbol": "briefcase", "result": "replace", "keepLanguage": True,
            "instruction": "Make it more formal, then shorten it to at most three sentences."},
           {"id": uid(), "name": "German", "symbol": "translate", "result": "show", "keepLanguage": False,
            "instruction": "Translate the text to German."}]
data = lambda value: {"data": base64.b64encode(json.dumps(value).encode()).decode()}
json.dump({"wheelSets": data(sets), "customKeyCombos": data(combos), "customPrompts": data(prompts),
           "modelProvider": {"string": "ollama"}, "settingsTab": {"string": "wheel"}}, open(sys.argv[1], "w"))
PY

"$build/src/app/ringle" >"$work/ringle.log" 2>&1 &
for _ in $(seq 1 100); do grep -q "ringle" "$work/ringle.log" 2>/dev/null && break; sleep 0.1; done
sleep 1
"$build/src/app/ringle" --settings
wait_for() { # text after line count
    for _ in $(seq 1 300); do
        tail -n +"$2" "$work/ringle.log" | grep -q "$1" && return 0
        sleep 0.1
    done
    echo "not seen: $1" >&2
    return 1
}
point() { # kind name -> "X Y" as last reported
    grep "ringle.settings.wheel: $1 $2 [0-9-]* [0-9-]*\$" "$work/ringle.log" | tail -1 | awk '{print $(NF-1), $NF}'
}
lines() { wc -l <"$work/ringle.log"; }
shot() { # name
    local window
    window=$(xdotool search --onlyvisible --name '^Ringle$' | head -1)
    sleep 0.5
    /usr/bin/import -window "$window" "$out/$1.png"
    echo "wrote docs/screenshots/$1.png"
}
click_row() { # title
    local n
    n=$(lines)
    # shellcheck disable=SC2046
    xdotool mousemove $(point row "$1") click 1
    wait_for "controls end" "$((n + 1))"
}

wait_for "controls end" 1
shot wheel-editor-ring
click_row Mail
shot wheel-editor-set
click_row Edit
n=$(lines)
# shellcheck disable=SC2046
xdotool mousemove $(point control slot1) click 1
wait_for "menu end" "$((n + 1))"
# shellcheck disable=SC2046
xdotool mousemove $(point "menu item" "Key Combos")
sleep 0.8
/usr/bin/import -window root "$work/full.png"
window=$(xdotool search --onlyvisible --name '^Ringle$' | head -1)
left=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $NF}')
top=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $NF}')
width=$(xwininfo -id "$window" | awk '/Width:/ {print $NF}')
height=$(xwininfo -id "$window" | awk '/Height:/ {print $NF}')
/usr/bin/convert "$work/full.png" -crop "$((width + 220))x${height}+${left}+${top}" +repage "$out/wheel-editor-slot-menu.png"
echo "wrote docs/screenshots/wheel-editor-slot-menu.png"
# The submenu, then the menu.
xdotool key Escape sleep 0.3 key Escape
sleep 0.5

# The sheets are windows of their own; the picker pops up over the prompt sheet.
geometry() { # window id -> "LEFT TOP WIDTH HEIGHT"
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                             /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}
click_control() { # name
    local n
    n=$(lines)
    # shellcheck disable=SC2046
    xdotool mousemove $(point control "$1") click 1
    wait_for "controls end" "$((n + 1))"
}
sheet_shot() { # window title, name
    local window
    window=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
    sleep 0.5
    /usr/bin/import -window "$window" "$out/$2.png"
    echo "wrote docs/screenshots/$2.png"
}
click_row "Key Combos"
shot wheel-editor-key-combos
click_control editKeyCombo1
sheet_shot "Edit Key Combo" key-combo-sheet
xdotool key Escape
sleep 0.5
click_row Prompts
click_control editPrompt1
sheet_shot "Edit Prompt" prompt-sheet
click_control symbolButton
sleep 0.5
/usr/bin/import -window root "$work/full.png"
read -r left top width height < <(geometry "$(xdotool search --onlyvisible --name '^Edit Prompt$' | head -1)")
/usr/bin/convert "$work/full.png" -crop "$((width + 40))x$((height + 420))+${left}+${top}" +repage "$out/symbol-picker.png"
echo "wrote docs/screenshots/symbol-picker.png"
