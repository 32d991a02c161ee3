#include "platform/wayland/kglobalaccelbinder.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcKGlobalAccel, "ringle.wayland.kglobalaccel")

using KGlobalAccelKeys::Sequence;

const QString service = QStringLiteral("org.kde.kglobalaccel");
const QString path = QStringLiteral("/kglobalaccel");
const QString interface = QStringLiteral("org.kde.KGlobalAccel");
const QString componentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
const QString firstAction = QStringLiteral("actionWheel");

// A call to KGlobalAccel runs inside KWin: long enough for a busy compositor, short enough that a
// hung one cannot freeze Ringle for long.
constexpr int callTimeout = 2000;

// setShortcutKeys' flags: this is the shortcut now, exactly as given (not the one KGlobalAccel
// stored from an earlier run).
constexpr uint setPresent = 2;
constexpr uint noAutoloading = 4;
} // namespace

const QString KGlobalAccelBinder::componentName = QStringLiteral("ringle");

std::unique_ptr<KGlobalAccelBinder> KGlobalAccelBinder::create(QDBusConnection bus)
{
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(service))
        return nullptr;
    KGlobalAccelKeys::registerTypes();
    std::unique_ptr<KGlobalAccelBinder> binder(new KGlobalAccelBinder(std::move(bus)));
    if (!binder->m_bus.connect(service, path, interface, u"yourShortcutsChanged"_qs, binder.get(),
                               SLOT(onShortcutsChanged(QStringList, QList<KGlobalAccelKeys::Sequence>))))
        qCWarning(lcKGlobalAccel) << "cannot follow shortcut changes made in Plasma's settings";
    return binder;
}

KGlobalAccelBinder::KGlobalAccelBinder(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

KGlobalAccelBinder::~KGlobalAccelBinder()
{
    const QList<quint64> ids = m_actions.keys();
    for (quint64 id : ids)
        unbind(id);
}

QStringList KGlobalAccelBinder::actionId(const QString &name) const
{
    // Component and action, each by its unique name and the name Plasma's settings show.
    const QString shown = name == firstAction ? tr("Open the Action Wheel") : tr("Open the Action Wheel (%1)").arg(name);
    return {componentName, name, QStringLiteral("Ringle"), shown};
}

QString KGlobalAccelBinder::freeActionName(quint64 id) const
{
    const bool firstTaken = std::any_of(m_actions.cbegin(), m_actions.cend(), [](const Action &a) { return a.name == firstAction; });
    return firstTaken ? QStringLiteral("shortcut%1").arg(id) : firstAction;
}

bool KGlobalAccelBinder::followComponent()
{
    if (m_followsComponent)
        return true;
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, interface, u"getComponent"_qs);
    get << componentName;
    const QDBusReply<QDBusObjectPath> component = m_bus.call(get, QDBus::Block, callTimeout);
    if (!component.isValid()) {
        qCWarning(lcKGlobalAccel) << "KGlobalAccel has no component for Ringle:" << component.error().message();
        return false;
    }
    const QString at = component.value().path();
    m_followsComponent = m_bus.connect(service, at, componentInterface, u"globalShortcutPressed"_qs, this,
                                       SLOT(onPressed(QString, QString, qlonglong)))
        && m_bus.connect(service, at, componentInterface, u"globalShortcutReleased"_qs, this,
                         SLOT(onReleased(QString, QString, qlonglong)));
    return m_followsComponent;
}

