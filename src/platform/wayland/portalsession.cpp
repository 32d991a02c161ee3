#include "platform/wayland/portalsession.h"

#include "platform/wayland/portalrequest.h"
#include "platform/wayland/portalshortcutformat.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QLoggingCategory>

#include <algorithm>
#include <limits>

namespace {
Q_LOGGING_CATEGORY(lcPortalSession, "ringle.wayland.portal")
} // namespace

namespace PortalSession {
QVariant property(QDBusConnection &bus, const QString &interface, const QString &name, QDeadlineTimer deadline)
{
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
    get << interface << name;
    const int timeout = int(std::clamp<qint64>(deadline.remainingTime(), 1, std::numeric_limits<int>::max()));
    const QDBusMessage reply = bus.call(get, QDBus::Block, timeout);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qCInfo(lcPortalSession) << "no" << interface << name << "from the portal:" << reply.errorName() << reply.errorMessage();
        return {};
    }
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

quint32 version(QDBusConnection &bus, const QString &interface, QDeadlineTimer deadline)
{
    const QVariant v = property(bus, interface, u"version"_qs, deadline);
    return v.metaType() == QMetaType::fromType<uint>() ? v.toUInt() : 0;
}

QString create(QDBusConnection &bus, const QString &interface, QDeadlineTimer deadline)
{
    PortalRequest request(bus);
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, u"CreateSession"_qs);
    call << QVariantMap{{u"handle_token"_qs, request.token()}, {u"session_handle_token"_qs, PortalRequest::newToken()}};
    if (!request.send(call, deadline))
        return {};
    const std::optional<PortalRequest::Answer> answer = request.wait(deadline);
    if (!answer) {
        qCInfo(lcPortalSession) << "the portal did not answer" << interface << "CreateSession in time";
        request.close();
        return {};
    }
    const QString session = PortalShortcutFormat::objectPath(answer->results.value(u"session_handle"_qs));
    if (answer->response != 0 || session.isEmpty()) {
        qCInfo(lcPortalSession) << "the portal refused a" << interface << "session:" << answer->response << answer->results;
        return {};
    }
    return session;
}

void close(QDBusConnection &bus, const QString &session)
{
    bus.send(QDBusMessage::createMethodCall(service, session, sessionInterface, u"Close"_qs));
}
} // namespace PortalSession
