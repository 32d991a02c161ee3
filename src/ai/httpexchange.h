#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QCoroTask>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

class QTcpSocket;

// One HTTP/1.1 request to a model server over its own connection, read as the body arrives.
// The socket's read buffer is bounded, so a server that sends faster than we read is held back by
// TCP itself. Destroying the exchange drops the connection. Failures are thrown as the errors the
// user sees: unreachable (for `serverName`) when the connection fails or goes silent for longer than
// the inactivity timeout, failed when the response is malformed or its body exceeds the cap,
// RequestCancelled after cancel().
class HttpExchange final : public QObject {
public:
    struct Limits {
        std::chrono::milliseconds inactivityTimeout;
        qint64 maxBodyBytes;
    };
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    HttpExchange(const QByteArray &method, const QUrl &url, const Headers &headers, const QByteArray &body,
                 QString serverName, Limits limits);
    ~HttpExchange() override;

    // The body bytes that arrived since the last call, or nothing once the body is complete.
    QCoro::Task<std::optional<QByteArray>> nextChunk();
    // The rest of the body.
    QCoro::Task<QByteArray> readRest();
    // The status once the response head arrived (it has, after the first nextChunk()).
    std::optional<int> statusCode() const { return m_status; }
    // Drops the connection; the pending or next read throws RequestCancelled.
    void cancel();

private:
    class Activity;
    enum class Framing { length, chunked, untilClose };
    enum class ChunkState { size, data, dataEnd, trailer };

    bool hasNews() const;
    bool parseHead();
    QByteArray takeBody();
    QByteArray takeChunkedBody();
    [[noreturn]] void fail(const char *reason);
    [[noreturn]] void throwFailure() const;

    std::unique_ptr<QTcpSocket> m_socket;
    QByteArray m_request;
    QString m_serverName;
    Limits m_limits;
    QTimer m_inactivity;

    QByteArray m_input; // raw bytes not yet parsed
    std::optional<int> m_status;
    Framing m_framing = Framing::untilClose;
    qint64 m_remaining = 0; // of a length-framed body, or of the current chunk
    ChunkState m_chunkState = ChunkState::size;
    bool m_bodyComplete = false;
    qint64 m_received = 0;

    std::optional<QAbstractSocket::SocketError> m_socketError;
    QString m_failure; // a malformed response or an oversized body
    bool m_timedOut = false;
    bool m_cancelled = false;
    Activity *m_waiting = nullptr;
};