bool KGlobalAccelBinder::bind(quint64 id, Key key, KeyModifiers modifiers)
{
    const int combination = KGlobalAccelKeys::qtCombination(key, modifiers);
    if (combination == 0 || isTaken(key, modifiers))
        return false;
    const QString name = m_actions.contains(id) ? m_actions.value(id).name : freeActionName(id);
    const QStringList ids = actionId(name);
    QDBusMessage doRegister = QDBusMessage::createMethodCall(service, path, interface, u"doRegister"_qs);
    doRegister << ids;
    const QDBusMessage registered = m_bus.call(doRegister, QDBus::Block, callTimeout);
    if (registered.type() != QDBusMessage::ReplyMessage) {
        qCWarning(lcKGlobalAccel) << "KGlobalAccel did not register the action:" << registered.errorMessage();
        return false;
    }
    QDBusMessage set = QDBusMessage::createMethodCall(service, path, interface, u"setShortcutKeys"_qs);
    set << ids << QVariant::fromValue(QList<Sequence>{Sequence{{combination}}}) << uint(setPresent | noAutoloading);
    const QDBusReply<QList<Sequence>> given = m_bus.call(set, QDBus::Block, callTimeout);
    const bool taken = given.isValid() && !given.value().isEmpty() && given.value().first().keys.value(0) == combination;
    if (!taken || !followComponent()) {
        qCInfo(lcKGlobalAccel) << "KGlobalAccel refused" << Qt::hex << combination << given.error().message();
        m_actions.insert(id, {name, 0});
        unbind(id);
        return false;
    }
    m_actions.insert(id, {name, combination});
    return true;
}

void KGlobalAccelBinder::unbind(quint64 id)
{
    const auto it = m_actions.constFind(id);
    if (it == m_actions.cend())
        return;
    QDBusMessage remove = QDBusMessage::createMethodCall(service, path, interface, u"unregister"_qs);
    remove << componentName << it->name;
    m_actions.erase(it);
    m_held.remove(id);
    // Gone from Plasma's settings too: Ringle keeps the shortcut in its own.
    m_bus.call(remove, QDBus::Block, callTimeout);
}

bool KGlobalAccelBinder::isTaken(Key key, KeyModifiers modifiers)
{
    const int combination = KGlobalAccelKeys::qtCombination(key, modifiers);
    if (combination == 0)
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(service, path, interface, u"globalShortcutAvailable"_qs);
    ask << QVariant::fromValue(Sequence{{combination}}) << componentName;
    const QDBusReply<bool> available = m_bus.call(ask, QDBus::Block, callTimeout);
    return available.isValid() && !available.value();
}

std::optional<quint64> KGlobalAccelBinder::idOf(const QString &component, const QString &action) const
{
    if (component != componentName)
        return std::nullopt;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (it->name == action)
            return it.key();
    }
    return std::nullopt;
}

void KGlobalAccelBinder::onPressed(const QString &component, const QString &action, qlonglong)
{
    const std::optional<quint64> id = idOf(component, action);
    // KWin repeats the press while the keys are held.
    if (!id || m_held.contains(*id))
        return;
    m_held.insert(*id);
    if (m_handler)
        m_handler(*id, true);
}

void KGlobalAccelBinder::onReleased(const QString &component, const QString &action, qlonglong)
{
    const std::optional<quint64> id = idOf(component, action);
    if (!id || !m_held.remove(*id))
        return;
    if (m_handler)
        m_handler(*id, false);
}

void KGlobalAccelBinder::onShortcutsChanged(const QStringList &changed, const QList<Sequence> &keys)
{
    const std::optional<quint64> id = idOf(changed.value(0), changed.value(1));
    if (!id)
        return;
    const int now = keys.isEmpty() ? 0 : keys.first().keys.value(0);
    Action &action = m_actions[*id];
    if (now == action.combination)
        return;
    const std::optional<KGlobalAccelKeys::Combination> combination = keys.isEmpty() ? std::nullopt : KGlobalAccelKeys::combination(keys.first());
    if (now != 0 && !combination) {
        qCInfo(lcKGlobalAccel) << "Plasma's settings gave the shortcut a key Ringle cannot store:" << Qt::hex << now;
        return;
    }
    action.combination = now;
    qCInfo(lcKGlobalAccel) << "Plasma's settings changed the shortcut" << action.name << "to" << Qt::hex << now;
    if (m_changeHandler)
        m_changeHandler(*id, combination);
}
