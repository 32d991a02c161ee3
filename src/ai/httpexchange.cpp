#include "ai/httpexchange.h"

#include "actions/ringleerror.h"
#include "ai/ailogging.h"
#include "ai/requestcancelled.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTcpSocket>
#include <coroutine>

namespace {
// What the socket buffers before TCP makes the server wait, and what one read takes.
constexpr qint64 kSocketBufferBytes = 256 * 1024;
constexpr qint64 kReadBytes = 64 * 1024;
constexpr qsizetype kMaxHeadBytes = 64 * 1024;
constexpr qsizetype kMaxChunkLineBytes = 4 * 1024;

QByteArray hostHeader(const QUrl &url)
{
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() >= 0)
        host += ':' + QByteArray::number(url.port());
    return host;
}

QByteArray requestTarget(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    return target;
}
} // namespace

// Suspends the reading coroutine until the socket has news: data, an error or the end of the
// connection. It is resumed from the event loop, never from inside the socket's own signal: the
// coroutine may end the exchange, and that must not happen under the socket's feet.
class HttpExchange::Activity final {
public:
    explicit Activity(HttpExchange &exchange)
        : m_exchange(exchange)
    {
    }
    ~Activity() { disconnectAll(); }

    bool await_ready() const { return m_exchange.hasNews(); }
    void await_suspend(std::coroutine_handle<> handle)
    {
        m_handle = handle;
        m_exchange.m_waiting = this;
        QTcpSocket *socket = m_exchange.m_socket.get();
        const auto wake = [this] { wakeUp(); };
        m_connections[0] = QObject::connect(socket, &QTcpSocket::readyRead, &m_exchange, wake);
        m_connections[1] = QObject::connect(socket, &QTcpSocket::disconnected, &m_exchange, wake);
        m_connections[2] = QObject::connect(socket, &QTcpSocket::errorOccurred, &m_exchange, wake);
        m_connections[3] = QObject::connect(&m_exchange.m_inactivity, &QTimer::timeout, &m_exchange, wake);
    }
    void await_resume() { disconnectAll(); }

    void wakeUp()
    {
        disconnectAll();
        QMetaObject::invokeMethod(
            &m_exchange, [waiting = m_handle] { waiting.resume(); }, Qt::QueuedConnection);
    }

private:
    void disconnectAll()
    {
        if (m_exchange.m_waiting == this)
            m_exchange.m_waiting = nullptr;
        for (QMetaObject::Connection &connection : m_connections)
            QObject::disconnect(connection);
    }

    HttpExchange &m_exchange;
    std::coroutine_handle<> m_handle;
    QMetaObject::Connection m_connections[4];
};

HttpExchange::HttpExchange(const QByteArray &method, const QUrl &url, const Headers &headers, const QByteArray &body,
                           QString serverName, Limits limits)
    : m_serverName(std::move(serverName))
    , m_limits(limits)
{
    const bool secure = url.scheme() == QLatin1String("https");
    m_socket = secure ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    m_socket->setProxy(QNetworkProxy::NoProxy);
    m_socket->setReadBufferSize(kSocketBufferBytes);

    m_request = method + ' ' + requestTarget(url) + " HTTP/1.1\r\nHost: " + hostHeader(url) + "\r\n";
    for (const auto &[name, value] : headers)
        m_request += name + ": " + value + "\r\n";
    if (!body.isEmpty() || method == "POST")
        m_request += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    m_request += "Accept: */*\r\nConnection: close\r\n\r\n" + body;

    m_inactivity.setSingleShot(true);
    m_inactivity.setInterval(m_limits.inactivityTimeout);
    connect(&m_inactivity, &QTimer::timeout, this, [this] { m_timedOut = true; });
    connect(m_socket.get(), &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (!m_socketError)
            m_socketError = error;
    });

    qCDebug(lcAi) << method.constData() << url.toDisplayString();
    const quint16 port = quint16(url.port(secure ? 443 : 80));
    if (secure) {
        auto *tls = static_cast<QSslSocket *>(m_socket.get());
        connect(tls, &QSslSocket::encrypted, this, [this] { m_socket->write(m_request); });
        tls->connectToHostEncrypted(url.host(), port);
    } else {
        connect(m_socket.get(), &QTcpSocket::connected, this, [this] { m_socket->write(m_request); });
        m_socket->connectToHost(url.host(), port);
    }
}

HttpExchange::~HttpExchange()
{
    m_socket->disconnect(this);
    m_socket->abort();
}

bool HttpExchange::hasNews() const
{
    return m_timedOut || m_cancelled || m_socketError || m_socket->bytesAvailable() > 0
        || m_socket->state() == QAbstractSocket::UnconnectedState;
}

QCoro::Task<std::optional<QByteArray>> HttpExchange::nextChunk()
{
    while (true) {
        if (m_cancelled || m_timedOut || !m_failure.isEmpty())
            throwFailure();
        if (m_bodyComplete)
            co_return std::nullopt;
        if (m_socket->bytesAvailable() > 0)
            m_input += m_socket->read(kReadBytes);

        if (!m_status && !parseHead()) {
            if (m_socket->bytesAvailable() > 0)
                continue;
        } else {
            QByteArray body = takeBody();
            m_received += body.size();
            if (m_received > m_limits.maxBodyBytes)
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "the answer is larger than %1 MB"));
            if (!body.isEmpty())
                co_return body;
            if (m_bodyComplete)
                co_return std::nullopt;
            if (m_socket->bytesAvailable() > 0)
                continue;
        }

        if (m_socket->state() == QAbstractSocket::UnconnectedState || m_socketError) {
            // The end of the connection ends a body that runs until then; anything else was cut off.
            const bool closedInTime = !m_socketError || *m_socketError == QAbstractSocket::RemoteHostClosedError;
            if (m_status && m_framing == Framing::untilClose && closedInTime) {
                m_bodyComplete = true;
                co_return std::nullopt;
            }
            throwFailure();
        }
        // The timeout counts only while we wait, so a slow reader is never mistaken for a silent server.
        m_inactivity.start();
        co_await Activity(*this);
        m_inactivity.stop();
    }
}

