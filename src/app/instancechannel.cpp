#include "app/instancechannel.h"

#include "app/applogging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {
const QByteArray settingsLine = "settings\n";
const QByteArray helloLine = "hello\n";
const QByteArray pressLine = "wheel press\n";
const QByteArray releaseLine = "wheel release\n";
const QByteArray toggleLine = "wheel toggle\n";

QByteArray lineFor(InstanceChannel::Request request)
{
    switch (request) {
    case InstanceChannel::Request::openSettings:
        return settingsLine;
    case InstanceChannel::Request::wheelPress:
        return pressLine;
    case InstanceChannel::Request::wheelRelease:
        return releaseLine;
    case InstanceChannel::Request::wheelToggle:
        return toggleLine;
    case InstanceChannel::Request::none:
        break;
    }
    return helloLine;
}
const QByteArray acknowledgement = "ok\n";
constexpr qint64 maximumRequestLength = 64;
} // namespace

InstanceChannel::InstanceChannel(QString name, QObject *parent)
    : QObject(parent)
    , m_name(std::move(name))
{
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::nameFor(const QByteArray &display, const QString &settingsPath)
{
    const QByteArray identity = display + '\n' + QDir::cleanPath(settingsPath).toUtf8();
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(16));
    // The runtime directory is private to the user; without one the socket's own permissions protect it.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString directory = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return directory + QStringLiteral("/ringle-") + digest;
}

QByteArray InstanceChannel::sessionDisplay()
{
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    return wayland.isEmpty() ? qgetenv("DISPLAY") : "wayland:" + wayland;
}

void InstanceChannel::handOver(Request request)
{
    m_client = new QLocalSocket(this);
    connect(m_client, &QLocalSocket::connected, this, [this, request] {
        m_client->write(lineFor(request));
    });
    connect(m_client, &QLocalSocket::readyRead, this, [this] {
        if (m_client->canReadLine())
            finishHandOver(m_client->readLine() == acknowledgement);
    });
    connect(m_client, &QLocalSocket::errorOccurred, this, [this] { finishHandOver(false); });
    QTimer::singleShot(handOverTimeout, m_client, [this] { finishHandOver(false); });
    m_client->connectToServer(m_name);
}

void InstanceChannel::finishHandOver(bool delivered)
{
    if (!m_client)
        return;
    m_client->disconnect(this);
    m_client->abort();
    m_client->deleteLater();
    m_client = nullptr;
    Q_EMIT handOverFinished(delivered);
}

bool InstanceChannel::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered on the name, so a socket file left there belongs to an instance that is gone.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name)) {
        qCWarning(lcApp) << "cannot listen on" << m_name << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return true;
}

void InstanceChannel::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > maximumRequestLength)
                socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(maximumRequestLength);
        socket->write(acknowledgement);
        socket->flush();
        socket->disconnectFromServer();
        for (const Request request :
             {Request::none, Request::openSettings, Request::wheelPress, Request::wheelRelease, Request::wheelToggle}) {
            if (line == lineFor(request))
                Q_EMIT requestReceived(request);
        }
    });
    // A client that never says anything does not keep its socket forever.
    QTimer::singleShot(handOverTimeout, socket, [socket] { socket->abort(); });
}
