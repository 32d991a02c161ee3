#include "platform/x11/x11desktops.h"

#include "platform/x11/qtxcbconnection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace X11Desktops {
void showOnAllDesktops(quintptr window)
{
    xcb_connection_t *connection = qtXcbConnection();
    if (!connection || !window)
        return;
    const char name[] = "_NET_WM_DESKTOP";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!atom)
        return;
    const quint32 allDesktops = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), atom->atom, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    xcb_flush(connection);
    std::free(atom);
}
} // namespace X11Desktops
