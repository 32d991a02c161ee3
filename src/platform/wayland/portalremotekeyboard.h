#pragma once

#include "platform/wayland/seatkeyboard.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <utility>

class PortalRequest;

// Synthetic keys through the desktop portal's RemoteDesktop interface, for a compositor that takes
// them from no client of its own (KWin before it grants fake input). The portal asks the user once;
// where it keeps the answer, the token it gives is stored so that later starts are not asked again.
class PortalRemoteKeyboard final : public QObject, public SeatKeyboard {
    Q_OBJECT
public:
    enum class State {
        // Not asked yet: begin() asks.
        idle,
        // Opening the session, before the question.
        opening,
        // The portal is showing its question.
        asking,
        granted,
        // The user said no, or the portal gave no keyboard.
        refused,
        // The session ended or the portal went away.
        ended,
    };

    // Whether the bus has a RemoteDesktop portal that offers a keyboard; waits a few seconds at most.
    static bool isOffered(QDBusConnection bus = QDBusConnection::sessionBus());
    // None when the bus has no RemoteDesktop portal that offers a keyboard. `tokenPath` keeps the
    // portal's restore token between starts.
    static std::unique_ptr<PortalRemoteKeyboard> create(WaylandSeat &seat, QString tokenPath,
                                                        QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalRemoteKeyboard() override;

    // Opens the session and asks the user, without waiting: what comes of it comes as
    // stateChanged().
    void begin();
    State state() const { return m_state; }
    // Whether the portal gave a restore token at some earlier start.
    bool wasGrantedBefore() const;

    // Where the token is kept for this user.
    static QString defaultTokenPath();

Q_SIGNALS:
    void stateChanged();

protected:
    bool ready() override { return m_state == State::granted; }
    const char *whyNotReady() const override { return "the RemoteDesktop portal has not let Ringle control the keyboard"; }
    void send(quint32 keycode, bool down) override;
    void flush() override {}
    // The portal hands the keys to the compositor's own fake input, beside the user's keyboard.
    bool sharesModifiersWithTheUser() const override { return true; }

private Q_SLOTS:
    void onSessionClosed();

private:
    PortalRemoteKeyboard(WaylandSeat &seat, QString tokenPath, QDBusConnection bus, quint32 version);

    // One step of opening the session; `next` takes the portal's answer.
    void call(const QString &method, const QList<QVariant> &arguments, QVariantMap options,
              void (PortalRemoteKeyboard::*next)(quint32, const QVariantMap &));
    void onCreated(quint32 response, const QVariantMap &results);
    void onSelected(quint32 response, const QVariantMap &results);
    void onStarted(quint32 response, const QVariantMap &results);
    void end(State state, const char *why);
    void setState(State state);
    void sendNextKey();
    void storeToken(const QString &token) const;
    QString storedToken() const;

    QDBusConnection m_bus;
    QDBusServiceWatcher m_portalWatcher;
    QString m_tokenPath;
    quint32 m_version = 1;
    QString m_session;
    std::unique_ptr<PortalRequest> m_pending;
    QTimer m_openingBound;
    State m_state = State::idle;
    // Keys waiting for the one before them to be taken.
    QList<std::pair<quint32, bool>> m_keys;
    bool m_keyInFlight = false;
};
