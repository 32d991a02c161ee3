#pragma once

// The compositor connection of the Wayland test programs, served on the Qt event loop.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poll.h>

class WaylandConnection final {
public:
    // Connects to $WAYLAND_DISPLAY; needs the application object. Check alive() afterwards.
    WaylandConnection()
        : m_display(wl_display_connect(nullptr))
    {
        if (!m_display) {
            std::fprintf(stderr, "%s: cannot connect to the Wayland compositor: %s\n", programName(),
                         std::strerror(errno));
            return;
        }
        const int fd = wl_display_get_fd(m_display);
        m_readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        m_writable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write);
        m_writable->setEnabled(false);
        QObject::connect(m_readable.get(), &QSocketNotifier::activated, [this] { readEvents(); });
        QObject::connect(m_writable.get(), &QSocketNotifier::activated, [this] { flush(); });
    }
    ~WaylandConnection()
    {
        m_readable.reset();
        m_writable.reset();
        if (m_display)
            wl_display_disconnect(m_display);
    }
    WaylandConnection(const WaylandConnection &) = delete;
    WaylandConnection &operator=(const WaylandConnection &) = delete;

    wl_display *display() const { return m_display; }
    bool alive() const { return m_display && !m_failed; }

    // Sends the queued requests; a full socket is finished when it drains.
    void flush()
    {
        if (!alive())
            return;
        if (wl_display_flush(m_display) < 0) {
            if (errno == EAGAIN)
                m_writable->setEnabled(true);
            // A closed socket is reported by the reading side, together with any protocol error.
            else if (errno != EPIPE)
                fail("cannot write to the compositor");
            return;
        }
        m_writable->setEnabled(false);
    }

    // Waits until the compositor has handled every request sent so far, dispatching events
    // meanwhile; false when it did not answer in time or is gone.
    bool roundtrip(int timeoutMs = 5000)
    {
        if (!alive())
            return false;
        bool done = false;
        wl_callback *callback = wl_display_sync(m_display);
        wl_callback_add_listener(callback, &s_doneListener, &done);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done && alive()) {
            if (wl_display_dispatch_pending(m_display) < 0) {
                fail("lost the compositor");
                break;
            }
            if (done || wl_display_prepare_read(m_display) != 0)
                continue;
            pollfd pfd{wl_display_get_fd(m_display), POLLIN, 0};
            if (wl_display_flush(m_display) < 0 && errno == EAGAIN)
                pfd.events |= POLLOUT;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                    .count();
            const int ready = left > 0 ? ::poll(&pfd, 1, int(left)) : 0;
            if (ready < 0 && errno == EINTR) {
                wl_display_cancel_read(m_display);
                continue;
            }
            if (ready <= 0) {
                wl_display_cancel_read(m_display);
                if (ready < 0)
                    fail("cannot wait for the compositor");
                break;
            }
            if (!(pfd.revents & (POLLIN | POLLERR | POLLHUP)))
                wl_display_cancel_read(m_display);
            else if (wl_display_read_events(m_display) < 0)
                fail("lost the compositor");
        }
        wl_callback_destroy(callback);
        return done;
    }

    // Nothing works without the compositor: says why on stderr and ends the program with 1.
    void fail(const char *what)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_readable->setEnabled(false);
        m_writable->setEnabled(false);
        const int error = wl_display_get_error(m_display);
        if (error == EPROTO) {
            const wl_interface *interface = nullptr;
            uint32_t id = 0;
            const uint32_t code = wl_display_get_protocol_error(m_display, &interface, &id);
            std::fprintf(stderr, "%s: %s: protocol error %u on %s@%u\n", programName(), what, code,
                         interface ? interface->name : "?", id);
        } else if (error) {
            std::fprintf(stderr, "%s: %s: %s\n", programName(), what, std::strerror(error));
        } else {
            std::fprintf(stderr, "%s: %s\n", programName(), what);
        }
        QCoreApplication::exit(1);
    }

private:
    static const char *programName()
    {
        const QStringList args = QCoreApplication::arguments();
        static const QByteArray name =
            args.isEmpty() ? QByteArray("wayland") : args.first().section('/', -1).toLocal8Bit();
        return name.constData();
    }

    void readEvents()
    {
        if (!alive())
            return;
        // With events still queued they go first; the socket stays readable, so we come back.
        if (wl_display_prepare_read(m_display) == 0 && wl_display_read_events(m_display) < 0)
            return fail("lost the compositor");
        if (wl_display_dispatch_pending(m_display) < 0)
            return fail("lost the compositor");
        flush();
    }

    static inline const wl_callback_listener s_doneListener = {
        .done = [](void *data, wl_callback *, uint32_t) { *static_cast<bool *>(data) = true; },
    };

    wl_display *m_display = nullptr;
    std::unique_ptr<QSocketNotifier> m_readable;
    std::unique_ptr<QSocketNotifier> m_writable;
    bool m_failed = false;
};
