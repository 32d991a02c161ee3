#include "ai/httpexchange.h"

#include "actions/ringleerror.h"
#include "ai/requestcancelled.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <coroutine>

namespace {
// Qt keeps at most this much unread body; the rest waits in the socket until we catch up.
constexpr qint64 kReadBufferBytes = 1024 * 1024;
} // namespace

// Suspends the reading coroutine until the reply has news: data, its end, or its destruction.
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
        QNetworkReply *reply = m_exchange.m_reply;
        // Resumed from the event loop, never from inside the reply's own signal: the coroutine may
        // end the exchange, and that must not happen under the reply's or the timer's feet.
        const auto wake = [this] {
            disconnectAll();
            QMetaObject::invokeMethod(
                &m_exchange, [waiting = m_handle] { waiting.resume(); }, Qt::QueuedConnection);
        };
        m_connections[0] = QObject::connect(reply, &QNetworkReply::readyRead, &m_exchange, wake);
        m_connections[1] = QObject::connect(reply, &QNetworkReply::finished, &m_exchange, wake);
        m_connections[2] = QObject::connect(reply, &QObject::destroyed, &m_exchange, wake);
    }
    void await_resume() { disconnectAll(); }

private:
    void disconnectAll()
    {
        for (QMetaObject::Connection &connection : m_connections)
            QObject::disconnect(connection);
    }

    HttpExchange &m_exchange;
    std::coroutine_handle<> m_handle;
    QMetaObject::Connection m_connections[3];
};

HttpExchange::HttpExchange(QNetworkReply *reply, QString serverName, Limits limits)
    : m_reply(reply)
    , m_serverName(std::move(serverName))
    , m_limits(limits)
{
    m_reply->setReadBufferSize(kReadBufferBytes);
    m_inactivity.setSingleShot(true);
    m_inactivity.setInterval(m_limits.inactivityTimeout);
    connect(&m_inactivity, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
}

HttpExchange::~HttpExchange()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

bool HttpExchange::hasNews() const
{
    return !m_reply || m_reply->bytesAvailable() > 0 || m_reply->isFinished();
}

QCoro::Task<std::optional<QByteArray>> HttpExchange::nextChunk()
{
    while (true) {
        if (m_cancelled || m_timedOut || m_tooLarge || !m_reply)
            throwFailure();
        if (m_reply->bytesAvailable() > 0) {
            QByteArray chunk = m_reply->read(m_reply->bytesAvailable());
            m_received += chunk.size();
            if (m_received > m_limits.maxBodyBytes) {
                m_tooLarge = true;
                m_reply->abort();
                throwFailure();
            }
            co_return chunk;
        }
        if (m_reply->isFinished()) {
            if (transferFailed())
                throwFailure();
            co_return std::nullopt;
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

std::optional<int> HttpExchange::statusCode() const
{
    if (!m_reply)
        return std::nullopt;
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return std::nullopt;
    return status.toInt();
}

void HttpExchange::cancel()
{
    m_cancelled = true;
    if (m_reply)
        m_reply->abort();
}

void HttpExchange::throwFailure() const
{
    if (m_cancelled || !m_reply)
        throw RequestCancelled();
    if (m_timedOut)
        throw RingleError::localModelUnreachable(m_serverName);
    if (m_tooLarge) {
        throw RingleError::localModelFailed(
            QCoreApplication::translate("LocalModelClient", "the answer is larger than %1 MB")
                .arg(m_limits.maxBodyBytes / (1024 * 1024)));
    }

    const QNetworkReply::NetworkError error = m_reply->error();
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        throw RingleError::localModelUnreachable(m_serverName);
    case QNetworkReply::OperationCanceledError:
        throw RequestCancelled();
    default:
        break;
    }
    throw RingleError::localModelFailed(m_reply->errorString());
}

bool HttpExchange::transferFailed() const
{
    const QNetworkReply::NetworkError error = m_reply->error();
    if (error == QNetworkReply::NoError)
        return false;
    // Qt flags failing statuses as errors too; those bodies are complete and the caller judges them.
    const std::optional<int> status = statusCode();
    const bool networkLayer = error < QNetworkReply::ContentAccessDenied;
    return networkLayer || !status || *status == 200;
}
