#!/usr/bin/env bash
# Takes the Wayland screenshots shown in the README: runs the Wayland end-to-end test in a private
# headless sway session, where it photographs the wheel, the result panel and Ask with grim, and
# crops each picture to what it shows.
#   docs/screenshots/make-wayland-screenshots.sh [BUILD_DIR]     (default build/test)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build "$build" --target ringle itest_wlendtoend testeditor testmodelserver waylandinput >/dev/null
RINGLE_BUILD_DIR=$build RINGLE_FIXTURES_DIR=$root/tests/fixtures RINGLE_SCREENSHOT_DIR=$work \
    "$root/tests/integration/wayland-session.sh" "$build/tests/itest_wlendtoend" >"$work/test.log" 2>&1 \
    || { cat "$work/test.log" >&2; exit 1; }
crop() { # name geometry
    /usr/bin/convert "$work/$1.png" -crop "$2" +repage "$here/$1.png"
}
crop wayland-wheel 400x260+370+283
crop wayland-result-panel 580x90+0+0
crop wayland-ask 680x200+300+145
