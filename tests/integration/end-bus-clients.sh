# Sourced by the session scripts: ends every program still on the session bus, the ones the bus
# started on demand (portals) among them. They would outlive the bus and keep the test's output
# open, so that whoever reads it never sees its end.
end_bus_clients() {
    local names name pid
    names=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames 2>/dev/null | grep -o '":[0-9.]*"' | tr -d '"') || return 0
    for name in $names; do
        pid=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null | awk '/uint32/ {print $2}')
        [ -n "$pid" ] && [ "$pid" != "$$" ] && kill "$pid" 2>/dev/null
    done
    return 0
}
