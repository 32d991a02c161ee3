#include "platform/x11/x11displayprobe.h"

#include <xcb/xcb.h>

namespace X11DisplayProbe {

bool reachable(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    const bool ok = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return ok;
}

} // namespace X11DisplayProbe
