#pragma once

// A seat's clipboard through data-control, in whichever of its two versions the compositor offers.
#include <QByteArray>
#include <QList>
#include <QPair>

#include <cstdint>
#include <functional>
#include <memory>

struct wl_registry;
struct wl_seat;

// [type, bytes] in the order they are offered.
using Contents = QList<QPair<QByteArray, QByteArray>>;

// The selection as someone (maybe this process) offers it; it stays readable while held.
class SelectionOffer {
public:
    virtual ~SelectionOffer() = default;
    // Asks the owner to write `type` into fd; ours stays open.
    virtual void receive(const QByteArray &type, int fd) = 0;

    QList<QByteArray> types;
};

class DataControl {
public:
    struct Global {
        uint32_t name = 0;
        uint32_t version = 0;
        bool offered() const { return version > 0; }
    };
    struct Hooks {
        // Writes the bytes to fd and closes it.
        std::function<void(const QByteArray &bytes, int fd)> serve;
        // The compositor took the device away.
        std::function<void()> lost;
    };

    // Prefers ext-data-control; null when the compositor offers neither.
    static std::unique_ptr<DataControl> create(wl_registry *registry, Global ext, Global wlr, wl_seat *seat,
                                               Hooks hooks);
    virtual ~DataControl() = default;

    virtual void own(const Contents &contents) = 0;
    virtual void clear() = 0;
    virtual bool owns() const = 0;
    // Null when the clipboard is empty.
    std::shared_ptr<SelectionOffer> selection() const { return m_selection; }

protected:
    std::shared_ptr<SelectionOffer> m_selection;
};
