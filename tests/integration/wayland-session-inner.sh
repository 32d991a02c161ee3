#!/usr/bin/env bash
# Second half of wayland-session.sh, run inside the D-Bus session: the accessibility bus, then the command.
set -uo pipefail
. "$(dirname "$0")/end-bus-clients.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
"$@"
status=$?
end_bus_clients
kill %1 2>/dev/null
exit $status
