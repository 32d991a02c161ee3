#include "actions/gesturewiring.h"

#include "actions/askopener.h"
#include "actions/controllerstatus.h"
#include "actions/sessionparts.h"
#include "base/latencyprobe.h"
#include "globalshortcuts/name.h"
#include "globalshortcuts/registry.h"
#include "platform/sound.h"
#include "wheel/actionwheel.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/wheelitem.h"

#include <QLoggingCategory>
#include <QPointer>

// The same category as the rest of the controller: its log lines are what the end-to-end tests wait for.
Q_LOGGING_CATEGORY(lcGestures, "ringle.controller", QtInfoMsg)

GestureWiring::GestureWiring(SessionParts &parts, RunSlot runSlot)
    : m_parts(parts)
    , m_runSlot(std::move(runSlot))
{
}

void GestureWiring::start()
{
    const QPointer<GestureWiring> self(this);
    const GlobalShortcuts::Name wheelName = GlobalShortcuts::Name::actionWheel();
    m_parts.shortcuts.onKeyDown(wheelName, [self] {
        if (self)
            self->shortcutEvent(true);
    });
    m_parts.shortcuts.onKeyUp(wheelName, [self] {
        if (self)
            self->shortcutEvent(false);
    });

    MouseWheelTrigger &trigger = m_parts.mouseTrigger;
    connect(&trigger, &MouseWheelTrigger::began, this, [this](QPointF point) { openWheel(point); });
    connect(&trigger, &MouseWheelTrigger::moved, this, [this](QPointF point) {
        if (m_parts.wheel.isOpen())
            m_parts.wheel.select(point);
    });
    connect(&trigger, &MouseWheelTrigger::ended, this,
            [this](std::optional<QPointF> point) { closeWheel(point); });
    connect(&trigger, &MouseWheelTrigger::scrolled, this,
            [this](const ScrollInput &input) { m_parts.wheel.scroll(input); });
    // A compositor that reports only presses of the shortcut leaves the choice to a click.
    connect(&m_parts.wheel, &ActionWheel::clicked, this, [this](QPointF point) { closeWheel(point); });
    trigger.start();
    qCDebug(lcGestures) << "started";
}

void GestureWiring::shortcutToggled()
{
    shortcutEvent(!m_parts.wheel.isOpen());
}

void GestureWiring::shortcutEvent(bool pressed)
{
    if (pressed)
        LatencyProbe::mark("press");
    qCDebug(lcGestures) << (pressed ? "shortcut down" : "shortcut up");
    if (pressed)
        openWheel(std::nullopt);
    else
        closeWheel(std::nullopt);
}

void GestureWiring::openWheel(std::optional<QPointF> point)
{
    if (m_parts.status.isWorking() || (m_parts.ask && m_parts.ask->isAnswering())) {
        qCDebug(lcGestures) << "busy: the wheel stays closed";
        m_parts.platform.sound.beep();
        return;
    }
    m_parts.wheel.open(point);
    m_parts.mouseTrigger.setCapturesScroll(true);
}

void GestureWiring::closeWheel(std::optional<QPointF> point)
{
    m_parts.mouseTrigger.setCapturesScroll(false);
    const WheelSlot item = m_parts.wheel.close(point);
    if (item)
        m_runSlot(*item);
}
