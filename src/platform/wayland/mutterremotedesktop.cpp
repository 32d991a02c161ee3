#include "platform/wayland/mutterremotedesktop.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>
#include <QPointer>
#include <QCoroSignal>
#include <QCoroTimer>

#include <memory>

namespace {
Q_LOGGING_CATEGORY(lcMutterRemote, "ringle.wayland.mutter")

const QString servicePath = QStringLiteral("/org/gnome/Mutter/RemoteDesktop");
const QString serviceInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop");

int milliseconds(std::chrono::milliseconds d)
{
    return int(d.count());
}

QString errorOf(const QDBusMessage &reply)
{
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}
} // namespace

bool MutterRemoteDesktop::isOffered(QDBusConnection bus)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_qs, u"/org/freedesktop/DBus"_qs,
                                                      u"org.freedesktop.DBus"_qs, u"NameHasOwner"_qs);
    ask << service;
    const QDBusMessage reply = bus.call(ask, QDBus::Block, 1000);
    return reply.type() == QDBusMessage::ReplyMessage && reply.signature() == u"b" && reply.arguments().value(0).toBool();
}

MutterRemoteDesktop::MutterRemoteDesktop(Use use, QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_use(use)
    , m_bus(std::move(bus))
    , m_serviceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    m_startBound.setSingleShot(true);
    m_startBound.setInterval(startBound);
    connect(&m_startBound, &QTimer::timeout, this,
            [this] {
                end(State::failed,
                    tr("GNOME Shell did not start a remote desktop session within %1 ms").arg(startBound.count()));
            });
    // Sessions live in GNOME Shell: one that restarts has none of them.
    connect(&m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &oldOwner, const QString &) {
                if (!oldOwner.isEmpty() && m_state != State::idle)
                    end(State::ended, tr("GNOME Shell's remote desktop service went away"));
            });
}

MutterRemoteDesktop::~MutterRemoteDesktop()
{
    ++m_attempt;
    // An unstarted session cannot be stopped; it goes with the bus connection.
    if (m_state == State::started && m_use == Use::input)
        m_bus.send(sessionCall(u"Stop"_qs, {}));
    follow(false);
}

void MutterRemoteDesktop::start()
{
    if (m_state == State::starting || m_state == State::started)
        return;
    if (!m_bus.isConnected()) {
        end(State::failed, tr("there is no session bus"));
        return;
    }
    setState(State::starting);
    m_startBound.start();
    open();
}

QCoro::Task<bool> MutterRemoteDesktop::ready()
{
    const QPointer<MutterRemoteDesktop> alive(this);
    start();
    // A timer of its own wakes this even when the object goes meanwhile.
    QTimer wake;
    wake.setSingleShot(true);
    connect(this, &MutterRemoteDesktop::stateChanged, &wake, [&wake] { wake.start(0); });
    while (alive && m_state == State::starting) {
        wake.start(startBound);
        co_await wake;
    }
    co_return alive && m_state == State::started;
}

QCoro::Task<void> MutterRemoteDesktop::open()
{
    const QPointer<MutterRemoteDesktop> alive(this);
    const quint64 attempt = ++m_attempt;
    const auto current = [&] { return alive && m_attempt == attempt; };
    m_session.clear();
    const QDBusMessage create = QDBusMessage::createMethodCall(service, servicePath, serviceInterface, u"CreateSession"_qs);
    const QDBusMessage created = co_await answer(m_bus.asyncCall(create, milliseconds(callBound)));
    if (!current())
        co_return;
    if (created.type() != QDBusMessage::ReplyMessage || created.signature() != u"o") {
        end(State::failed, tr("GNOME Shell made no remote desktop session: %1").arg(errorOf(created)));
        co_return;
    }
    m_session = created.arguments().constFirst().value<QDBusObjectPath>().path();
    follow(true);
    if (m_use == Use::input) {
        const QDBusPendingCall start = m_bus.asyncCall(sessionCall(u"Start"_qs, {}), milliseconds(callBound));
        const QDBusMessage started = co_await answer(start);
        if (!current())
            co_return;
        if (started.type() != QDBusMessage::ReplyMessage) {
            end(State::failed, tr("GNOME Shell did not start the remote desktop session: %1").arg(errorOf(started)));
            co_return;
        }
    }
    m_startBound.stop();
    m_why.clear();
    qCInfo(lcMutterRemote) << "remote desktop session" << m_session << "with GNOME Shell";
    setState(State::started);
}

QString MutterRemoteDesktop::whyNotReady() const
{
    switch (m_state) {
    case State::idle:
        return tr("no remote desktop session with GNOME Shell was asked for yet");
    case State::starting:
        return tr("the remote desktop session with GNOME Shell is still starting");
    case State::started:
        return {};
    case State::failed:
    case State::ended:
        break;
    }
    return m_why;
}

