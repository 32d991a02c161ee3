#include "platform/x11/x11atspiaddress.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace X11AtspiAddress {
QByteArray fromRootWindow()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    QByteArray address;
    if (!xcb_connection_has_error(connection)) {
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const char name[] = "AT_SPI_BUS";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, sizeof(name) - 1, name), nullptr);
        if (atom && atom->atom != XCB_ATOM_NONE && screen) {
            xcb_get_property_reply_t *property = xcb_get_property_reply(
                connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr);
            if (property && property->format == 8) {
                address = QByteArray(static_cast<const char *>(xcb_get_property_value(property)),
                                     xcb_get_property_value_length(property));
            }
            free(property);
        }
        free(atom);
    }
    xcb_disconnect(connection);
    return address.trimmed();
}
} // namespace X11AtspiAddress
