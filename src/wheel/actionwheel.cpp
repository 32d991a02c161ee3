#include "wheel/actionwheel.h"

#include "platform/screens.h"
#include "wheel/wheellogging.h"
#include "wheel/wheelgeometry.h"
#include "wheel/wheelstore.h"

#include <QTimer>
#include <QtMath>
#include <cmath>

namespace {
// The list of rings goes left of the wheel unless the screen's edge is too near.
bool listFitsLeftOf(QPointF point, const std::optional<QRectF> &visible)
{
    return !visible || visible->left() <= point.x() - WheelLayout::listReach;
}
} // namespace

ActionWheel::ActionWheel(WheelStore &store, Screens &screens, Context context, PanelFactory panelFactory,
                         Clock clock, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_screens(screens)
    , m_context(std::move(context))
    , m_panelFactory(std::move(panelFactory))
    , m_clock(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); }))
{
    m_model.setLayout(WheelLayout{1, true});
}

ActionWheel::~ActionWheel() = default;

void ActionWheel::open(std::optional<QPointF> point)
{
    if (m_open)
        return;
    m_open = true;
    const QPointF p = point.value_or(m_screens.pointerLocation());
    m_origin = m_lastPoint = p;
    m_scrollAccumulator = 0;
    m_scrollLockedUntil = m_clock();

    // A configuration stored by the command line since the last opening shows now.
    m_store.reloadIfChangedElsewhere();
    const auto nothing = [] { return std::optional<QString>(); };
    std::optional<QString> frontApp;
    if (m_store.followsApp() && m_context.frontApplication)
        frontApp = m_context.frontApplication();
    const WheelSet set = m_store.chooseSet(m_context.browserHost ? m_context.browserHost : nothing, frontApp);
    const auto readOnly = m_context.focusedTextIsReadOnly ? m_context.focusedTextIsReadOnly
                                                          : std::function<bool()>([] { return false; });
    const QList<WheelTab> rings = m_store.ringsToShow(set, readOnly);

    const std::optional<QRectF> visible = visibleFrame(p);
    showRings(rings, listFitsLeftOf(p, visible));
    qCDebug(lcWheel) << "opens at" << p << "with" << rings.size() << "rings, first" << rings.first().displayTitle();

    if (m_panel)
        m_panel->showWheel(p, visible);

    if (!point) {
        // The timer exists only while the wheel follows the pointer: no wake-ups otherwise.
        m_pollTimer = new QTimer(this);
        m_pollTimer->setInterval(pollInterval);
        connect(m_pollTimer, &QTimer::timeout, this, &ActionWheel::poll);
        m_pollTimer->start();
    }
}

void ActionWheel::prepare()
{
    if (m_open || m_panel)
        return;
    const auto nothing = [] { return std::optional<QString>(); };
    showRings(m_store.ringsToShow(m_store.chooseSet(nothing, std::nullopt), [] { return false; }), true);
    if (m_panel)
        m_panel->prepare();
}

void ActionWheel::showRings(const QList<WheelTab> &rings, bool listOnLeft)
{
    m_model.setTabs(rings);
    m_model.setTabIndex(0);
    m_model.setSelectedSlot(std::nullopt);
    m_model.setLayout(WheelLayout{int(rings.size()), listOnLeft});
    if (!m_panel && m_panelFactory) {
        m_panel = m_panelFactory(m_model);
        if (m_panel) {
            m_panel->setPointerFoundHandler([this](QPointF point) { moveOrigin(point); });
            m_panel->setClickHandler([this](QPointF point) {
                if (m_open)
                    Q_EMIT clicked(point);
            });
        }
    }
}

void ActionWheel::moveOrigin(QPointF point)
{
    if (!m_open)
        return;
    m_origin = m_lastPoint = point;
    const std::optional<QRectF> visible = visibleFrame(point);
    m_model.setLayout(WheelLayout{int(m_model.tabs().size()), listFitsLeftOf(point, visible)});
    qCDebug(lcWheel) << "moves to" << point;
    if (m_panel)
        m_panel->showWheel(point, visible);
}

void ActionWheel::poll()
{
    select(m_screens.pointerLocation());
}

void ActionWheel::select(QPointF point)
{
    m_lastPoint = point;
    const int count = m_model.currentTab().slotCount();
    std::optional<int> selection;
    const double dx = point.x() - m_origin.x();
    const double dy = point.y() - m_origin.y();
    if (count > 0 && std::hypot(dx, dy) >= WheelGeometry::deadZoneRadius) {
        // x first: 0 is up and 90 is right.
        double angle = qRadiansToDegrees(std::atan2(dx, dy));
        if (angle < 0)
            angle += 360;
        selection = WheelGeometry::slot(angle, count);
    }
    m_model.setSelectedSlot(selection);
}

void ActionWheel::scroll(const ScrollInput &input)
{
    if (!m_open || input.isMomentum)
        return;
    const auto now = m_clock();
    if (now < m_scrollLockedUntil)
        return;
    double deciding = 0;
    if (input.isContinuous) {
        m_scrollAccumulator += input.points;
        if (std::abs(m_scrollAccumulator) < scrollThreshold)
            return;
        deciding = m_scrollAccumulator;
    } else {
        if (input.lines == 0)
            return;
        deciding = input.lines;
    }
    m_scrollAccumulator = 0;
    m_scrollLockedUntil = now + scrollLock;
    switchRing(deciding < 0 ? 1 : -1);
}

void ActionWheel::switchRing(int step)
{
    const int count = int(m_model.tabs().size());
    if (count < 2)
        return;
    m_model.setTabIndex(((m_model.tabIndex() + step) % count + count) % count);
    // The new ring may have another number of slots.
    select(m_lastPoint);
}

WheelSlot ActionWheel::close(std::optional<QPointF> point)
{
    if (!m_open)
        return std::nullopt;
    if (point)
        select(*point);
    else if (m_pollTimer)
        select(m_screens.pointerLocation());
    m_open = false;
    delete m_pollTimer;
    m_pollTimer = nullptr;
    if (m_panel)
        m_panel->hideWheel();

    const std::optional<int> selected = m_model.selectedSlot();
    qCDebug(lcWheel) << "closes at" << m_lastPoint << "on slot" << selected.value_or(-1);
    if (!selected)
        return std::nullopt;
    m_model.setSelectedSlot(std::nullopt);
    const WheelTab tab = m_model.currentTab();
    if (*selected < 0 || *selected >= tab.slotCount())
        return std::nullopt;
    return tab.slots.at(*selected);
}

std::optional<QRectF> ActionWheel::visibleFrame(QPointF point) const
{
    for (const ScreenInfo &screen : m_screens.screens()) {
        if (screen.frame.contains(point))
            return screen.visibleFrame;
    }
    if (const std::optional<ScreenInfo> main = m_screens.mainScreen())
        return main->visibleFrame;
    return std::nullopt;
}