QDBusPendingCall MutterRemoteDesktop::call(const QString &method, const QList<QVariant> &arguments)
{
    if (m_state != State::started) {
        const QDBusMessage call = sessionCall(method, arguments);
        return QDBusPendingCall::fromCompletedCall(call.createErrorReply(QDBusError::Disconnected, whyNotReady()));
    }
    return m_bus.asyncCall(sessionCall(method, arguments), milliseconds(callBound));
}

QCoro::Task<QDBusMessage> MutterRemoteDesktop::answer(QDBusPendingCall call)
{
    // Its answer is handed over after every message that came before it, signals included.
    const auto watcher = std::make_unique<QDBusPendingCallWatcher>(call);
    co_await qCoro(watcher.get(), &QDBusPendingCallWatcher::finished);
    co_return watcher->reply();
}

bool MutterRemoteDesktop::catchUp(std::chrono::milliseconds timeout)
{
    if (m_state != State::started)
        return false;
    // Mutter answers on the thread that sends its signals, in order: once this is answered, all
    // it sent before is here. A ping would be answered by its bus thread, out of that order.
    QDBusMessage get = QDBusMessage::createMethodCall(service, m_session, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
    get << sessionInterface << u"SessionId"_qs;
    const QDBusMessage reply = m_bus.call(get, QDBus::Block, milliseconds(timeout));
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    return reply.type() == QDBusMessage::ReplyMessage;
}

QCoro::Task<bool> MutterRemoteDesktop::settle()
{
    if (m_state != State::started)
        co_return false;
    QDBusMessage get = QDBusMessage::createMethodCall(service, m_session, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
    get << sessionInterface << u"SessionId"_qs;
    const QDBusMessage reply = co_await answer(m_bus.asyncCall(get, milliseconds(callBound)));
    co_return reply.type() == QDBusMessage::ReplyMessage;
}

void MutterRemoteDesktop::onClosed()
{
    end(State::ended, tr("GNOME Shell closed the remote desktop session"));
}

void MutterRemoteDesktop::onSelectionOwnerChanged(const QDBusMessage &message)
{
    // Checked here: Qt converts a mismatched dictionary without a word.
    if (message.signature() != u"a{sv}") {
        qCInfo(lcMutterRemote) << "ignoring a malformed SelectionOwnerChanged:" << message.signature();
        return;
    }
    Q_EMIT selectionOwnerChanged(qdbus_cast<QVariantMap>(message.arguments().constFirst()));
}

void MutterRemoteDesktop::onSelectionTransfer(const QDBusMessage &message)
{
    if (message.signature() != u"su") {
        qCInfo(lcMutterRemote) << "ignoring a malformed SelectionTransfer:" << message.signature();
        return;
    }
    Q_EMIT selectionTransfer(message.arguments().at(0).toString(), message.arguments().at(1).toUInt());
}

void MutterRemoteDesktop::follow(bool on)
{
    if (m_session.isEmpty())
        return;
    // Mutter sends these to everyone: only this session's path tells them apart.
    const auto link = [&](const QString &name, const char *slot) {
        if (on)
            m_bus.connect(service, m_session, sessionInterface, name, this, slot);
        else
            m_bus.disconnect(service, m_session, sessionInterface, name, this, slot);
    };
    link(u"Closed"_qs, SLOT(onClosed()));
    link(u"SelectionOwnerChanged"_qs, SLOT(onSelectionOwnerChanged(QDBusMessage)));
    link(u"SelectionTransfer"_qs, SLOT(onSelectionTransfer(QDBusMessage)));
}

void MutterRemoteDesktop::end(State state, const QString &why)
{
    ++m_attempt;
    m_startBound.stop();
    follow(false);
    m_session.clear();
    m_why = why;
    qCInfo(lcMutterRemote).noquote() << "no remote desktop session:" << why;
    setState(state);
}

void MutterRemoteDesktop::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

QDBusMessage MutterRemoteDesktop::sessionCall(const QString &method, const QList<QVariant> &arguments) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, m_session.isEmpty() ? servicePath : m_session, sessionInterface, method);
    call.setArguments(arguments);
    return call;
}

QStringList MutterRemoteDesktop::mimeTypes(const QVariantMap &ownerOptions)
{
    // Mutter sends the list bare in some versions and wrapped in a struct in others.
    const QVariant value = ownerOptions.value(u"mime-types"_qs);
    if (value.metaType() == QMetaType::fromType<QStringList>())
        return value.toStringList();
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const QDBusArgument arg = value.value<QDBusArgument>();
    QStringList types;
    if (arg.currentSignature() == u"(as)") {
        arg.beginStructure();
        arg >> types;
        arg.endStructure();
    } else if (arg.currentSignature() == u"as") {
        arg >> types;
    }
    return types;
}
