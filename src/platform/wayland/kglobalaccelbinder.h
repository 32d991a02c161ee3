#pragma once

#include "platform/wayland/kglobalaccelkeys.h"
#include "platform/wayland/shortcutbinder.h"

#include <QDBusConnection>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Shortcuts bound through KDE's KGlobalAccel (KWin's global shortcuts): one component for Ringle
// with one action per shortcut, so they show in Plasma's own shortcut settings, where the user may
// also change them.
class KGlobalAccelBinder final : public QObject, public ShortcutBinder {
    Q_OBJECT
public:
    // A shortcut changed in Plasma's settings: its new combination, none when cleared there.
    using ChangeHandler = std::function<void(quint64 id, std::optional<KGlobalAccelKeys::Combination>)>;

    static const QString componentName;

    // None when the bus has no KGlobalAccel running (it is not started for Ringle).
    static std::unique_ptr<KGlobalAccelBinder> create(QDBusConnection bus = QDBusConnection::sessionBus());
    ~KGlobalAccelBinder() override;

    void setEventHandler(EventHandler handler) override { m_handler = std::move(handler); }
    void setChangeHandler(ChangeHandler handler) { m_changeHandler = std::move(handler); }
    bool bind(quint64 id, Key key, KeyModifiers modifiers) override;
    void unbind(quint64 id) override;
    bool isTaken(Key key, KeyModifiers modifiers) override;

    // The action a shortcut is bound under ("actionWheel" for the first).
    QString actionName(quint64 id) const { return m_actions.value(id).name; }

private Q_SLOTS:
    void onPressed(const QString &component, const QString &action, qlonglong timestamp);
    void onReleased(const QString &component, const QString &action, qlonglong timestamp);
    void onShortcutsChanged(const QStringList &actionId, const QList<KGlobalAccelKeys::Sequence> &keys);

private:
    struct Action {
        QString name;
        int combination = 0;
    };

    explicit KGlobalAccelBinder(QDBusConnection bus);
    QStringList actionId(const QString &name) const;
    QString freeActionName(quint64 id) const;
    std::optional<quint64> idOf(const QString &component, const QString &action) const;
    bool followComponent();

    QDBusConnection m_bus;
    QMap<quint64, Action> m_actions;
    QSet<quint64> m_held;
    bool m_followsComponent = false;
    EventHandler m_handler;
    ChangeHandler m_changeHandler;
};
