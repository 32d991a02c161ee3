#include "platform/wayland/waylandconnection.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>

Q_LOGGING_CATEGORY(lcWayland, "ringle.wayland")

namespace {
qint64 millisecondsLeft(std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return std::max<qint64>(0, left.count());
}

void syncDone(void *data, wl_callback *callback, uint32_t)
{
    if (data)
        *static_cast<bool *>(data) = true;
    wl_callback_destroy(callback);
}
const wl_callback_listener syncListener = {.done = syncDone};
} // namespace

WaylandConnection::WaylandConnection(wl_display *display)
    : m_display(display)
{
}

std::unique_ptr<WaylandConnection> WaylandConnection::open(const QByteArray &display)
{
    wl_display *d = wl_display_connect(display.isEmpty() ? nullptr : display.constData());
    if (!d) {
        qCInfo(lcWayland) << "no Wayland compositor to connect to:" << std::strerror(errno);
        return nullptr;
    }
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(d));
    static const wl_registry_listener listener = {.global = &WaylandConnection::onGlobal,
                                                  .global_remove = &WaylandConnection::onGlobalRemove};
    connection->m_registry = wl_display_get_registry(d);
    wl_registry_add_listener(connection->m_registry, &listener, connection.get());
    if (!connection->roundtrip()) {
        qCWarning(lcWayland) << "the compositor did not list its interfaces in time";
        return nullptr;
    }
    connection->m_started = true;

    WaylandConnection *self = connection.get();
    const int fd = wl_display_get_fd(d);
    self->m_readNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, self);
    connect(self->m_readNotifier, &QSocketNotifier::activated, self, &WaylandConnection::readEvents);
    self->m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, self);
    self->m_writeNotifier->setEnabled(false);
    connect(self->m_writeNotifier, &QSocketNotifier::activated, self, &WaylandConnection::flush);
    // Requests made anywhere during an event-loop turn leave together before the loop sleeps, and
    // events another read queued get handled.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, self, [self] {
            self->dispatchQueued();
            self->flush();
        });
    }
    return connection;
}

WaylandConnection::~WaylandConnection()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display) {
        if (!m_lost)
            wl_display_flush(m_display);
        wl_display_disconnect(m_display);
    }
}

QList<QByteArray> WaylandConnection::ignoredInterfaces()
{
    return qgetenv("RINGLE_WAYLAND_IGNORE").split(',');
}

void WaylandConnection::onGlobal(void *data, wl_registry *, quint32 name, const char *interface, quint32 version)
{
    auto *self = static_cast<WaylandConnection *>(data);
    // To see how Ringle fares on a compositor without some interface, without finding one.
    static const QList<QByteArray> ignored = ignoredInterfaces();
    if (ignored.contains(QByteArray(interface)))
        return;
    const Global global{name, QByteArray(interface), version};
    self->m_globals.append(global);
    if (self->m_started)
        Q_EMIT self->globalAdded(global);
}

void WaylandConnection::onGlobalRemove(void *data, wl_registry *, quint32 name)
{
    auto *self = static_cast<WaylandConnection *>(data);
    self->m_globals.removeIf([name](const Global &g) { return g.name == name; });
    Q_EMIT self->globalRemoved(name);
}

bool WaylandConnection::offers(const char *interface) const
{
    return offeredVersion(interface) > 0;
}

quint32 WaylandConnection::offeredVersion(const char *interface) const
{
    for (const Global &g : m_globals) {
        if (g.interface == interface)
            return g.version;
    }
    return 0;
}

void *WaylandConnection::bind(const wl_interface *interface, quint32 maxVersion, quint32 minVersion)
{
    for (const Global &g : std::as_const(m_globals)) {
        if (g.interface != interface->name)
            continue;
        const quint32 version = std::min({g.version, maxVersion, quint32(interface->version)});
        if (version < minVersion)
            return nullptr;
        return bindName(g.name, interface, version);
    }
    return nullptr;
}

void *WaylandConnection::bindName(quint32 name, const wl_interface *interface, quint32 version)
{
    return wl_registry_bind(m_registry, name, interface, version);
}

