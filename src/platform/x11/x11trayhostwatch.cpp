#include "platform/x11/x11trayhostwatch.h"

#include "platform/linux/statusnotifierwatch.h"
#include "platform/x11/x11connection.h"
#include "platform/x11/x11selectionwatch.h"
#include "platform/x11/x11windowprops.h"

#include <xcb/xcb.h>

#include <cstdlib>

X11TrayHostWatch::X11TrayHostWatch(X11Connection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_xembedSelection("_NET_SYSTEM_TRAY_S" + QByteArray::number(connection.screenNumber()))
    , m_xembedTray(std::make_unique<X11SelectionWatch>(connection, m_xembedSelection,
                                                       [this] { Q_EMIT trayHostsChanged(); }))
{
    connect(new StatusNotifierWatch(this), &StatusNotifierWatch::changed, this, &X11TrayHostWatch::trayHostsChanged);
}

X11TrayHostWatch::~X11TrayHostWatch() = default;

bool X11TrayHostWatch::isActive() const
{
    return m_xembedTray->isActive();
}

quint32 X11TrayHostWatch::xembedManager() const
{
    xcb_connection_t *conn = m_connection.connection();
    xcb_get_selection_owner_reply_t *reply =
        xcb_get_selection_owner_reply(conn, xcb_get_selection_owner(conn, m_connection.atom(m_xembedSelection)), nullptr);
    const quint32 manager = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    return manager;
}

bool X11TrayHostWatch::hasXembedTray() const
{
    return xembedManager() != XCB_NONE;
}

QColor X11TrayHostWatch::xembedForeground() const
{
    const quint32 manager = xembedManager();
    if (manager == XCB_NONE)
        return {};
    // Four colours of 16-bit red, green and blue: normal, error, warning, success.
    const QList<quint32> colours = X11WindowProps::cardinals(m_connection, manager, "_NET_SYSTEM_TRAY_COLORS");
    if (colours.size() < 3)
        return {};
    return QColor::fromRgb(int(colours[0] >> 8) & 0xff, int(colours[1] >> 8) & 0xff, int(colours[2] >> 8) & 0xff);
}
