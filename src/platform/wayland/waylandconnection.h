#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

struct wl_display;
struct wl_event_queue;
struct wl_interface;
struct wl_registry;
class QSocketNotifier;

// Ringle's own connection to the compositor, beside Qt's: for the protocols Qt does not offer
// (layer shell, data control, virtual keyboard, foreign toplevels). Events are read and dispatched
// on the main thread from the event loop; requests are flushed before the loop sleeps.
class WaylandConnection final : public QObject {
    Q_OBJECT
public:
    struct Global {
        quint32 name = 0;
        QByteArray interface;
        quint32 version = 0;
    };

    // How long start-up may wait for the compositor's first answers. KWin reads the whole
    // executable of a program it grants an interface before it answers it: seconds for a big one.
    static constexpr std::chrono::milliseconds startupTimeout{10000};

    // Connects to `display` (a name in XDG_RUNTIME_DIR or an absolute path; empty: WAYLAND_DISPLAY)
    // and learns the globals. None when there is no compositor or it does not answer in time.
    static std::unique_ptr<WaylandConnection> open(const QByteArray &display = {});
    ~WaylandConnection() override;

    wl_display *display() const { return m_display; }
    const QList<Global> &globals() const { return m_globals; }
    bool offers(const char *interface) const;
    // The version of the interface the compositor offers, 0 when it offers none.
    quint32 offeredVersion(const char *interface) const;

    // Binds the first global of this interface at the highest version both sides know, at most
    // `maxVersion`; null when it is not offered at `minVersion` or above.
    void *bind(const wl_interface *interface, quint32 maxVersion, quint32 minVersion = 1);
    void *bindName(quint32 name, const wl_interface *interface, quint32 version);

    // Waits for the compositor to answer everything sent so far, at most `timeout`, without the
    // event loop. With a queue, only that queue's events are handled meanwhile (the others wait for
    // the loop), so a caller in the middle of its work sees no other handler run. False on a
    // time-out or a lost connection.
    bool roundtrip(std::chrono::milliseconds timeout = startupTimeout, wl_event_queue *queue = nullptr);

    // An event queue of its own for a part whose calls must wait for answers (the clipboard); its
    // events are handled with the others by the loop too. Destroy it after its proxies.
    wl_event_queue *createQueue();
    void destroyQueue(wl_event_queue *queue);
    // Sends what is queued; the loop does this before it sleeps, so only needed before blocking.
    void flush();

    bool isLost() const { return m_lost; }
    // The interfaces RINGLE_WAYLAND_IGNORE names (comma-separated): Ringle acts as if the
    // compositor did not offer them.
    static QList<QByteArray> ignoredInterfaces();
    QString lostReason() const { return m_lostReason; }

Q_SIGNALS:
    void globalAdded(const WaylandConnection::Global &global);
    void globalRemoved(quint32 name);
    // The compositor went away or ended the connection over an error; sent once.
    void lost(const QString &reason);

private:
    explicit WaylandConnection(wl_display *display);
    static void onGlobal(void *data, wl_registry *registry, quint32 name, const char *interface, quint32 version);
    static void onGlobalRemove(void *data, wl_registry *registry, quint32 name);
    void readEvents();
    void dispatchQueued();
    void markLost();

    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    QList<Global> m_globals;
    QList<wl_event_queue *> m_queues;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    bool m_lost = false;
    QString m_lostReason;
    bool m_started = false;
};
