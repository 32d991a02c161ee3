#pragma once

#include <QByteArray>
#include <QHash>
#include <QRect>
#include <QRectF>
#include <chrono>
#include <functional>
#include <optional>

struct _AtspiAccessible;

// What the AT-SPI backend remembers across calls: which applications stopped answering (so a hung
// application costs one time-out, not one per call), their process ids, and the screen geometry
// for converting extents. Main thread only.
class AtspiContext final {
public:
    // Where the focused window of the application with this process id starts on the desktop, for
    // desktops whose applications report extents relative to their window (Wayland); none when the
    // application reports desktop positions itself.
    using WindowOrigin = std::function<std::optional<QPoint>(qint64 processId)>;

    explicit AtspiContext(WindowOrigin windowOrigin = {})
        : m_windowOrigin(std::move(windowOrigin))
    {
    }

    using Clock = std::chrono::steady_clock;
    // An application whose call failed after this long is treated as hung...
    static constexpr std::chrono::milliseconds hungAfter{200};
    // ...and left alone for this long.
    static constexpr std::chrono::seconds hungPause{5};

    // Runs `call` (which returns whether it succeeded) unless the object's application is known
    // to be hung; a slow failure marks the application as hung.
    template <typename Call> bool guarded(_AtspiAccessible *object, Call &&call)
    {
        const QByteArray bus = busName(object);
        if (!mayCall(bus))
            return false;
        const Clock::time_point start = Clock::now();
        const bool succeeded = call();
        if (!succeeded)
            noteFailure(bus, Clock::now() - start);
        return succeeded;
    }

    // The process id of the application the object belongs to.
    std::optional<qint64> processId(_AtspiAccessible *object);
    // The object's extents as the application reports them to global points with the origin at the
    // primary screen's top left.
    QRectF toAccessibilityCoordinates(_AtspiAccessible *object, const QRect &screenRect);

private:
    static QByteArray busName(_AtspiAccessible *object);
    bool mayCall(const QByteArray &bus);
    void noteFailure(const QByteArray &bus, Clock::duration took);

    QHash<QByteArray, Clock::time_point> m_hungUntil;
    QHash<QByteArray, qint64> m_processIds;
    WindowOrigin m_windowOrigin;
};
