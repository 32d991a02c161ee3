#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <optional>

// One portal call whose outcome comes later, in the Response signal of a Request object. The
// subscription is made before the call, at the path the portal is going to use, so that a quick
// answer cannot slip by.
class PortalRequest final : public QObject {
    Q_OBJECT
public:
    struct Answer {
        // 0 done, 1 cancelled by the user, 2 ended otherwise.
        quint32 response = 2;
        QVariantMap results;
    };

    explicit PortalRequest(QDBusConnection bus, QObject *parent = nullptr);
    ~PortalRequest() override;

    // For the call's options, as "handle_token".
    QString token() const { return m_token; }
    // Makes the call; false when it fails or is not answered before `deadline` (error() says how).
    bool send(const QDBusMessage &call, QDeadlineTimer deadline);
    // Makes the call without waiting: its failure comes as answered() with response 2.
    void sendWithoutWaiting(const QDBusMessage &call);
    QDBusError::ErrorType error() const { return m_error; }
    // The outcome, waiting for it until `deadline` at most; none when it has not come by then, in
    // which case answered() brings it if it comes at all.
    std::optional<Answer> wait(QDeadlineTimer deadline);
    // Gives up on an unanswered request, so that the portal drops whatever it shows for it.
    void close();

    // "/org/freedesktop/portal/desktop/request/SENDER/TOKEN" for the connection's unique name.
    static QString predictedPath(const QString &uniqueName, const QString &token);
    // A token that is a valid object path element, unique in this process and hard to guess.
    static QString newToken();

Q_SIGNALS:
    void answered(quint32 response, const QVariantMap &results);

private Q_SLOTS:
    void onResponse(const QDBusMessage &message);

private:
    // Follows the handle a portal answered with, where it is not the predicted one.
    void follow(const QDBusMessage &reply);
    void subscribe(const QString &path);
    void unsubscribe();

    QDBusConnection m_bus;
    QString m_token;
    QString m_path;
    QDBusError::ErrorType m_error = QDBusError::NoError;
    bool m_subscribed = false;
    bool m_waiting = false;
    std::optional<Answer> m_answer;
};
