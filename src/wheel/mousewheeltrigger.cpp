#include "wheel/mousewheeltrigger.h"

#include "platform/screens.h"
#include "platform/userdefaults.h"
#include "wheel/wheellogging.h"

#include <QMetaObject>
#include <QTimer>

namespace {
std::optional<MouseTap::Trigger> triggerFor(const WheelMouseSettings &settings)
{
    if (!settings.isActive())
        return std::nullopt;
    return MouseTap::Trigger{*WheelMouseSettings::buttonNumber(settings.button), settings.modifiers};
}
} // namespace

MouseWheelTrigger::MouseWheelTrigger(UserDefaults &defaults, MouseTap &tap, Screens &screens, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_tap(tap)
    , m_screens(screens)
{
}

MouseWheelTrigger::~MouseWheelTrigger()
{
    stop();
}

void MouseWheelTrigger::stop()
{
    if (!m_started)
        return;
    m_started = false;
    disconnect(&m_defaults, &UserDefaults::valueChanged, this, &MouseWheelTrigger::settingsChanged);
    delete m_retryTimer;
    m_retryTimer = nullptr;
    m_tap.setHandler({});
    m_tap.watch(std::nullopt);
    m_tap.setScrollCapture(false);
    m_watching = false;
    m_watched.reset();
}

void MouseWheelTrigger::start()
{
    if (m_started)
        return;
    m_started = true;
    m_tap.setHandler([this](const MouseTapEvent &event) { return handle(event); });
    connect(&m_defaults, &UserDefaults::valueChanged, this, &MouseWheelTrigger::settingsChanged);
    if (!install())
        startRetrying();
}

bool MouseWheelTrigger::install()
{
    const std::optional<MouseTap::Trigger> trigger = triggerFor(WheelMouseSettings::current(m_defaults));
    m_watching = m_tap.watch(trigger);
    m_watched = m_watching ? trigger : std::nullopt;
    if (m_watching)
        m_tap.setScrollCapture(m_capturesScroll);
    return m_watching;
}

void MouseWheelTrigger::startRetrying()
{
    if (m_retryTimer)
        return;
    qCDebug(lcWheel) << "mouse trigger cannot watch the button yet; trying again every" << retryInterval.count() << "s";
    m_retryTimer = new QTimer(this);
    m_retryTimer->setInterval(retryInterval);
    connect(m_retryTimer, &QTimer::timeout, this, [this] {
        if (install()) {
            delete m_retryTimer;
            m_retryTimer = nullptr;
        }
    });
    m_retryTimer->start();
}

void MouseWheelTrigger::settingsChanged(const QString &key)
{
    if (!WheelMouseSettings::isStoredUnder(key))
        return;
    // A desktop that grabs only the configured gesture must grab anew.
    if (m_watching && m_watched == triggerFor(WheelMouseSettings::current(m_defaults)))
        return;
    if (!install())
        startRetrying();
}

void MouseWheelTrigger::setCapturesScroll(bool on)
{
    if (on == m_capturesScroll)
        return;
    m_capturesScroll = on;
    if (m_watching)
        m_tap.setScrollCapture(on);
}

void MouseWheelTrigger::report(std::function<void()> call)
{
    // Queued on this object: dropped if the trigger is gone before it runs.
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

QPointF MouseWheelTrigger::movedStart(QPointF location) const
{
    // Tap locations have y down; the start point has y up.
    return m_startPoint + QPointF(location.x() - m_downLocation.x(), m_downLocation.y() - location.y());
}

bool MouseWheelTrigger::handle(const MouseTapEvent &event)
{
    switch (event.type) {
    case MouseTapEvent::Type::tapDisabled:
        if (!install())
            startRetrying();
        if (m_tracking) {
            m_tracking = false;
            report([this] { Q_EMIT ended(std::nullopt); });
        }
        return false;
    case MouseTapEvent::Type::buttonDown:
        if (m_tracking || !WheelMouseSettings::current(m_defaults).matches(event.button, event.modifiers))
            return false;
        m_tracking = true;
        m_trackedButton = event.button;
        m_downLocation = event.location;
        report([this] {
            m_startPoint = m_screens.pointerLocation();
            Q_EMIT began(m_startPoint);
        });
        return true;
    case MouseTapEvent::Type::buttonDragged:
        if (!m_tracking || event.button != m_trackedButton)
            return false;
        report([this, location = event.location] { Q_EMIT moved(movedStart(location)); });
        return true;
    case MouseTapEvent::Type::buttonUp:
        if (!m_tracking || event.button != m_trackedButton)
            return false;
        m_tracking = false;
        report([this, location = event.location] { Q_EMIT ended(movedStart(location)); });
        return true;
    case MouseTapEvent::Type::scrollWheel:
        if (!m_capturesScroll || !event.scroll)
            return false;
        report([this, input = *event.scroll] { Q_EMIT scrolled(input); });
        return true;
    case MouseTapEvent::Type::other:
        break;
    }
    return false;
}
