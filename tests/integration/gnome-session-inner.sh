#!/usr/bin/env bash
# Second half of gnome-session.sh, inside the D-Bus session: the settings, GNOME Shell, the
# accessibility bus, then the command.  gnome-session-inner.sh COMMAND [ARGS...]
set -uo pipefail
. "$(dirname "$0")/end-bus-clients.sh"
display=wayland-ringle
export XDG_CURRENT_DESKTOP=GNOME
export XDG_SESSION_TYPE=wayland
export XDG_SESSION_DESKTOP=gnome

# Read when the shell starts; the extensions must be on the list by then.
gsettings set org.gnome.shell enabled-extensions "$RINGLE_GNOME_ENABLED"
gsettings set org.gnome.shell disable-user-extensions false
gsettings set org.gnome.desktop.interface enable-animations false

gnome-shell --headless --wayland --no-x11 --wayland-display="$display" \
    --virtual-monitor "$RINGLE_GNOME_SIZE" >"$GNOME_SHELL_LOG" 2>&1 &
shell_pid=$!
# The helper extension takes its name once start-up is complete and the Overview is hidden.
ready=0
for _ in $(seq 1 300); do
    if dbus-send --session --print-reply --dest=org.ringle.ShellTest /org/ringle/ShellTest \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1; then
        ready=1
        break
    fi
    kill -0 "$shell_pid" 2>/dev/null || break
    sleep 0.05
done
if [ "$ready" != 1 ]; then
    echo "gnome-session: GNOME Shell did not start:" >&2
    cat "$GNOME_SHELL_LOG" >&2
    kill "$shell_pid" 2>/dev/null
    exit 1
fi

export WAYLAND_DISPLAY="$display"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_QPA_PLATFORM=wayland
export GDK_BACKEND=wayland
# As under sway: no OpenGL driver for Qt's Wayland plugin to load and leak at unload.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
export NO_AT_BRIDGE=0
unset DISPLAY SWAYSOCK
dbus-update-activation-environment WAYLAND_DISPLAY XDG_SESSION_TYPE XDG_CURRENT_DESKTOP XDG_RUNTIME_DIR \
    HOME XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME >/dev/null 2>&1 || true

launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
"$@"
status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$shell_pid" 2>/dev/null; then
    echo "gnome-session: GNOME Shell ended during the run:" >&2
    tail -n 40 "$GNOME_SHELL_LOG" >&2
fi
end_bus_clients
kill "$shell_pid" 2>/dev/null
wait "$shell_pid" 2>/dev/null
exit $status
