#include "platform/wayland/portalrequest.h"

#include <QCoreApplication>
#include <QThread>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace {
Q_LOGGING_CATEGORY(lcPortalRequest, "ringle.wayland.portal")

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Short enough to be unnoticeable, long enough not to spin.
constexpr std::chrono::milliseconds pollInterval{2};

int remainingMs(QDeadlineTimer deadline)
{
    return int(std::clamp<qint64>(deadline.remainingTime(), 1, std::numeric_limits<int>::max()));
}
} // namespace

PortalRequest::PortalRequest(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_token(newToken())
{
    subscribe(predictedPath(m_bus.baseService(), m_token));
}

PortalRequest::~PortalRequest()
{
    unsubscribe();
}

QString PortalRequest::predictedPath(const QString &uniqueName, const QString &token)
{
    QString sender = uniqueName.startsWith(u':') ? uniqueName.mid(1) : uniqueName;
    sender.replace(u'.', u'_');
    return u"/org/freedesktop/portal/desktop/request/"_qs + sender + u'/' + token;
}

QString PortalRequest::newToken()
{
    static quint32 counter = 0;
    return u"ringle_%1_%2"_qs.arg(++counter).arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
}

bool PortalRequest::send(const QDBusMessage &call, QDeadlineTimer deadline)
{
    m_error = QDBusError::NoError;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, remainingMs(deadline));
    follow(reply);
    if (m_error != QDBusError::NoError)
        qCInfo(lcPortalRequest) << "the portal failed" << call.member() << reply.errorName() << reply.errorMessage();
    return m_error == QDBusError::NoError;
}

void PortalRequest::sendWithoutWaiting(const QDBusMessage &call)
{
    m_error = QDBusError::NoError;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, member = call.member()] {
        watcher->deleteLater();
        follow(watcher->reply());
        if (m_error == QDBusError::NoError || m_answer)
            return;
        qCInfo(lcPortalRequest) << "the portal failed" << member << watcher->error().name() << watcher->error().message();
        unsubscribe();
        m_answer = Answer{};
        Q_EMIT answered(m_answer->response, m_answer->results);
    });
}

void PortalRequest::follow(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_error = QDBusError(reply).type();
        return;
    }
    const QList<QVariant> args = reply.arguments();
    if (args.isEmpty() || args.first().metaType() != QMetaType::fromType<QDBusObjectPath>()) {
        m_error = QDBusError::InvalidSignature;
        return;
    }
    // Portals before 0.9 pick a path of their own; their answer may then be lost to the race
    // the predicted path avoids, but a later one still arrives.
    const QString handle = args.first().value<QDBusObjectPath>().path();
    if (handle != m_path && !m_answer) {
        unsubscribe();
        subscribe(handle);
    }
}

std::optional<PortalRequest::Answer> PortalRequest::wait(QDeadlineTimer deadline)
{
    // The interface asks for a synchronous answer but a nested event loop would run anything at
    // all. Qt's D-Bus thread posts the Response to this object alone, so only its deliveries are
    // run here, for a bounded time.
    m_waiting = true;
    while (!m_answer && m_subscribed) {
        // Before the event loop first runs, Qt holds back the bus's signals until a queued call of
        // its own has run; no loop runs yet, so running the queued calls is what the loop would do first.
        if (QThread::currentThread()->loopLevel() == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        if (m_answer || deadline.hasExpired())
            break;
        std::this_thread::sleep_for(pollInterval);
    }
    m_waiting = false;
    return m_answer;
}

void PortalRequest::close()
{
    if (!m_subscribed)
        return;
    m_bus.send(QDBusMessage::createMethodCall(portalService, m_path, requestInterface, u"Close"_qs));
    unsubscribe();
}

void PortalRequest::onResponse(const QDBusMessage &message)
{
    // Checked here: Qt converts a mismatched dictionary without a word.
    const QList<QVariant> args = message.arguments();
    if (message.signature() != u"ua{sv}" || args.size() != 2) {
        qCInfo(lcPortalRequest) << "ignoring a malformed answer to" << m_path << message.signature();
        return;
    }
    unsubscribe();
    m_answer = Answer{args.at(0).toUInt(), qdbus_cast<QVariantMap>(args.at(1))};
    if (!m_waiting)
        Q_EMIT answered(m_answer->response, m_answer->results);
}

void PortalRequest::subscribe(const QString &path)
{
    m_path = path;
    m_subscribed = m_bus.connect(portalService, m_path, requestInterface, u"Response"_qs, this,
                                 SLOT(onResponse(QDBusMessage)));
    if (!m_subscribed)
        qCWarning(lcPortalRequest) << "cannot follow the portal request" << m_path;
}

void PortalRequest::unsubscribe()
{
    if (!m_subscribed)
        return;
    m_bus.disconnect(portalService, m_path, requestInterface, u"Response"_qs, this, SLOT(onResponse(QDBusMessage)));
    m_subscribed = false;
}
