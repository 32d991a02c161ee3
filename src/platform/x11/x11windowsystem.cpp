#include "platform/x11/x11windowsystem.h"

#include "platform/x11/qtxcbconnection.h"

#include <QByteArray>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

bool X11WindowSystem::isCompositing() const
{
    xcb_connection_t *connection = qtXcbConnection();
    if (!connection)
        return false;
    // Interned once it exists; until a compositor has ever run there is no such atom.
    static xcb_atom_t selection = XCB_ATOM_NONE;
    if (selection == XCB_ATOM_NONE) {
        // Qt opens the default screen of $DISPLAY; its number is in the display name.
        int screen = 0;
        const QByteArray display = qgetenv("DISPLAY");
        const int dot = display.lastIndexOf('.');
        if (dot > display.lastIndexOf(':'))
            screen = display.mid(dot + 1).toInt();
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr);
        if (atom)
            selection = atom->atom;
        std::free(atom);
        if (selection == XCB_ATOM_NONE)
            return false;
    }
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool active = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return active;
}

void X11WindowSystem::showOnAllDesktops(quintptr window)
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
