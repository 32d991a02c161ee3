#!/usr/bin/env bash
# Second half of kwin-session.sh, inside the D-Bus session: KWin, the accessibility bus, then the
# command.  kwin-session-inner.sh KWIN COMMAND [ARGS...]
set -uo pipefail
kwin=$1
shift
. "$(dirname "$0")/end-bus-clients.sh"
socket=wayland-ringle
width=${RINGLE_KWIN_SIZE%x*}
height=${RINGLE_KWIN_SIZE#*x}
# QPainter compositing: llvmpipe's OpenGL would take a core of its own. Screenshots need OpenGL
# (RINGLE_SCREENSHOT_DIR set), and the screenshot tool is trusted without a desktop entry.
compose=(env KWIN_COMPOSE=Q)
if [ -n "${RINGLE_SCREENSHOT_DIR:-}" ]; then
    compose=(env KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1)
fi
"${compose[@]}" QT_QPA_PLATFORM=offscreen "$kwin" --virtual --no-lockscreen \
    --width "$width" --height "$height" --socket "$socket" >"$KWIN_LOG" 2>&1 &
kwin_pid=$!
ready=0
for _ in $(seq 1 200); do
    if [ -S "$XDG_RUNTIME_DIR/$socket" ] && dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1; then
        ready=1
        break
    fi
    kill -0 "$kwin_pid" 2>/dev/null || break
    sleep 0.05
done
if [ "$ready" != 1 ]; then
    echo "kwin-session: KWin did not start:" >&2
    cat "$KWIN_LOG" >&2
    exit 1
fi

export WAYLAND_DISPLAY="$socket"
export XDG_SESSION_TYPE=wayland
export XDG_CURRENT_DESKTOP=KDE
export KDE_FULL_SESSION=true
export KDE_SESSION_VERSION=5
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=wayland
# As under sway: no OpenGL driver for Qt's Wayland plugin to load and leak at unload.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
export NO_AT_BRIDGE=0
unset DISPLAY SWAYSOCK

# As a Plasma session does, for the portals started on demand (the KDE one needs the display).
dbus-update-activation-environment WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE XDG_CURRENT_DESKTOP \
    KDE_FULL_SESSION KDE_SESSION_VERSION XDG_RUNTIME_DIR HOME XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME >/dev/null 2>&1 || true

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
"$@"
status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$kwin_pid" 2>/dev/null; then
    echo "kwin-session: KWin ended during the run:" >&2
    tail -n 40 "$KWIN_LOG" >&2
fi
end_bus_clients
kill "$kwin_pid" 2>/dev/null
wait "$kwin_pid" 2>/dev/null
exit $status
