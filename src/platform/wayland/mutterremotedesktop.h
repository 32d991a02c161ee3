#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <QCoroTask>
#include <chrono>

// One session of Mutter's own remote desktop service (GNOME Shell), which takes keys and serves the
// clipboard without asking the user. Mutter ends the session when this process's bus connection
// goes, and every session with it when GNOME Shell restarts; start() then makes a new one.
class MutterRemoteDesktop final : public QObject {
    Q_OBJECT
public:
    static inline const QString service = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    static inline const QString sessionInterface = QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
    // Creating and starting a session together; Mutter answers at once unless it hangs.
    static constexpr std::chrono::milliseconds startBound{5000};
    // Each call on the session.
    static constexpr std::chrono::milliseconds callBound{2000};

    enum class State { idle, starting, started, failed, ended };
    // What the session is for. Input needs it started, which GNOME Shell shows as a remote
    // access in the top bar for as long as the session lasts; the clipboard alone does not.
    enum class Use { clipboard, input };

    // Whether the service has an owner on `bus`; asks the bus, for a second at most.
    static bool isOffered(QDBusConnection bus = QDBusConnection::sessionBus());
    // The types a SelectionOwnerChanged's options list; none when they list none Ringle can read.
    static QStringList mimeTypes(const QVariantMap &ownerOptions);

    explicit MutterRemoteDesktop(Use use, QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~MutterRemoteDesktop() override;

    // Makes a session unless one is being made or running; what comes of it comes as stateChanged().
    void start();
    // start(), then waits until the session runs or failed (bounded by startBound).
    QCoro::Task<bool> ready();
    State state() const { return m_state; }
    bool isRunning() const { return m_state == State::started; }
    // Why the session does not run, for logs and status lines; empty while it runs.
    QString whyNotReady() const;
    QString sessionPath() const { return m_session; }

    // A method of the running session, without waiting; an error reply when none runs.
    QDBusPendingCall call(const QString &method, const QList<QVariant> &arguments = {});
    // Waits, without blocking the loop, for a call's answer.
    static QCoro::Task<QDBusMessage> answer(QDBusPendingCall call);
    // Waits, blocking for `timeout` at most, until Mutter has answered everything this process sent
    // before, and hands on the signals it sent meanwhile. False when it did not answer in time.
    bool catchUp(std::chrono::milliseconds timeout);
    // The same without blocking.
    QCoro::Task<bool> settle();

Q_SIGNALS:
    void stateChanged();
    void selectionOwnerChanged(const QVariantMap &options);
    void selectionTransfer(const QString &mimeType, quint32 serial);

private Q_SLOTS:
    void onClosed();
    void onSelectionOwnerChanged(const QDBusMessage &message);
    void onSelectionTransfer(const QDBusMessage &message);

private:
    QCoro::Task<void> open();
    void follow(bool on);
    void end(State state, const QString &why);
    void setState(State state);
    QDBusMessage sessionCall(const QString &method, const QList<QVariant> &arguments) const;

    Use m_use;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_serviceWatcher;
    QTimer m_startBound;
    State m_state = State::idle;
    QString m_session;
    QString m_why;
    // Each attempt's number, so that answers to an abandoned one are dropped.
    quint64 m_attempt = 0;
};