bool WaylandConnection::roundtrip(std::chrono::milliseconds timeout, wl_event_queue *queue)
{
    if (m_lost)
        return false;
    bool done = false;
    wl_callback *callback = nullptr;
    if (queue) {
        // The answer must arrive on the queue that is waited on.
        auto *wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(m_display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapper), queue);
        callback = wl_display_sync(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
    } else {
        callback = wl_display_sync(m_display);
    }
    wl_callback_add_listener(callback, &syncListener, &done);
    const auto dispatch = [&] {
        return queue ? wl_display_dispatch_queue_pending(m_display, queue) : wl_display_dispatch_pending(m_display);
    };
    const auto prepare = [&] {
        return queue ? wl_display_prepare_read_queue(m_display, queue) : wl_display_prepare_read(m_display);
    };
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done) {
        while (prepare() != 0) {
            if (dispatch() < 0) {
                markLost();
                return false;
            }
        }
        if (done) {
            wl_display_cancel_read(m_display);
            break;
        }
        if (wl_display_flush(m_display) < 0 && errno != EAGAIN) {
            wl_display_cancel_read(m_display);
            markLost();
            return false;
        }
        pollfd fd{wl_display_get_fd(m_display), POLLIN, 0};
        const int ready = ::poll(&fd, 1, int(millisecondsLeft(deadline)));
        if (ready <= 0) {
            wl_display_cancel_read(m_display);
            if (ready < 0 && errno == EINTR)
                continue;
            // The answer may still come: it must not find `done` gone.
            wl_callback_set_user_data(callback, nullptr);
            wl_callback_destroy(callback);
            return false;
        }
        if (wl_display_read_events(m_display) < 0) {
            markLost();
            return false;
        }
        if (dispatch() < 0) {
            markLost();
            return false;
        }
    }
    return !m_lost;
}

wl_event_queue *WaylandConnection::createQueue()
{
    wl_event_queue *queue = wl_display_create_queue(m_display);
    m_queues.append(queue);
    return queue;
}

void WaylandConnection::destroyQueue(wl_event_queue *queue)
{
    if (!queue)
        return;
    m_queues.removeAll(queue);
    wl_event_queue_destroy(queue);
}

void WaylandConnection::flush()
{
    if (m_lost)
        return;
    if (wl_display_flush(m_display) < 0) {
        if (errno == EAGAIN) {
            // The socket is full: the rest goes when the compositor has read some.
            if (m_writeNotifier)
                m_writeNotifier->setEnabled(true);
            return;
        }
        markLost();
        return;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
}

void WaylandConnection::readEvents()
{
    if (m_lost)
        return;
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0) {
            markLost();
            return;
        }
    }
    if (wl_display_read_events(m_display) < 0) {
        markLost();
        return;
    }
    dispatchQueued();
    flush();
}

void WaylandConnection::dispatchQueued()
{
    if (!m_lost && wl_display_dispatch_pending(m_display) < 0)
        markLost();
    for (wl_event_queue *queue : std::as_const(m_queues)) {
        if (!m_lost && wl_display_dispatch_queue_pending(m_display, queue) < 0)
            markLost();
    }
}

void WaylandConnection::markLost()
{
    if (m_lost)
        return;
    m_lost = true;
    const int error = wl_display_get_error(m_display);
    if (error == EPROTO) {
        const wl_interface *interface = nullptr;
        quint32 id = 0;
        const quint32 code = wl_display_get_protocol_error(m_display, &interface, &id);
        m_lostReason = tr("the compositor ended the connection over a protocol error (%1 %2, code %3)")
                           .arg(QString::fromLatin1(interface ? interface->name : "unknown"))
                           .arg(id)
                           .arg(code);
    } else {
        m_lostReason = tr("the connection to the compositor was lost (%1)")
                           .arg(QString::fromLocal8Bit(std::strerror(error ? error : errno)));
    }
    if (m_readNotifier)
        m_readNotifier->setEnabled(false);
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(false);
    qCWarning(lcWayland).noquote() << m_lostReason;
    if (m_started)
        Q_EMIT lost(m_lostReason);
}
