#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QCoroTask>
#include <chrono>
#include <optional>

class QNetworkReply;

// One HTTP request to a model server, read as its body arrives. Owns the reply: destroying the
// exchange aborts the request. Failures are thrown as the errors the user sees: network errors
// mapped for `serverName`, a server silent for longer than the inactivity timeout, a body over the cap.
class HttpExchange final : public QObject {
public:
    struct Limits {
        std::chrono::milliseconds inactivityTimeout;
        qint64 maxBodyBytes;
    };

    HttpExchange(QNetworkReply *reply, QString serverName, Limits limits);
    ~HttpExchange() override;

    // The body bytes that arrived since the last call, or nothing once the body is complete.
    // Suspends while the server is quiet.
    QCoro::Task<std::optional<QByteArray>> nextChunk();
    // The rest of the body.
    QCoro::Task<QByteArray> readRest();
    // The HTTP status once the headers arrived; nothing without a response.
    std::optional<int> statusCode() const;
    // Aborts the request; the pending or next read throws RequestCancelled.
    void cancel();

private:
    class Activity;
    bool hasNews() const;
    bool transferFailed() const;
    [[noreturn]] void throwFailure() const;

    QPointer<QNetworkReply> m_reply;
    QString m_serverName;
    Limits m_limits;
    QTimer m_inactivity;
    qint64 m_received = 0;
    bool m_timedOut = false;
    bool m_cancelled = false;
    bool m_tooLarge = false;
};
