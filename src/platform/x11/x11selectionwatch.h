#pragma once

#include <QByteArray>
#include <functional>

class X11Connection;

// Calls back whenever a selection changes owner, also when the owner goes away with its window or
// its connection (XFixes). Inactive on a server without XFixes.
class X11SelectionWatch final {
public:
    X11SelectionWatch(X11Connection &connection, const QByteArray &selection, std::function<void()> ownerChanged);
    ~X11SelectionWatch();
    X11SelectionWatch(const X11SelectionWatch &) = delete;
    X11SelectionWatch &operator=(const X11SelectionWatch &) = delete;

    bool isActive() const { return m_window != 0; }

private:
    X11Connection &m_connection;
    quint32 m_selection;
    quint32 m_window = 0;
    int m_handler = 0;
};
