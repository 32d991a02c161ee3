#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>

struct xcb_connection_t;
class QSocketNotifier;

// A private connection to the X server, apart from Qt's, for the clipboard's reader, the change
// count, synthetic keys and window properties. Its events are read on the main thread.
class X11Connection final : public QObject {
    Q_OBJECT
public:
    // Receives every event; `event` points at an xcb_generic_event_t.
    using EventHandler = std::function<void(const void *event)>;

    // None when no X display can be reached.
    static std::unique_ptr<X11Connection> open(const QByteArray &display = {});
    ~X11Connection() override;

    xcb_connection_t *connection() const { return m_connection; }
    quint32 root() const { return m_root; }
    // The display's screen this connection works on (the N of DISPLAY=:0.N).
    int screenNumber() const { return m_screenNumber; }
    quint32 atom(const QByteArray &name);
    QByteArray atomName(quint32 atom);
    // A window of our own for selection transfers, reporting property changes.
    quint32 createWindow();
    void destroyWindow(quint32 window);
    // The first event code of the XFixes extension, or -1 without it.
    int xfixesFirstEvent() const { return m_xfixesFirstEvent; }
    bool hasXTest() const { return m_hasXTest; }

    void flush();
    // A round trip: everything sent before has been handled by the server, and the events it
    // caused have been delivered to the handlers.
    void sync();
    // Hands queued events to the handlers.
    void dispatchPending();

    int addEventHandler(EventHandler handler);
    void removeEventHandler(int id);

Q_SIGNALS:
    void eventsDispatched();

private:
    X11Connection(xcb_connection_t *connection, int screenNumber, quint32 root);

    xcb_connection_t *m_connection;
    int m_screenNumber;
    quint32 m_root;
    int m_xfixesFirstEvent = -1;
    bool m_hasXTest = false;
    QHash<QByteArray, quint32> m_atoms;
    QHash<quint32, QByteArray> m_atomNames;
    QHash<int, EventHandler> m_handlers;
    int m_nextHandlerId = 1;
    bool m_dispatching = false;
    QSocketNotifier *m_notifier = nullptr;
};
