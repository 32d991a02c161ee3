#!/usr/bin/env bash
# Runs one command inside a private headless KWin session (Plasma's compositor), with a D-Bus
# session bus and the accessibility bus. KWin does not run as root, and it grants its fake input
# only to programs of its own user whose desktop entry asks for it: run as root, this makes an
# ordinary user and runs everything as that user. The programs granted fake input are Ringle and
# the test tools of RINGLE_BUILD_DIR. Everything started here ends with it.
#   kwin-session.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)

session_user=ringle-compositor
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$session_user" >/dev/null 2>&1; then
        useradd --system --no-create-home --shell /usr/sbin/nologin "$session_user" 2>/dev/null \
            || id "$session_user" >/dev/null
    fi
    # The same environment minus root's own places; the command's files must be readable by all.
    exec runuser -u "$session_user" -- env HOME=/tmp XDG_RUNTIME_DIR= "$0" "$@"
fi

workdir=$(mktemp -d /tmp/ringle-kwin.XXXXXX)
cleanup() {
    if [ -n "${kwin_pid:-}" ]; then
        kill "$kwin_pid" 2>/dev/null || true
        wait "$kwin_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT

export HOME="$workdir/home"
export XDG_RUNTIME_DIR="$workdir/runtime"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# KWin reads a client's desktop entry by the executable the client runs, so Exec is absolute.
grant() {
    local program=$1 id=$2
    [ -x "$program" ] || return 0
    cat >"$XDG_DATA_HOME/applications/$id.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=$id
Exec=$(readlink -f "$program")
NoDisplay=true
X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
ENTRY
}
if [ -n "${RINGLE_BUILD_DIR:-}" ]; then
    # KWin reads a granted program's whole executable at each connection: a test build's debug
    # information would make every start take seconds. The tools Ringle runs stay beside it.
    mkdir "$workdir/app"
    objcopy --strip-debug "$RINGLE_BUILD_DIR/src/app/ringle" "$workdir/app/ringle"
    ln -s "$RINGLE_BUILD_DIR/src/app/ringle-shortcuts" "$workdir/app/ringle-shortcuts"
    export RINGLE_APP="$workdir/app/ringle"
    [ "${RINGLE_KWIN_GRANT:-1}" = 1 ] && grant "$RINGLE_APP" org.ringle.Ringle-test
fi
if [ -n "${RINGLE_BUILD_DIR:-}" ]; then
    grant "$RINGLE_BUILD_DIR/tests/programs/waylandinput/waylandinput" org.ringle.waylandinput
    # Run by hand: tests/integration/kwin-session.sh <build>/tests/programs/clipboardstress/clipboardstress
    grant "$RINGLE_BUILD_DIR/tests/programs/clipboardstress/clipboardstress" org.ringle.clipboardstress
fi
kbuildsycoca5 --noincremental >/dev/null 2>&1 || true

# /usr/bin/kwin_wayland carries a file capability this sandbox refuses; a copy has none.
cp /usr/bin/kwin_wayland "$workdir/kwin_wayland"

export KWIN_LOG="$workdir/kwin.log"
export RINGLE_KWIN_SIZE="${RINGLE_WAYLAND_SIZE:-1280x800}"
status=0
dbus-run-session -- "$here/kwin-session-inner.sh" "$workdir/kwin_wayland" "$@" || status=$?
exit $status
