#pragma once

#include "platform/mousetap.h"
#include "wheel/wheelmousesettings.h"

#include <QObject>
#include <QPointF>
#include <chrono>
#include <functional>
#include <optional>

class QTimer;
class Screens;
class UserDefaults;

// Opens the wheel from a held mouse button: recognises the configured button and modifiers in the
// tap's events, swallows the gesture so the application under the pointer never sees it, and reports
// begin, move, end and scroll. The reports run as queued main-thread calls, after the tap's handler
// has returned. Points are screen points with y up.
class MouseWheelTrigger final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds retryInterval{2};

    MouseWheelTrigger(UserDefaults &defaults, MouseTap &tap, Screens &screens, QObject *parent = nullptr);
    ~MouseWheelTrigger() override;

    // Starts watching; when the tap cannot be set up, tries again every two seconds. Nothing when
    // already started.
    void start();
    // Lets go of the button for good (quitting).
    void stop();
    bool isWatching() const { return m_watching; }
    bool isRetrying() const { return m_retryTimer != nullptr; }

    bool capturesScroll() const { return m_capturesScroll; }
    // On while the wheel is open: scroll input then goes to scrolled() and no further.
    void setCapturesScroll(bool on);

    bool isTracking() const { return m_tracking; }
    // One tap event; true means swallow it.
    bool handle(const MouseTapEvent &event);

Q_SIGNALS:
    void began(QPointF point);
    void moved(QPointF point);
    // None when the gesture was cut off.
    void ended(std::optional<QPointF> point);
    void scrolled(const ScrollInput &input);

private:
    bool install();
    void startRetrying();
    void settingsChanged(const QString &key);
    void report(std::function<void()> call);
    QPointF movedStart(QPointF location) const;

    UserDefaults &m_defaults;
    MouseTap &m_tap;
    Screens &m_screens;
    bool m_started = false;
    bool m_watching = false;
    std::optional<MouseTap::Trigger> m_watched;
    QTimer *m_retryTimer = nullptr;
    bool m_capturesScroll = false;
    bool m_tracking = false;
    qint64 m_trackedButton = 0;
    QPointF m_downLocation;
    QPointF m_startPoint;
};
