#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class X11Connection;

// Properties of top-level windows as the window manager and the toolkits publish them.
namespace X11WindowProps {
// The window the window manager has made active (_NET_ACTIVE_WINDOW), or 0.
quint32 activeWindow(X11Connection &c);
// The managed windows (_NET_CLIENT_LIST), oldest first.
QList<quint32> clientList(X11Connection &c);
// _NET_WM_PID, or 0 when the window does not say.
qint64 pid(X11Connection &c, quint32 window);
// The X client that made the window's application: the one behind its client leader
// (WM_CLIENT_LEADER), else behind the window itself; the part of the id the server gave that client.
quint64 owningClient(X11Connection &c, quint32 window);
// _GTK_APPLICATION_ID, or empty.
QString gtkApplicationId(X11Connection &c, quint32 window);
// WM_CLASS: instance and class.
std::pair<QString, QString> wmClass(X11Connection &c, quint32 window);
// _NET_WM_NAME, else WM_NAME.
QString title(X11Connection &c, quint32 window);
// Whether a user switches to this window: a normal window (or one without a type) that is
// not kept off the task bar.
bool isRegularWindow(X11Connection &c, quint32 window);
// A property of 32-bit values (CARDINAL and the like); empty when absent or of another format.
QList<quint32> cardinals(X11Connection &c, quint32 window, const QByteArray &name);
// Splits a WM_CLASS value (two NUL-terminated strings); tolerates missing terminators.
std::pair<QString, QString> splitWmClass(const QByteArray &value);
} // namespace X11WindowProps
