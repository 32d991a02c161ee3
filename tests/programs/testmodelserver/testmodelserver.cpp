#include "testmodelserver.h"

#include "serverconnection.h"

#include <QCoreApplication>
#include <QFile>
#include <QSslKey>
#include <QSslServer>
#include <QJsonDocument>
#include <QTcpSocket>
#include <chrono>

namespace {
std::unique_ptr<QTcpServer> makeServer(const QString &certificateFile, const QString &keyFile)
{
    if (certificateFile.isEmpty())
        return std::make_unique<QTcpServer>();
    QFile certificate(certificateFile);
    QFile key(keyFile);
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return nullptr;
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(&certificate, QSsl::Pem));
    tls.setPrivateKey(QSslKey(&key, QSsl::Rsa, QSsl::Pem));
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    return server;
}
} // namespace

TestModelServer::TestModelServer(const QString &certificateFile, const QString &keyFile)
    : m_server(makeServer(certificateFile, keyFile))
    , m_stdin([this](const QByteArray &line) {
        if (const QByteArray command = line.trimmed(); !command.isEmpty())
            runCommand(command);
    })
{
    if (!m_server)
        return;
    // A TLS connection is handed over once its handshake is done.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection())
            new ServerConnection(socket, *this);
    });
}

bool TestModelServer::listen(quint16 port)
{
    return m_server && m_server->listen(QHostAddress::LocalHost, port);
}

CannedResponse TestModelServer::takeResponse()
{
    if (!m_queue.isEmpty())
        return m_queue.dequeue();
    return m_default.value_or(CannedResponse::nothingQueued());
}

void TestModelServer::emitEvent(const QJsonObject &event)
{
    replyLine(QJsonDocument(event).toJson(QJsonDocument::Compact));
}

qint64 TestModelServer::monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void TestModelServer::runCommand(const QByteArray &line)
{
    const QJsonObject command = QJsonDocument::fromJson(line).object();
    const QString name = command.value(QLatin1String("cmd")).toString();
    if (name == QLatin1String("enqueue")) {
        m_queue.enqueue(CannedResponse::fromJson(command.value(QLatin1String("response")).toObject()));
    } else if (name == QLatin1String("default")) {
        m_default = CannedResponse::fromJson(command.value(QLatin1String("response")).toObject());
    } else if (name == QLatin1String("record")) {
        m_recording = command.value(QLatin1String("on")).toBool(true);
    } else if (name == QLatin1String("clear")) {
        m_queue.clear();
        m_default.reset();
    } else if (name == QLatin1String("quit")) {
        QCoreApplication::quit();
    } else {
        emitEvent(QJsonObject{{QStringLiteral("event"), QStringLiteral("error")},
                              {QStringLiteral("message"), QStringLiteral("unknown command")}});
        return;
    }
    emitEvent(QJsonObject{{QStringLiteral("event"), QStringLiteral("ack")}, {QStringLiteral("cmd"), name}});
}
