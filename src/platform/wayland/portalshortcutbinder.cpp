#include "platform/wayland/portalshortcutbinder.h"

#include "platform/wayland/portalrequest.h"
#include "platform/wayland/portalsession.h"
#include "platform/wayland/portalshortcutformat.h"

#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcPortalKeys, "ringle.wayland.portal")

using namespace std::chrono_literals;

using PortalSession::path;
using PortalSession::service;
using PortalSession::sessionInterface;
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString idPrefix = QStringLiteral("ringle-");

// Each of the steps of opening a session, and a bound shortcut's answer: long enough for a portal
// started on demand, short enough that a hung one does not freeze the wheel for long.
constexpr std::chrono::milliseconds callBound = 2s;
constexpr std::chrono::milliseconds answerBound = 2s;

bool offersGlobalShortcuts(QDBusConnection &bus)
{
    return PortalSession::version(bus, shortcutsInterface, QDeadlineTimer(callBound)) >= 1;
}

QString portalIdOf(quint64 id)
{
    return idPrefix + QString::number(id);
}
} // namespace

std::unique_ptr<PortalShortcutBinder> PortalShortcutBinder::create(QDBusConnection bus)
{
    if (!bus.isConnected() || !offersGlobalShortcuts(bus))
        return nullptr;
    PortalShortcutFormat::registerTypes();
    std::unique_ptr<PortalShortcutBinder> binder(new PortalShortcutBinder(std::move(bus)));
    if (!binder->openSession(QDeadlineTimer(callBound)))
        return nullptr;
    return binder;
}

PortalShortcutBinder::PortalShortcutBinder(QDBusConnection bus)
    : m_bus(std::move(bus))
    , m_portalWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    // A session lives in the portal process that made it; a portal started on demand has none.
    connect(&m_portalWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &oldOwner, const QString &) {
                if (!oldOwner.isEmpty())
                    endSession("the portal went away");
            });
    const bool following = m_bus.connect(service, path, shortcutsInterface, u"Activated"_qs, this,
                                         SLOT(onActivated(QDBusObjectPath, QString)))
        && m_bus.connect(service, path, shortcutsInterface, u"Deactivated"_qs, this,
                         SLOT(onDeactivated(QDBusObjectPath, QString)));
    if (!following)
        qCWarning(lcPortalKeys) << "cannot follow the portal's shortcut signals";
}

PortalShortcutBinder::~PortalShortcutBinder()
{
    closeSession();
}

bool PortalShortcutBinder::openSession(QDeadlineTimer deadline)
{
    m_session = PortalSession::create(m_bus, shortcutsInterface, deadline);
    if (m_session.isEmpty())
        return false;
    m_bus.connect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
    return true;
}

void PortalShortcutBinder::closeSession()
{
    if (m_pending)
        m_pending->close();
    m_pending.reset();
    if (m_session.isEmpty())
        return;
    m_bus.disconnect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
    PortalSession::close(m_bus, m_session);
    m_session.clear();
}

bool PortalShortcutBinder::renewSession()
{
    closeSession();
    // Their releases would come from the old session.
    releaseHeld();
    if (openSession(QDeadlineTimer(callBound)))
        return true;
    dropAll("no new session");
    return false;
}

void PortalShortcutBinder::endSession(const char *why)
{
    if (m_session.isEmpty())
        return;
    m_bus.disconnect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
    m_session.clear();
    m_pending.reset();
    dropAll(why);
}

void PortalShortcutBinder::dropAll(const char *why)
{
    qCInfo(lcPortalKeys) << "the shortcuts session ended:" << why;
    for (quint64 id : m_shortcuts.keys())
        forget(id);
}

void PortalShortcutBinder::onSessionClosed()
{
    endSession("the portal closed it");
}

bool PortalShortcutBinder::bind(quint64 id, Key key, KeyModifiers modifiers)
{
    if (m_session.isEmpty())
        return false;
    const QString trigger = PortalShortcutFormat::trigger(key, modifiers);
    if (trigger.isEmpty()) {
        qCDebug(lcPortalKeys) << "no keysym for virtual key code" << key.code;
        return false;
    }
    m_shortcuts.insert(id, {trigger, {}});
    m_unconfirmed.remove(id);
    m_asking = id;
    const bool pending = sendList(QDeadlineTimer(answerBound));
    m_asking.reset();
    if (pending && m_shortcuts.contains(id))
        m_unconfirmed.insert(id);
    return m_shortcuts.contains(id);
}

void PortalShortcutBinder::unbind(quint64 id)
{
    if (!m_shortcuts.remove(id))
        return;
    m_unconfirmed.remove(id);
    m_held.remove(id);
    if (!m_session.isEmpty())
        sendList(QDeadlineTimer(0));
}

