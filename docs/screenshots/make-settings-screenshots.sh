#!/usr/bin/env bash
# Takes the settings window's screenshots shown in the README: runs `ringle --settings` with each
# model provider inside a private X session, with a test model server standing in for a local one,
# and the General and Action Wheel tabs in German.
#   docs/screenshots/make-settings-screenshots.sh [BUILD_DIR]     (default build/test)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
if [ -z "${RINGLE_SHOTS_INSIDE:-}" ]; then
    RINGLE_SHOTS_INSIDE=1 exec "$root/tests/integration/x11-session.sh" "$0" "$build"
fi
export ASAN_OPTIONS=detect_leaks=0

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# A model server that lists three models.
coproc server { "$build/tests/programs/testmodelserver/testmodelserver"; }
read -r port <&"${server[0]}"
python3 -c 'import json
body = json.dumps({"object": "list", "data": [{"id": m} for m in ("llama3.2", "mistral", "qwen2.5")]})
print(json.dumps({"cmd": "default", "response": {"status": 200, "headers": {"Content-Type": "application/json"},
                                                 "parts": [{"text": body}]}}))' >&"${server[1]}"

# shoot NAME PROVIDER SERVER [TAB [LANGUAGE]]: the settings window of a fresh configuration, cut out
# of the screen, as settings-NAME.png.
shoot() {
    local name=$1 provider=$2 server=$3 tab=${4:-general}
    export LANGUAGE=${5:-en}
    local config="$work/$name"
    mkdir -p "$config"
    XDG_CONFIG_HOME="$config" "$build/src/app/ringle" config set settingsTab "$tab" >/dev/null
    [ -n "$provider" ] && XDG_CONFIG_HOME="$config" "$build/src/app/ringle" config set modelProvider "$provider" >/dev/null
    [ -n "$server" ] && XDG_CONFIG_HOME="$config" "$build/src/app/ringle" config set modelServer "$server" >/dev/null
    XDG_CONFIG_HOME="$config" "$build/src/app/ringle" --settings >"$work/$name.log" 2>&1 &
    local app=$!
    local window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name '^Ringle$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no settings window for $name" >&2; cat "$work/$name.log" >&2; exit 1; }
    # The model list loads 0.4 s after the window shows.
    sleep 1.5
    /usr/bin/import -window "$window" -frame "$here/settings-$name.png"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

shoot general-ondevice apple ""
shoot general-ollama ollama "http://127.0.0.1:$port"
shoot general-lmstudio lmStudio ""
shoot general-other other ""
shoot general-de ollama "http://127.0.0.1:$port" general de
shoot wheel-de ollama "http://127.0.0.1:$port" wheel de
