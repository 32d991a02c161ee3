#pragma once

#include <QList>
#include <QCoroTask>
#include <chrono>
#include <memory>

struct wl_event_queue;
class WaylandConnection;

// Waits, without blocking the loop, until the compositor has answered everything sent so far on
// one event queue: that queue's events up to now have then been handled.
class QueueSync final {
public:
    QueueSync(WaylandConnection &connection, wl_event_queue *queue);
    // Waits still under way answer false; call before the queue goes.
    ~QueueSync();
    QueueSync(const QueueSync &) = delete;
    QueueSync &operator=(const QueueSync &) = delete;

    // False on a time-out or a lost connection.
    QCoro::Task<bool> wait(std::chrono::milliseconds timeout);

private:
    struct Wait;

    WaylandConnection &m_connection;
    wl_event_queue *m_queue;
    // Shared with the waits, which may resume after this object is gone.
    std::shared_ptr<QList<Wait *>> m_waits = std::make_shared<QList<Wait *>>();
};
