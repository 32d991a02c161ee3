#include "platform/wayland/portalremotekeyboard.h"

#include "platform/wayland/portalrequest.h"
#include "platform/wayland/portalsession.h"
#include "platform/wayland/portalshortcutformat.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <chrono>

namespace {
Q_LOGGING_CATEGORY(lcRemoteKeys, "ringle.wayland.remotedesktop")

using namespace std::chrono_literals;
using PortalSession::service;
using PortalSession::sessionInterface;

const QString remoteInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");

// The device type bit for a keyboard; persist mode 2 keeps the grant until it is revoked.
constexpr uint keyboardDevice = 1;
constexpr uint persistUntilRevoked = 2;
// The first version that keeps a grant between sessions.
constexpr quint32 restoreVersion = 2;
// Each property read.
constexpr std::chrono::milliseconds callBound = 2s;
// A portal started on demand starts its desktop's half too, which may take seconds.
constexpr std::chrono::milliseconds openingBound = 30s;
// A restore token beyond this size is not one.
constexpr qint64 tokenLimit = 4096;

bool isToken(const QString &token)
{
    return !token.isEmpty() && token.size() <= tokenLimit
        && std::all_of(token.cbegin(), token.cend(), [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}
} // namespace

namespace {
// The RemoteDesktop version of a portal that offers a keyboard; 0 where none does.
quint32 keyboardVersion(QDBusConnection &bus)
{
    const quint32 version = bus.isConnected() ? PortalSession::version(bus, remoteInterface, QDeadlineTimer(callBound)) : 0;
    if (version < 1)
        return 0;
    const QVariant types = PortalSession::property(bus, remoteInterface, u"AvailableDeviceTypes"_qs, QDeadlineTimer(callBound));
    if (types.metaType() != QMetaType::fromType<uint>() || !(types.toUInt() & keyboardDevice)) {
        qCInfo(lcRemoteKeys) << "the RemoteDesktop portal offers no keyboard:" << types;
        return 0;
    }
    return version;
}
} // namespace

bool PortalRemoteKeyboard::isOffered(QDBusConnection bus)
{
    return keyboardVersion(bus) > 0;
}

std::unique_ptr<PortalRemoteKeyboard> PortalRemoteKeyboard::create(WaylandSeat &seat, QString tokenPath, QDBusConnection bus)
{
    const quint32 version = keyboardVersion(bus);
    if (version == 0)
        return nullptr;
    return std::unique_ptr<PortalRemoteKeyboard>(new PortalRemoteKeyboard(seat, std::move(tokenPath), std::move(bus), version));
}

PortalRemoteKeyboard::PortalRemoteKeyboard(WaylandSeat &seat, QString tokenPath, QDBusConnection bus, quint32 version)
    : SeatKeyboard(seat)
    , m_bus(std::move(bus))
    , m_portalWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
    , m_tokenPath(std::move(tokenPath))
    , m_version(version)
{
    m_openingBound.setSingleShot(true);
    m_openingBound.setInterval(openingBound);
    connect(&m_openingBound, &QTimer::timeout, this, [this] { end(State::ended, "the portal did not open a session in time"); });
    // The session lives in the portal process; a portal started again has none of it.
    connect(&m_portalWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &oldOwner, const QString &) {
                if (!oldOwner.isEmpty())
                    end(State::ended, "the portal went away");
            });
}

PortalRemoteKeyboard::~PortalRemoteKeyboard()
{
    if (m_pending)
        m_pending->close();
    if (!m_session.isEmpty())
        PortalSession::close(m_bus, m_session);
}

QString PortalRemoteKeyboard::defaultTokenPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u"/remote-desktop-token"_qs;
}

bool PortalRemoteKeyboard::wasGrantedBefore() const
{
    return isToken(storedToken());
}

void PortalRemoteKeyboard::begin()
{
    if (m_state == State::opening || m_state == State::asking || m_state == State::granted)
        return;
    setState(State::opening);
    // A portal that takes no session in this time has hung; the user's answer has no bound.
    m_openingBound.start();
    m_session.clear();
    call(u"CreateSession"_qs, {}, {{u"session_handle_token"_qs, PortalRequest::newToken()}}, &PortalRemoteKeyboard::onCreated);
}

void PortalRemoteKeyboard::call(const QString &method, const QList<QVariant> &arguments, QVariantMap options,
                                void (PortalRemoteKeyboard::*next)(quint32, const QVariantMap &))
{
    if (m_pending)
        m_pending->close();
    m_pending = std::make_unique<PortalRequest>(m_bus);
    options.insert(u"handle_token"_qs, m_pending->token());
    QDBusMessage message = QDBusMessage::createMethodCall(service, PortalSession::path, remoteInterface, method);
    message.setArguments(arguments);
    message << options;
    connect(m_pending.get(), &PortalRequest::answered, this, [this, next](quint32 response, const QVariantMap &results) {
        // The request is what is emitting.
        m_pending.release()->deleteLater();
        (this->*next)(response, results);
    });
    m_pending->sendWithoutWaiting(message);
}

