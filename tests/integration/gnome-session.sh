#!/usr/bin/env bash
# Runs one command inside a private headless GNOME Shell (Mutter) session, with Ringle's Shell
# extension and the tests' helper extension enabled, a D-Bus session bus and the accessibility bus.
# GNOME Shell wants a system bus and must not find systemd's seats without logind: run as root,
# this masks /run/systemd and /run/dbus in a mount namespace of its own, starts a system bus there,
# and runs everything else as an ordinary user. Everything started here ends with it.
#   gnome-session.sh COMMAND [ARGS...]
# RINGLE_GNOME_EXTENSION=0 starts the shell without Ringle's extension.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
session_user=ringle-compositor

if [ "$(id -u)" -eq 0 ]; then
    if [ -z "${RINGLE_GNOME_NAMESPACE:-}" ]; then
        exec unshare --mount --propagation private env RINGLE_GNOME_NAMESPACE=1 "$0" "$@"
    fi
    mount -t tmpfs tmpfs /run/systemd 2>/dev/null || { mkdir -p /run/systemd && mount -t tmpfs tmpfs /run/systemd; }
    mkdir -p /run/dbus
    mount -t tmpfs tmpfs /run/dbus
    system_bus=$(dbus-daemon --system --fork --print-pid)
    if ! id "$session_user" >/dev/null 2>&1; then
        useradd --system --no-create-home --shell /usr/sbin/nologin "$session_user" 2>/dev/null \
            || id "$session_user" >/dev/null
    fi
    status=0
    runuser -u "$session_user" -- env HOME=/tmp XDG_RUNTIME_DIR= RINGLE_GNOME_NAMESPACE= "$0" "$@" || status=$?
    kill "$system_bus" 2>/dev/null || true
    exit $status
fi

workdir=$(mktemp -d /tmp/ringle-gnome.XXXXXX)
trap 'rm -rf "$workdir"' EXIT
export HOME="$workdir/home"
export XDG_RUNTIME_DIR="$workdir/runtime"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME" "$XDG_DATA_HOME/gnome-shell/extensions" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

extensions="$XDG_DATA_HOME/gnome-shell/extensions"
cp -r "$here/../gnome/ringle-test-helper@ringle.org" "$extensions/"
enabled="'ringle-test-helper@ringle.org'"
if [ "${RINGLE_GNOME_EXTENSION:-1}" = 1 ] && [ -x "${RINGLE_BUILD_DIR:-}/data/gnome-shell-extension/extension-form" ]; then
    # The form this GNOME Shell loads, as the package and scripts/run choose it.
    form=$("$RINGLE_BUILD_DIR/data/gnome-shell-extension/extension-form")
    cp -r "$RINGLE_BUILD_DIR/data/gnome-shell-extension/$form/ringle@ringle.org" "$extensions/"
    enabled="$enabled, 'ringle@ringle.org'"
fi
export GNOME_SHELL_LOG="$workdir/gnome-shell.log"
export RINGLE_GNOME_ENABLED="[$enabled]"
export RINGLE_GNOME_SIZE="${RINGLE_WAYLAND_SIZE:-1280x800}"
status=0
dbus-run-session -- "$here/gnome-session-inner.sh" "$@" || status=$?
exit $status
