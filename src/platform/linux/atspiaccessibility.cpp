#include "platform/linux/atspiaccessibility.h"

#include "platform/workspace.h"
#include "platform/linux/atspibus.h"
#include "platform/linux/atspicontext.h"
#include "platform/linux/atspielement.h"

#include <QCoreApplication>
#include <QList>
#include <QLoggingCategory>
#include <optional>
#include <atspi/atspi.h>

Q_LOGGING_CATEGORY(lcAtspi, "ringle.atspi", QtInfoMsg)

namespace {
constexpr const char *focusEvent = "object:state-changed:focused";

// libatspi keeps one connection per process and cannot be started twice: after a failed start it
// aborts the process on the next call that needs the bus. So it is started once, only towards a
// bus that answered, and a failure is final.
bool initialise(const QByteArray &address)
{
    static std::optional<bool> started;
    if (started)
        return *started;
    // The address found is handed over for the one lookup and taken back, so applications we
    // start later look for the bus themselves.
    const QByteArray previous = qgetenv("AT_SPI_BUS_ADDRESS");
    const bool hadPrevious = qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS");
    qputenv("AT_SPI_BUS_ADDRESS", address);
    const int result = atspi_init();
    if (hadPrevious)
        qputenv("AT_SPI_BUS_ADDRESS", previous);
    else
        qunsetenv("AT_SPI_BUS_ADDRESS");
    started = result == 0 || result == 1; // 1: already started in this process, by a toolkit
    if (*started)
        atspi_set_timeout(int(AccessibilityTree::callTimeout.count()), int(AccessibilityTree::callTimeout.count()));
    return *started;
}

AtspiRef<AtspiAccessible> childAt(AtspiContext &context, AtspiAccessible *parent, gint index)
{
    AtspiRef<AtspiAccessible> child;
    context.guarded(parent, [&] {
        AtspiError error;
        child = AtspiRef<AtspiAccessible>::adopt(atspi_accessible_get_child_at_index(parent, index, error.out()));
        return !error.isSet();
    });
    return child;
}

gint childCount(AtspiContext &context, AtspiAccessible *parent)
{
    gint count = -1;
    context.guarded(parent, [&] {
        AtspiError error;
        count = atspi_accessible_get_child_count(parent, error.out());
        return !error.isSet();
    });
    return count;
}
} // namespace

AtspiAccessibility::AtspiAccessibility(Workspace &workspace, DesktopHints hints)
    : m_workspace(workspace)
    , m_context(std::make_shared<AtspiContext>(std::move(hints.windowOrigin)))
{
    const AtspiBus::Probe probe = AtspiBus::probe(hints.displayBusAddress);
    m_status = probe.status;
    if (!probe.address.isEmpty() && !initialise(probe.address))
        m_status = {AccessibilityStatus::State::missing, AtspiBus::explanation(AccessibilityStatus::State::missing)};
    m_usable = m_status.isUsable();
    if (!m_usable) {
        qCInfo(lcAtspi) << "No accessibility bus:" << m_status.explanation;
        return;
    }
    m_listener = AtspiRef<AtspiEventListener>::adopt(atspi_event_listener_new(&AtspiAccessibility::onFocusEvent, this, nullptr));
    AtspiError error;
    if (!atspi_event_listener_register(m_listener.get(), focusEvent, error.out()))
        qCInfo(lcAtspi) << "Focus events are not available; the focus is searched for instead";
}

AtspiAccessibility::~AtspiAccessibility()
{
    if (m_listener)
        atspi_event_listener_deregister(m_listener.get(), focusEvent, nullptr);
}

void AtspiAccessibility::onFocusEvent(AtspiEvent *event, void *self)
{
    auto *tree = static_cast<AtspiAccessibility *>(self);
    if (event->source) {
        if (event->detail1 == 1)
            tree->m_focused = AtspiRef<AtspiAccessible>::share(event->source);
        else if (event->source == tree->m_focused.get())
            tree->m_focused = {};
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

AccessibleElement::Ptr AtspiAccessibility::focusedElement()
{
    if (!m_usable)
        return {};
    const std::optional<RunningApp> front = m_workspace.frontApplication();
    const qint64 ownPid = QCoreApplication::applicationPid();
    // Our own windows answer on the thread that is waiting here: asking them would only time out.
    if (front && front->pid == ownPid)
        return {};
    if (m_focused) {
        const std::optional<qint64> pid = m_context->processId(m_focused.get());
        const bool inFront = pid && (!front || *pid == front->pid) && *pid != ownPid;
        if (inFront) {
            auto element = std::make_shared<AtspiElement>(m_focused, m_context);
            const std::optional<quint64> bits = element->stateBits();
            if (bits && AtspiElement::hasState(*bits, ATSPI_STATE_FOCUSED))
                return element;
        }
        qCDebug(lcAtspi) << "The focus last reported is stale; process" << pid.value_or(-1);
    }
    if (!front)
        return {};
    AtspiRef<AtspiAccessible> found = searchFocus(activeWindow(front->pid));
    if (!found) {
        qCDebug(lcAtspi) << "No focused element found in the active window of process" << front->pid;
        return {};
    }
    m_focused = found;
    return AtspiElement::wrap(std::move(found), m_context);
}

AccessibleElement::Ptr AtspiAccessibility::focusedWindow(qint64 processId)
{
    if (!m_usable || processId == QCoreApplication::applicationPid())
        return {};
    return AtspiElement::wrap(activeWindow(processId), m_context);
}

AtspiRef<AtspiAccessible> AtspiAccessibility::activeWindow(qint64 processId)
{
    const auto desktop = AtspiRef<AtspiAccessible>::adopt(atspi_get_desktop(0));
    if (!desktop)
        return {};
    const gint apps = childCount(*m_context, desktop.get());
    for (gint i = 0; i < apps; ++i) {
        const AtspiRef<AtspiAccessible> app = childAt(*m_context, desktop.get(), i);
        // One process may register several applications (browsers do); each is asked.
        if (!app || m_context->processId(app.get()) != processId)
            continue;
        const gint windows = childCount(*m_context, app.get());
        for (gint w = 0; w < windows; ++w) {
            AtspiRef<AtspiAccessible> window = childAt(*m_context, app.get(), w);
            if (!window)
                continue;
            const std::optional<quint64> bits = AtspiElement(window, m_context).stateBits();
            if (bits && AtspiElement::hasState(*bits, ATSPI_STATE_ACTIVE))
                return window;
        }
    }
    return {};
}

AtspiRef<AtspiAccessible> AtspiAccessibility::searchFocus(const AtspiRef<AtspiAccessible> &window)
{
    if (!window)
        return {};
    const auto deadline = std::chrono::steady_clock::now() + focusSearchBudget;
    QList<AtspiRef<AtspiAccessible>> queue{window};
    for (qsizetype position = 0; position < queue.size() && std::chrono::steady_clock::now() < deadline; ++position) {
        const AtspiRef<AtspiAccessible> element = queue[position];
        const std::optional<quint64> bits = AtspiElement(element, m_context).stateBits();
        if (!bits)
            continue;
        if (AtspiElement::hasState(*bits, ATSPI_STATE_FOCUSED))
            return element;
        // The focus is never inside something hidden.
        if (position > 0 && !AtspiElement::hasState(*bits, ATSPI_STATE_SHOWING))
            continue;
        const gint count = childCount(*m_context, element.get());
        for (gint i = 0; i < count && queue.size() < focusSearchElements; ++i) {
            if (AtspiRef<AtspiAccessible> child = childAt(*m_context, element.get(), i))
                queue.append(std::move(child));
        }
    }
    return {};
}