void PortalRemoteKeyboard::onCreated(quint32 response, const QVariantMap &results)
{
    m_session = response == 0 ? PortalShortcutFormat::objectPath(results.value(u"session_handle"_qs)) : QString();
    if (m_session.isEmpty()) {
        qCInfo(lcRemoteKeys) << "the portal refused a session:" << response << results;
        end(State::ended, "the portal took no session");
        return;
    }
    m_bus.connect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
    QVariantMap options{{u"types"_qs, keyboardDevice}};
    if (m_version >= restoreVersion) {
        options.insert(u"persist_mode"_qs, persistUntilRevoked);
        if (const QString token = storedToken(); isToken(token))
            options.insert(u"restore_token"_qs, token);
    }
    call(u"SelectDevices"_qs, {QVariant::fromValue(QDBusObjectPath(m_session))}, options, &PortalRemoteKeyboard::onSelected);
}

void PortalRemoteKeyboard::onSelected(quint32 response, const QVariantMap &)
{
    if (response != 0) {
        end(State::ended, "the portal did not take the keyboard as the device");
        return;
    }
    m_openingBound.stop();
    call(u"Start"_qs, {QVariant::fromValue(QDBusObjectPath(m_session)), QString()}, {}, &PortalRemoteKeyboard::onStarted);
    setState(State::asking);
}

void PortalRemoteKeyboard::onStarted(quint32 response, const QVariantMap &results)
{
    const QVariant devices = results.value(u"devices"_qs);
    const bool keyboard = devices.metaType() == QMetaType::fromType<uint>() && (devices.toUInt() & keyboardDevice);
    if (response != 0 || !keyboard) {
        qCInfo(lcRemoteKeys) << "the portal gave no keyboard:" << response << results;
        // A token that no longer works would only be offered again.
        storeToken({});
        end(State::refused, "the user did not allow it");
        return;
    }
    const QVariant token = results.value(u"restore_token"_qs);
    if (token.metaType() == QMetaType::fromType<QString>() && isToken(token.toString()))
        storeToken(token.toString());
    qCInfo(lcRemoteKeys) << "the RemoteDesktop portal takes Ringle's keys";
    setState(State::granted);
}

void PortalRemoteKeyboard::onSessionClosed()
{
    m_bus.disconnect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
    m_session.clear();
    end(State::ended, "the portal closed the session");
}

void PortalRemoteKeyboard::end(State state, const char *why)
{
    m_openingBound.stop();
    if (m_pending) {
        m_pending->close();
        m_pending.reset();
    }
    if (!m_session.isEmpty()) {
        m_bus.disconnect(service, m_session, sessionInterface, u"Closed"_qs, this, SLOT(onSessionClosed()));
        PortalSession::close(m_bus, m_session);
        m_session.clear();
    }
    // A refusal stays one until the user is asked again.
    if (m_state == State::refused && state == State::ended)
        return;
    qCInfo(lcRemoteKeys) << "no keys through the RemoteDesktop portal:" << why;
    setState(state);
}

void PortalRemoteKeyboard::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

void PortalRemoteKeyboard::send(quint32 keycode, bool down)
{
    m_keys.append({keycode, down});
    if (!m_keyInFlight)
        sendNextKey();
}

void PortalRemoteKeyboard::sendNextKey()
{
    if (m_keys.isEmpty() || m_session.isEmpty()) {
        m_keys.clear();
        return;
    }
    const auto [keycode, down] = m_keys.takeFirst();
    QDBusMessage call = QDBusMessage::createMethodCall(service, PortalSession::path, remoteInterface, u"NotifyKeyboardKeycode"_qs);
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariantMap() << int(keycode - 8) << uint(down ? 1 : 0);
    // One at a time: the portal may handle calls on threads of its own, so a key sent before the
    // last one's answer could overtake it (a release before its press leaves the key held).
    m_keyInFlight = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        if (watcher->isError())
            qCInfo(lcRemoteKeys) << "the portal did not take a key:" << watcher->error().name() << watcher->error().message();
        m_keyInFlight = false;
        sendNextKey();
    });
}

QString PortalRemoteKeyboard::storedToken() const
{
    QFile file(m_tokenPath);
    if (m_tokenPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(tokenLimit + 1)).trimmed();
}

void PortalRemoteKeyboard::storeToken(const QString &token) const
{
    if (m_tokenPath.isEmpty())
        return;
    if (token.isEmpty()) {
        QFile::remove(m_tokenPath);
        return;
    }
    QDir().mkpath(QFileInfo(m_tokenPath).absolutePath());
    QSaveFile file(m_tokenPath);
    // It stands for the user's consent: theirs alone to read.
    if (!file.open(QIODevice::WriteOnly)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(token.toUtf8()) < 0 || !file.commit())
        qCWarning(lcRemoteKeys) << "cannot keep the portal's restore token in" << m_tokenPath << file.errorString();
}
