#!/usr/bin/env bash
# Builds the Debian package and checks it as a user would get it: the files it holds, computed
# library dependencies, valid menu entry and metadata, and the extracted program running without
# the source tree and without a display.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
deb=$("$root/scripts/package" | tail -n 1)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

id=org.ringle.Ringle
expected=(
    ./usr/bin/ringle
    ./usr/share/applications/$id.desktop
    ./usr/share/metainfo/$id.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/$id.svg
    ./usr/share/icons/hicolor/symbolic/apps/$id-symbolic.svg
    ./usr/share/icons/hicolor/48x48/apps/$id.png
    ./usr/share/icons/hicolor/256x256/apps/$id.png
    ./usr/share/man/man1/ringle.1.gz
    ./usr/share/man/man1/ringle-config.1.gz
    ./usr/share/doc/ringle/copyright
    ./usr/share/doc/ringle/LICENSE.lucide
    ./usr/share/gnome-shell/extensions/ringle@ringle.org/extension.js
    ./usr/share/gnome-shell/extensions/ringle@ringle.org/metadata.json
)
[ -d "$root/tools/ringle-shortcuts" ] && expected+=(./usr/bin/ringle-shortcuts)
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for file in "${expected[@]}"; do
    grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
if grep -vE '^\./usr/(bin|share|lib/ringle)(/|$)|^\./(usr/)?$' "$work/contents"; then
    fail "the package holds files outside the usual places (listed above)"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6network6 libqt6svg6 libxcb1 libwayland-client0 libxkbcommon0 libatspi2.0-0 libcld2-0 libqcoro6core0 libcurl4; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || fail "desktop entry"
# KWin grants its fake input by the installed executable's path.
grep -qx 'Exec=/usr/bin/ringle' "$work/root/usr/share/applications/$id.desktop" \
    && grep -qx 'X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input' "$work/root/usr/share/applications/$id.desktop" \
    || fail "the desktop entry does not ask KWin for its fake input"
# The copyright file is machine-readable, names Ringle's licence for its own code, and has the text
# of every licence it names.
# Debian's own Python, which has the parser (another may come first on PATH).
/usr/bin/python3 - "$work/root/usr/share/doc/ringle/copyright" <<'CHECK' || fail "the copyright file"
import sys
from debian import copyright
c = copyright.Copyright(open(sys.argv[1]), strict=True)
assert c.find_files_paragraph('src/app/main.cpp').license.synopsis == 'GPL-3.0-or-later'
given = {p.license.synopsis for p in c.all_license_paragraphs()}
for p in c.all_files_paragraphs():
    for name in p.license.synopsis.replace(' or ', ' and ').split(' and '):
        assert name in given, name
CHECK
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$work/root/usr/share/metainfo/$id.metainfo.xml" \
    || fail "the metainfo names no licence"
# The extension's form is the one this machine's GNOME Shell loads.
major=$(gnome-shell --version | sed -n 's/^GNOME Shell \([0-9]*\).*/\1/p')
grep -q "\"$major\"" "$work/root/usr/share/gnome-shell/extensions/ringle@ringle.org/metadata.json" \
    || fail "the GNOME Shell extension does not declare GNOME Shell $major"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
# The menu entry and the software centre show the translated name and summary.
for language in de fr; do
    grep -q "^GenericName\[$language\]=" "$work/root/usr/share/applications/$id.desktop" \
        && grep -q "^Comment\[$language\]=" "$work/root/usr/share/applications/$id.desktop" \
        || fail "the desktop entry has no $language name or comment"
    grep -q "<summary xml:lang=\"$language\">" "$work/root/usr/share/metainfo/$id.metainfo.xml" \
        && grep -q "<lang>$language</lang>" "$work/root/usr/share/metainfo/$id.metainfo.xml" \
        || fail "the metainfo has no $language summary or does not list $language"
done
zcat "$work/root/usr/share/man/man1/ringle-config.1.gz" | grep -q 'start-at-login' || fail "ringle-config(1) lacks the commands"

ringle="$work/root/usr/bin/ringle"
run() { env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$work/config" "$ringle" "$@"; }
version=$(run --version) || fail "ringle --version"
[ "$(head -n 1 <<<"$version")" = "ringle $(dpkg-deb -f "$deb" Version)" ] || fail "ringle --version says \"$version\""
grep -q '^License GPL-3.0-or-later' <<<"$version" || fail "ringle --version names no licence"
# The translations are built into the program.
LANGUAGE=de run --help | grep -q '^Aufruf: ringle ' || fail "ringle --help is not German with LANGUAGE=de"
# French puts a no-break space before the colon.
LANGUAGE= LC_ALL= LANG=fr_FR.UTF-8 run --help | grep -q '^Utilisation.*: ringle ' \
    || fail "ringle --help is not French with LANG=fr_FR.UTF-8"
run config list >"$work/list" || fail "ringle config list"
grep -q '^modelProvider = ' "$work/list" || fail "ringle config list prints no settings"
run config set modelName llama3.2 && [ "$(run config get modelName)" = llama3.2 ] || fail "ringle config set/get"
run config start-at-login on && [ -f "$work/config/autostart/$id.desktop" ] || fail "start-at-login on"
desktop-file-validate "$work/config/autostart/$id.desktop" || fail "the autostart entry"
run config start-at-login off && [ ! -e "$work/config/autostart/$id.desktop" ] || fail "start-at-login off"
echo "package ok: $deb ($(du -k "$deb" | cut -f1) KiB, installed $(dpkg-deb -f "$deb" Installed-Size) KiB)"
