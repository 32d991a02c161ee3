#pragma once

#include "platform/wayland/clipboardcontent.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <memory>

struct wl_event_queue;
struct wl_seat;
class WaylandConnection;

// The selection as one client (maybe this one) offers it. Its types arrive before it becomes the
// selection; it stays readable while held, though the owner may have gone meanwhile.
class DataControlOffer {
public:
    static constexpr qsizetype maxTypes = ClipboardContent::maxTypes;

    virtual ~DataControlOffer() = default;
    // Asks the owner to write `type` into `fd` and close it; `fd` stays the caller's to close.
    virtual void receive(const QByteArray &type, int fd) = 0;
    const QList<QByteArray> &types() const { return m_types; }

protected:
    void addType(const char *type);

private:
    QList<QByteArray> m_types;
};

// Content this process offers; the compositor calls on it while it is the selection.
class DataControlSource {
public:
    struct Hooks {
        // Someone wants `type` written into `fd`, which the hook must close.
        std::function<void(const QByteArray &type, int fd)> send;
        // Another selection replaced this one; the source is of no further use.
        std::function<void()> cancelled;
    };
    virtual ~DataControlSource() = default;
};

// A seat's clipboard over ext-data-control, or wlr-data-control where only that is offered: both
// say the same, and nothing outside this file needs to know which one is in use.
class DataControlDevice {
public:
    struct Hooks {
        // A new selection; null when the clipboard became empty.
        std::function<void(std::shared_ptr<DataControlOffer> offer)> selection;
        // The compositor ended the device (its seat went away).
        std::function<void()> finished;
    };

    static bool isOffered(const WaylandConnection &connection);
    // Every object it makes lives on `queue`. Null when neither protocol is offered.
    static std::unique_ptr<DataControlDevice> create(WaylandConnection &connection, wl_seat *seat, wl_event_queue *queue,
                                                     Hooks hooks);
    virtual ~DataControlDevice() = default;

    virtual const char *protocolName() const = 0;
    // A source offering these types; it is not the selection yet.
    virtual std::unique_ptr<DataControlSource> createSource(const QList<QByteArray> &types, DataControlSource::Hooks hooks) = 0;
    // Makes `source` (made by this device) the selection; null empties the clipboard.
    virtual void setSelection(DataControlSource *source) = 0;
};