QCoro::Task<QByteArray> HttpExchange::readRest()
{
    QByteArray body;
    while (std::optional<QByteArray> chunk = co_await nextChunk())
        body += *chunk;
    co_return body;
}

void HttpExchange::cancel()
{
    m_cancelled = true;
    m_socket->abort();
    // A connection still being set up ends without a signal.
    if (m_waiting)
        m_waiting->wakeUp();
}

bool HttpExchange::parseHead()
{
    while (true) {
        const qsizetype end = m_input.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_input.size() > kMaxHeadBytes)
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
            return false;
        }
        const QList<QByteArray> lines = m_input.left(end).split('\n');
        m_input.remove(0, end + 4);

        const QList<QByteArray> statusLine = lines.first().trimmed().split(' ');
        bool numeric = false;
        const int status = statusLine.value(1).toInt(&numeric);
        if (!statusLine.first().startsWith("HTTP/1.") || !numeric || status < 100 || status > 999)
            fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
        if (status < 200)
            continue; // an interim answer such as 100 Continue; the real one follows

        m_framing = Framing::untilClose;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            const QByteArray name = lines[i].left(colon).trimmed().toLower();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            if (colon <= 0)
                continue;
            if (name == "transfer-encoding" && value.toLower().contains("chunked")) {
                m_framing = Framing::chunked;
            } else if (name == "content-length" && m_framing != Framing::chunked) {
                bool valid = false;
                m_remaining = value.toLongLong(&valid);
                if (!valid || m_remaining < 0)
                    fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
                m_framing = Framing::length;
            }
        }
        m_status = status;
        if (status == 204 || status == 304 || (m_framing == Framing::length && m_remaining == 0))
            m_bodyComplete = true;
        return true;
    }
}

QByteArray HttpExchange::takeBody()
{
    switch (m_framing) {
    case Framing::untilClose:
        return std::exchange(m_input, {});
    case Framing::length: {
        const QByteArray body = m_input.left(m_remaining);
        m_input.remove(0, body.size());
        m_remaining -= body.size();
        m_bodyComplete = m_remaining == 0;
        return body;
    }
    case Framing::chunked:
        return takeChunkedBody();
    }
    return {};
}

QByteArray HttpExchange::takeChunkedBody()
{
    QByteArray body;
    qsizetype pos = 0;
    while (!m_bodyComplete) {
        if (m_chunkState == ChunkState::data) {
            const qint64 take = qMin<qint64>(m_remaining, m_input.size() - pos);
            body += QByteArrayView(m_input).sliced(pos, take);
            pos += take;
            m_remaining -= take;
            if (m_remaining > 0)
                break;
            m_chunkState = ChunkState::dataEnd;
            continue;
        }
        const qsizetype lineEnd = m_input.indexOf("\r\n", pos);
        if (lineEnd < 0) {
            if (m_input.size() - pos > kMaxChunkLineBytes)
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
            break;
        }
        const QByteArray line = m_input.mid(pos, lineEnd - pos);
        pos = lineEnd + 2;
        switch (m_chunkState) {
        case ChunkState::size: {
            bool valid = false;
            const qsizetype extension = line.indexOf(';');
            m_remaining = (extension < 0 ? line : line.left(extension)).trimmed().toLongLong(&valid, 16);
            if (!valid || m_remaining < 0)
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
            m_chunkState = m_remaining == 0 ? ChunkState::trailer : ChunkState::data;
            break;
        }
        case ChunkState::dataEnd:
            if (!line.isEmpty())
                fail(QT_TRANSLATE_NOOP("LocalModelClient", "the server's answer is not HTTP"));
            m_chunkState = ChunkState::size;
            break;
        case ChunkState::trailer:
            m_bodyComplete = line.isEmpty();
            break;
        case ChunkState::data:
            break;
        }
    }
    m_input.remove(0, pos);
    return body;
}

void HttpExchange::fail(const char *reason)
{
    m_failure = QCoreApplication::translate("LocalModelClient", reason);
    if (m_failure.contains(QLatin1String("%1")))
        m_failure = m_failure.arg(m_limits.maxBodyBytes / (1024 * 1024));
    m_socket->abort();
    throwFailure();
}

void HttpExchange::throwFailure() const
{
    qCDebug(lcAi) << "request failed:" << (m_cancelled ? QStringLiteral("cancelled") : m_failure)
                  << (m_timedOut ? "timed out" : "") << m_socketError.value_or(QAbstractSocket::UnknownSocketError);
    if (m_cancelled)
        throw RequestCancelled();
    if (!m_failure.isEmpty())
        throw RingleError::localModelFailed(m_failure);
    if (m_timedOut)
        throw RingleError::localModelUnreachable(m_serverName);

    switch (m_socketError.value_or(QAbstractSocket::RemoteHostClosedError)) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::RemoteHostClosedError:
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::TemporaryError:
        throw RingleError::localModelUnreachable(m_serverName);
    default:
        throw RingleError::localModelFailed(m_socket->errorString());
    }
}
