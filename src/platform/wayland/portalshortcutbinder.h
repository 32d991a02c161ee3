#pragma once

#include "platform/wayland/shortcutbinder.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

class PortalRequest;
class QDBusObjectPath;

// Shortcuts bound through the desktop portal's GlobalShortcuts interface, in one session that
// lives as long as this object. The portal takes the session's whole list at once, so every
// change sends all of it again.
class PortalShortcutBinder final : public QObject, public ShortcutBinder {
    Q_OBJECT
public:
    // None when the bus has no portal with GlobalShortcuts or it refuses a session; waits a few
    // seconds at most.
    static std::unique_ptr<PortalShortcutBinder> create(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalShortcutBinder() override;

    void setEventHandler(EventHandler handler) override { m_handler = std::move(handler); }
    // Waits a moment for the portal's answer; when the portal takes longer (it may be asking the
    // user) the answer is true and a later refusal comes as shortcutLost().
    bool bind(quint64 id, Key key, KeyModifiers modifiers) override;
    void unbind(quint64 id) override;
    // The portal does not say which combinations others hold.
    bool isTaken(Key, KeyModifiers) override { return false; }

    bool hasSession() const { return !m_session.isEmpty(); }
    // How the portal says the shortcut is triggered (the user may have chosen another trigger),
    // or empty when it has not said.
    QString triggerDescription(quint64 id) const { return m_shortcuts.value(id).boundAs; }

Q_SIGNALS:
    // A shortcut bind() took is not bound any more: refused after all, or the session ended.
    void shortcutLost(quint64 id);

private Q_SLOTS:
    void onActivated(const QDBusObjectPath &session, const QString &shortcutId);
    void onDeactivated(const QDBusObjectPath &session, const QString &shortcutId);
    void onSessionClosed();

private:
    struct Shortcut {
        QString trigger;
        QString boundAs;
    };

    explicit PortalShortcutBinder(QDBusConnection bus);

    bool openSession(QDeadlineTimer deadline);
    void closeSession();
    bool renewSession();
    void endSession(const char *why);
    void dropAll(const char *why);
    // Sends the whole list and applies the answer if it comes before `answerBy`; true when it is
    // still to come.
    bool sendList(QDeadlineTimer answerBy);
    bool callBindShortcuts();
    void applyAnswer(quint32 response, const QVariantMap &results);
    // Told through shortcutLost() unless bind() is asking for it.
    void forget(quint64 id);
    void releaseHeld();
    std::optional<quint64> idOf(const QDBusObjectPath &session, const QString &shortcutId) const;

    QDBusConnection m_bus;
    QDBusServiceWatcher m_portalWatcher;
    QString m_session;
    QMap<quint64, Shortcut> m_shortcuts;
    // Sent to the portal, and bind() answered before the portal did.
    QSet<quint64> m_unconfirmed;
    QSet<quint64> m_held;
    std::optional<quint64> m_asking;
    std::unique_ptr<PortalRequest> m_pending;
    EventHandler m_handler;
};
