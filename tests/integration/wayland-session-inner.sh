#!/usr/bin/env bash
# Second half of wayland-session.sh, run inside the D-Bus session: the accessibility bus, then the command.
set -uo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$launcher" --launch-immediately >/dev/null 2>&1 &
"$@"
status=$?
kill %1 2>/dev/null
exit $status
