#include "platform/x11/x11windowprops.h"

#include "platform/x11/x11connection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace X11WindowProps {
namespace {
// Property values are capped: a window cannot make us read megabytes for a name.
constexpr quint32 maxLongs = 16384;

struct Property {
    quint32 type = XCB_NONE;
    int format = 0;
    QByteArray data;
};

Property read(X11Connection &c, quint32 window, const QByteArray &name, quint32 type = XCB_GET_PROPERTY_TYPE_ANY)
{
    Property p;
    if (!window)
        return p;
    xcb_connection_t *conn = c.connection();
    xcb_get_property_reply_t *reply =
        xcb_get_property_reply(conn, xcb_get_property(conn, false, window, c.atom(name), type, 0, maxLongs), nullptr);
    if (!reply)
        return p;
    p.type = reply->type;
    p.format = reply->format;
    p.data = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    std::free(reply);
    return p;
}

QList<quint32> cardinals(const Property &p)
{
    QList<quint32> values;
    if (p.format != 32)
        return values;
    values.resize(p.data.size() / 4);
    if (!values.isEmpty())
        std::memcpy(values.data(), p.data.constData(), size_t(values.size()) * 4);
    return values;
}
} // namespace

QList<quint32> cardinals(X11Connection &c, quint32 window, const QByteArray &name)
{
    return cardinals(read(c, window, name));
}

quint32 activeWindow(X11Connection &c)
{
    const QList<quint32> v = cardinals(read(c, c.root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW));
    return v.isEmpty() ? 0 : v.first();
}

QList<quint32> clientList(X11Connection &c)
{
    return cardinals(read(c, c.root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW));
}

qint64 pid(X11Connection &c, quint32 window)
{
    const QList<quint32> v = cardinals(read(c, window, "_NET_WM_PID", XCB_ATOM_CARDINAL));
    return v.isEmpty() ? 0 : qint64(v.first());
}

quint64 owningClient(X11Connection &c, quint32 window)
{
    const QList<quint32> leader = cardinals(read(c, window, "WM_CLIENT_LEADER", XCB_ATOM_WINDOW));
    const quint32 made = leader.isEmpty() || leader.first() == 0 ? window : leader.first();
    // Every id a client makes carries the base the server gave it; the rest is the client's own.
    return made & ~xcb_get_setup(c.connection())->resource_id_mask;
}

QString gtkApplicationId(X11Connection &c, quint32 window)
{
    const Property p = read(c, window, "_GTK_APPLICATION_ID");
    return p.format == 8 ? QString::fromUtf8(p.data).trimmed() : QString();
}

std::pair<QString, QString> splitWmClass(const QByteArray &value)
{
    const qsizetype nul = value.indexOf('\0');
    const QByteArray instance = nul < 0 ? value : value.left(nul);
    QByteArray cls = nul < 0 ? QByteArray() : value.mid(nul + 1);
    if (const qsizetype end = cls.indexOf('\0'); end >= 0)
        cls.truncate(end);
    return {QString::fromLatin1(instance), QString::fromLatin1(cls)};
}

std::pair<QString, QString> wmClass(X11Connection &c, quint32 window)
{
    const Property p = read(c, window, "WM_CLASS", XCB_ATOM_STRING);
    return p.format == 8 ? splitWmClass(p.data) : std::pair<QString, QString>{};
}

QString title(X11Connection &c, quint32 window)
{
    const Property net = read(c, window, "_NET_WM_NAME");
    if (net.format == 8 && !net.data.isEmpty())
        return QString::fromUtf8(net.data);
    const Property legacy = read(c, window, "WM_NAME");
    return legacy.format == 8 ? QString::fromLatin1(legacy.data) : QString();
}

bool isRegularWindow(X11Connection &c, quint32 window)
{
    const QList<quint32> types = cardinals(read(c, window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM));
    if (!types.isEmpty() && !types.contains(c.atom("_NET_WM_WINDOW_TYPE_NORMAL")))
        return false;
    return !cardinals(read(c, window, "_NET_WM_STATE", XCB_ATOM_ATOM)).contains(c.atom("_NET_WM_STATE_SKIP_TASKBAR"));
}
} // namespace X11WindowProps
