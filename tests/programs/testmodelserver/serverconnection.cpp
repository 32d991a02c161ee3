#include "serverconnection.h"
#include "streamedcompletion.h"
#include "testmodelserver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTcpSocket>

namespace {
constexpr qint64 kHighWater = 256 * 1024;
constexpr qsizetype kBlockBytes = 64 * 1024;
constexpr qsizetype kMaxHeaderBytes = 64 * 1024;
constexpr qint64 kMaxRequestBodyBytes = 64 * 1024 * 1024;
// Between the events of a completion sent as a stream: a fast local model.
constexpr int kStreamGapMs = 20;
// An aborted body with a declared length claims this much more than it sends.
constexpr qint64 kMissingBytes = 1000;
} // namespace

ServerConnection::ServerConnection(QTcpSocket *socket, TestModelServer &server)
    : QObject(socket)
    , m_socket(socket)
    , m_server(server)
{
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, [this] {
        m_delayDone = true;
        pump();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &ServerConnection::readRequests);
    connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_responding && !m_delay.isActive())
            pump();
    });
    connect(m_socket, &QTcpSocket::disconnected, this, &ServerConnection::onDisconnected);
}

void ServerConnection::readRequests()
{
    m_input += m_socket->readAll();
    while (!m_responding && takeRequest()) {
    }
}

bool ServerConnection::takeRequest()
{
    const qsizetype headerEnd = m_input.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        if (m_input.size() > kMaxHeaderBytes)
            m_socket->abort();
        return false;
    }
    const QList<QByteArray> lines = m_input.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    QJsonObject headers;
    qint64 contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        headers.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        if (name == "content-length")
            contentLength = value.toLongLong();
    }
    if (contentLength < 0 || contentLength > kMaxRequestBodyBytes) {
        m_socket->abort();
        return false;
    }
    const qsizetype bodyStart = headerEnd + 4;
    if (m_input.size() < bodyStart + contentLength)
        return false;
    const QByteArray body = m_input.mid(bodyStart, contentLength);
    m_input.remove(0, bodyStart + contentLength);

    m_requestId = m_server.nextRequestId();
    if (m_server.isRecording()) {
        m_server.emitEvent(QJsonObject{{QStringLiteral("event"), QStringLiteral("request")},
                                       {QStringLiteral("id"), m_requestId},
                                       {QStringLiteral("method"), QString::fromLatin1(requestLine.value(0))},
                                       {QStringLiteral("path"), QString::fromLatin1(requestLine.value(1))},
                                       {QStringLiteral("headers"), headers},
                                       {QStringLiteral("body"), QString::fromUtf8(body)}});
    }
    CannedResponse response = m_server.takeResponse();
    // Asked for a stream, a whole completion comes as one, as a real server would send it.
    if (QJsonDocument::fromJson(body).object().value(QLatin1String("stream")).toBool()) {
        if (std::optional<CannedResponse> streamed = streamedCompletion(response, kStreamGapMs))
            response = std::move(*streamed);
    }
    startResponse(response);
    return true;
}

void ServerConnection::startResponse(const CannedResponse &response)
{
    m_responding = true;
    m_response = response;
    m_part = 0;
    m_partStarted = false;
    m_delayDone = false;
    if (response.raw) {
        m_response.framing = CannedResponse::Framing::close;
        pump();
        return;
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    switch (response.framing) {
    case CannedResponse::Framing::length: {
        const qint64 length = response.bodyLength();
        head += "Content-Length: " + QByteArray::number(length + (response.abort ? kMissingBytes : 0)) + "\r\n";
        break;
    }
    case CannedResponse::Framing::chunked:
        head += "Transfer-Encoding: chunked\r\n";
        break;
    case CannedResponse::Framing::close:
        head += "Connection: close\r\n";
        break;
    }
    if (response.closeAfter && response.framing != CannedResponse::Framing::close)
        head += "Connection: close\r\n";
    m_socket->write(head + "\r\n");
    pump();
}

void ServerConnection::pump()
{
    // flush() may report bytes written at once, which would come back here mid-part.
    if (m_pumping)
        return;
    m_pumping = true;
    const auto done = qScopeGuard([this] { m_pumping = false; });
    while (m_responding && m_socket->bytesToWrite() < kHighWater) {
        if (m_part >= m_response.parts.size()) {
            finishResponse();
            return;
        }
        const CannedResponse::Part &part = m_response.parts[m_part];
        if (!m_partStarted) {
            if (part.delayMs > 0 && !m_delayDone) {
                m_socket->flush();
                m_delay.start(part.delayMs);
                return;
            }
            m_partStarted = true;
            m_repeatsLeft = part.data.isEmpty() ? 0 : part.repeat;
        }
        if (m_repeatsLeft != 0) {
            const qint64 perBlock = qMax<qint64>(1, kBlockBytes / part.data.size());
            const qint64 count = m_repeatsLeft < 0 ? perBlock : qMin(perBlock, m_repeatsLeft);
            writeBody(part.data.repeated(count));
            if (m_repeatsLeft > 0)
                m_repeatsLeft -= count;
        }
        if (m_repeatsLeft == 0) {
            if (part.report) {
                m_socket->flush();
                m_server.emitEvent(QJsonObject{{QStringLiteral("event"), QStringLiteral("wrote")},
                                               {QStringLiteral("id"), m_requestId},
                                               {QStringLiteral("part"), qint64(m_part)},
                                               {QStringLiteral("ns"), TestModelServer::monotonicNanoseconds()}});
            }
            ++m_part;
            m_partStarted = false;
            m_delayDone = false;
        }
    }
}

void ServerConnection::writeBody(const QByteArray &block)
{
    if (m_response.framing == CannedResponse::Framing::chunked)
        m_socket->write(QByteArray::number(block.size(), 16) + "\r\n" + block + "\r\n");
    else
        m_socket->write(block);
}

void ServerConnection::finishResponse()
{
    m_responding = false;
    if (m_response.abort) {
        m_socket->disconnectFromHost();
        return;
    }
    if (m_response.framing == CannedResponse::Framing::chunked)
        m_socket->write("0\r\n\r\n");
    if (m_response.closeAfter || m_response.framing == CannedResponse::Framing::close) {
        m_socket->disconnectFromHost();
        return;
    }
    m_socket->flush();
    // The next request on this connection starts once this pump has returned.
    QMetaObject::invokeMethod(this, &ServerConnection::readRequests, Qt::QueuedConnection);
}

void ServerConnection::onDisconnected()
{
    if (m_responding) {
        m_server.emitEvent(QJsonObject{{QStringLiteral("event"), QStringLiteral("disconnected")},
                                       {QStringLiteral("id"), m_requestId},
                                       {QStringLiteral("midResponse"), true}});
    }
    m_responding = false;
    m_delay.stop();
    m_socket->deleteLater();
}
