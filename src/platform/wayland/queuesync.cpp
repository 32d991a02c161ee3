#include "platform/wayland/queuesync.h"

#include "platform/wayland/waylandconnection.h"

#include <QCoroTimer>
#include <QTimer>

#include <wayland-client.h>

struct QueueSync::Wait {
    wl_callback *callback = nullptr;
    bool done = false;
    QTimer wake;

    Wait() { wake.setSingleShot(true); }
    ~Wait() { end(); }
    Wait(const Wait &) = delete;
    Wait &operator=(const Wait &) = delete;

    void end()
    {
        if (callback)
            wl_callback_destroy(callback);
        callback = nullptr;
    }
    static void onDone(void *data, wl_callback *, uint32_t)
    {
        auto *self = static_cast<Wait *>(data);
        self->end();
        self->done = true;
        self->wake.start(0);
    }
};

QueueSync::QueueSync(WaylandConnection &connection, wl_event_queue *queue)
    : m_connection(connection)
    , m_queue(queue)
{
}

QueueSync::~QueueSync()
{
    for (Wait *wait : std::as_const(*m_waits))
        wait->end();
}

QCoro::Task<bool> QueueSync::wait(std::chrono::milliseconds timeout)
{
    if (m_connection.isLost())
        co_return false;
    Wait wait;
    // The answer must come on this queue, behind the events it waits for.
    auto *display = static_cast<wl_display *>(wl_proxy_create_wrapper(m_connection.display()));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(display), m_queue);
    wait.callback = wl_display_sync(display);
    wl_proxy_wrapper_destroy(display);
    static const wl_callback_listener listener = {.done = &Wait::onDone};
    wl_callback_add_listener(wait.callback, &listener, &wait);
    m_connection.flush();
    const std::shared_ptr<QList<Wait *>> waits = m_waits;
    waits->append(&wait);
    wait.wake.start(timeout);
    co_await wait.wake;
    waits->removeOne(&wait);
    co_return wait.done;
}
