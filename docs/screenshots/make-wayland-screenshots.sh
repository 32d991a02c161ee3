#!/usr/bin/env bash
# Takes the Wayland screenshots shown in the README: runs the Wayland end-to-end tests in a private
# headless sway session, a headless KWin and a headless GNOME Shell, where they photograph the wheel,
# the result panel and Ask (grim, KWin's and GNOME Shell's own screenshots), and crops each picture
# to what it shows.
#   docs/screenshots/make-wayland-screenshots.sh [BUILD_DIR]     (default build/test)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build/test}" && pwd)
work=$(mktemp -d)
# The KWin session runs as an ordinary user, who writes the pictures.
chmod 777 "$work"
trap 'rm -rf "$work"' EXIT
cmake --build "$build" --target ringle itest_wlendtoend itest_kwendtoend itest_gnendtoend testeditor testmodelserver \
    waylandinput waylandclipboardtool mutterclipboardtool kwinscreenshot ringle_gnome_extension >/dev/null
RINGLE_BUILD_DIR=$build RINGLE_FIXTURES_DIR=$root/tests/fixtures RINGLE_SCREENSHOT_DIR=$work \
    "$root/tests/integration/wayland-session.sh" "$build/tests/itest_wlendtoend" >"$work/test.log" 2>&1 \
    || { cat "$work/test.log" >&2; exit 1; }
RINGLE_BUILD_DIR=$build RINGLE_FIXTURES_DIR=$root/tests/fixtures RINGLE_SCREENSHOT_DIR=$work \
    "$root/tests/integration/kwin-session.sh" "$build/tests/itest_kwendtoend" resultPanelReplaceIsClickedBesideTheText \
    askTakesTheKeyboardAndGivesItBack >"$work/kwin.log" 2>&1 || { cat "$work/kwin.log" >&2; exit 1; }
RINGLE_BUILD_DIR=$build RINGLE_FIXTURES_DIR=$root/tests/fixtures RINGLE_SCREENSHOT_DIR=$work \
    "$root/tests/integration/gnome-session.sh" "$build/tests/itest_gnendtoend" resultPanelReplaceIsClickedBesideTheText \
    askTakesTheKeyboardAndGivesItBack >"$work/gnome.log" 2>&1 || { cat "$work/gnome.log" >&2; exit 1; }
crop() { # name geometry
    /usr/bin/convert "$work/$1.png" -crop "$2" +repage "$here/$1.png"
}
crop wayland-wheel 400x260+370+283
crop wayland-result-panel 580x90+0+0
crop wayland-ask 680x200+300+145
crop kwin-wheel 400x260+370+290
crop kwin-result-panel 600x110+380+190
crop kwin-ask 680x200+300+145
crop gnome-wheel 400x260+370+290
crop gnome-result-panel 600x110+150+28
crop gnome-ask 680x200+300+145
