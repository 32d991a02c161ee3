#!/usr/bin/env bash
# Runs one command inside a private headless sway session, with a D-Bus session bus and the
# accessibility bus. sway does not run as root: run as root, this makes an ordinary user for it
# (the command itself stays root and reaches sway's sockets by their paths). Everything started
# here ends with it.
#   wayland-session.sh COMMAND [ARGS...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }

compositor_user=ringle-compositor
workdir=$(mktemp -d /tmp/ringle-wayland.XXXXXX)
chmod 755 "$workdir"
runtime="$workdir/compositor"
mkdir -m 700 "$runtime"
client_runtime="$workdir/client"
mkdir -m 700 "$client_runtime"

cleanup() {
    if [ -n "${sway_pid:-}" ]; then
        kill "$sway_pid" 2>/dev/null || true
        wait "$sway_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT

run_compositor=()
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$compositor_user" >/dev/null 2>&1; then
        useradd --system --no-create-home --shell /usr/sbin/nologin "$compositor_user" 2>/dev/null \
            || id "$compositor_user" >/dev/null
    fi
    chown "$compositor_user" "$runtime"
    run_compositor=(runuser -u "$compositor_user" --)
fi

cat >"$workdir/sway.cfg" <<EOF
output HEADLESS-1 resolution ${RINGLE_WAYLAND_SIZE:-1280x800} scale ${RINGLE_WAYLAND_SCALE:-1}
xwayland disable
focus_follows_mouse no
default_border none
# Taken by the desktop itself: Ringle must refuse it.
bindsym Ctrl+Alt+k nop taken-by-sway
EOF
chmod 644 "$workdir/sway.cfg"

"${run_compositor[@]}" env -i PATH="$PATH" HOME=/tmp XDG_RUNTIME_DIR="$runtime" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$workdir/sway.cfg" >"$workdir/sway.log" 2>&1 &
sway_pid=$!
for _ in $(seq 1 200); do
    socket=$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*.sock' 2>/dev/null | head -n1)
    [ -n "$socket" ] && [ -S "$runtime/wayland-1" ] && break
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.05
done
if [ -z "${socket:-}" ] || [ ! -S "$runtime/wayland-1" ]; then
    echo "wayland-session: sway did not start:" >&2
    cat "$workdir/sway.log" >&2
    exit 1
fi

export WAYLAND_DISPLAY="$runtime/wayland-1"
export SWAYSOCK="$socket"
export XDG_RUNTIME_DIR="$client_runtime"
export XDG_SESSION_TYPE=wayland
export XDG_CURRENT_DESKTOP=sway
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=wayland
# Qt's Wayland plugin would load Mesa's driver for OpenGL, which nothing here draws with; Mesa leaves
# an allocation behind when it unloads the driver, where no suppression can name it.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
export NO_AT_BRIDGE=0
export RINGLE_SWAY_LOG="$workdir/sway.log"
unset DISPLAY

status=0
dbus-run-session -- "$(dirname "$0")/wayland-session-inner.sh" "$@" || status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$sway_pid" 2>/dev/null; then
    echo "wayland-session: sway ended during the run:" >&2
    tail -n 40 "$workdir/sway.log" >&2
fi
exit $status