bool PortalShortcutBinder::sendList(QDeadlineTimer answerBy)
{
    if (m_pending)
        m_pending->close();
    if (!callBindShortcuts()) {
        const QDBusError::ErrorType error = m_pending->error();
        m_pending.reset();
        // Portals that bind a session's shortcuts only once refuse a second list; a new session
        // takes it. A portal that is gone or hung gets no second try.
        if (error == QDBusError::NoReply || error == QDBusError::Timeout || error == QDBusError::Disconnected
            || error == QDBusError::ServiceUnknown) {
            applyAnswer(2, {});
            return false;
        }
        if (!renewSession())
            return false;
        if (!callBindShortcuts()) {
            m_pending.reset();
            dropAll("the new session took no shortcuts");
            return false;
        }
    }
    if (const std::optional<PortalRequest::Answer> answer = m_pending->wait(answerBy)) {
        m_pending.reset();
        applyAnswer(answer->response, answer->results);
        return false;
    }
    connect(m_pending.get(), &PortalRequest::answered, this, [this](quint32 response, const QVariantMap &results) {
        // The request is what is emitting.
        m_pending.release()->deleteLater();
        applyAnswer(response, results);
    });
    return true;
}

bool PortalShortcutBinder::callBindShortcuts()
{
    m_pending = std::make_unique<PortalRequest>(m_bus);
    QList<PortalShortcutFormat::Shortcut> list;
    for (auto it = m_shortcuts.cbegin(); it != m_shortcuts.cend(); ++it) {
        list.append({portalIdOf(it.key()),
                     {{u"description"_qs, tr("Open the action wheel")}, {u"preferred_trigger"_qs, it->trigger}}});
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, shortcutsInterface, u"BindShortcuts"_qs);
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << PortalShortcutFormat::shortcutList(list) << QString()
         << QVariantMap{{u"handle_token"_qs, m_pending->token()}};
    return m_pending->send(call, QDeadlineTimer(callBound));
}

void PortalShortcutBinder::applyAnswer(quint32 response, const QVariantMap &results)
{
    const std::optional<QHash<QString, QString>> bound = response == 0 ? PortalShortcutFormat::boundShortcuts(results) : std::nullopt;
    if (!bound) {
        // The portal keeps what it had; only what is new is not bound.
        qCInfo(lcPortalKeys) << "the portal did not bind the shortcuts:" << response << results;
        for (quint64 id : m_unconfirmed.values())
            forget(id);
        if (m_asking)
            forget(*m_asking);
        return;
    }
    for (quint64 id : m_shortcuts.keys()) {
        const auto it = bound->constFind(portalIdOf(id));
        if (it == bound->cend()) {
            qCInfo(lcPortalKeys) << "the portal refused" << m_shortcuts.value(id).trigger;
            forget(id);
        } else {
            m_shortcuts[id].boundAs = *it;
        }
    }
    m_unconfirmed.clear();
}

void PortalShortcutBinder::forget(quint64 id)
{
    m_shortcuts.remove(id);
    m_unconfirmed.remove(id);
    const bool wasHeld = m_held.remove(id);
    if (id == m_asking)
        return;
    // A wheel open on it would otherwise stay open.
    if (wasHeld && m_handler)
        m_handler(id, false);
    Q_EMIT shortcutLost(id);
}

void PortalShortcutBinder::releaseHeld()
{
    const QSet<quint64> held = std::exchange(m_held, {});
    for (quint64 id : held) {
        if (m_handler)
            m_handler(id, false);
    }
}

std::optional<quint64> PortalShortcutBinder::idOf(const QDBusObjectPath &session, const QString &shortcutId) const
{
    if (m_session.isEmpty() || session.path() != m_session || !shortcutId.startsWith(idPrefix))
        return std::nullopt;
    bool ok = false;
    const quint64 id = shortcutId.mid(idPrefix.size()).toULongLong(&ok);
    if (!ok || portalIdOf(id) != shortcutId || !m_shortcuts.contains(id))
        return std::nullopt;
    return id;
}

void PortalShortcutBinder::onActivated(const QDBusObjectPath &session, const QString &shortcutId)
{
    const std::optional<quint64> id = idOf(session, shortcutId);
    if (!id || m_held.contains(*id))
        return;
    m_held.insert(*id);
    if (m_handler)
        m_handler(*id, true);
}

void PortalShortcutBinder::onDeactivated(const QDBusObjectPath &session, const QString &shortcutId)
{
    const std::optional<quint64> id = idOf(session, shortcutId);
    if (!id || !m_held.remove(*id))
        return;
    if (m_handler)
        m_handler(*id, false);
}
