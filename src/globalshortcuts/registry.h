#pragma once

#include "globalshortcuts/name.h"
#include "globalshortcuts/shortcut.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <functional>
#include <memory>

class HotKeyService;
class MenuTracker;
class UserDefaults;

namespace GlobalShortcuts {

class HotKey;
class HotKeyCenter;

// Named global shortcuts: their storage in user defaults ("GlobalShortcuts_" + name: the shortcut's
// JSON string, or false once the user cleared it), the handlers attached to each name, and one hot key
// per distinct shortcut, shared by every name that uses it. One instance lives as long as the app.
class Registry final : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    // The menu tracker may be null.
    Registry(UserDefaults &defaults, HotKeyService &service, MenuTracker *menuTracker, QObject *parent = nullptr);
    ~Registry() override;

    // Writes the name's default if nothing at all is stored under its key. Every other call taking a
    // name does this first, so a name is defined by its first use.
    void define(const Name &name);

    // Handlers run in the order attached; they are never removed.
    void onKeyDown(const Name &name, Action action);
    void onKeyUp(const Name &name, Action action);

    // The stored shortcut, or none when unset, cleared or unreadable.
    std::optional<Shortcut> shortcut(const Name &name);
    // Stores (or removes) the name's shortcut, moves its hot key and emits shortcutByNameDidChange.
    void setShortcut(const std::optional<Shortcut> &shortcut, const Name &name);

    // Hot keys fire only while enabled and not paused (the recorder pauses them while it records).
    bool isEnabled() const { return m_isEnabled; }
    void setEnabled(bool enabled);
    bool isPaused() const { return m_isPaused; }
    void setPaused(bool paused);

    // Disabled names keep their shortcut but their handlers do not fire.
    void disable(const Name &name);
    void enable(const Name &name);

    // Whether a hot key is registered for the shortcut right now.
    bool isRegistered(const Shortcut &shortcut) const { return m_hotKeys.contains(shortcut); }
    // Whether another program holds the shortcut. F12 alone is never reported.
    bool isTakenBySystem(const Shortcut &shortcut);
    HotKeyCenter &center() { return *m_center; }

    // The recorder that is recording now (at most one). Beginning pauses hot keys; ending resumes them.
    void beginRecording(QObject *recorder);
    void endRecording(QObject *recorder);

Q_SIGNALS:
    // After every change of a name's stored value made through setShortcut.
    void shortcutByNameDidChange(const GlobalShortcuts::Name &name);
    void recorderActiveStatusDidChange(bool isActive);

private:
    struct Handlers {
        Name name;
        QList<Action> actions;
    };

    void attach(QList<Handlers> &map, const Name &name, Action action);
    bool hasHandlers(const Name &name) const;
    bool isActivelyUsedByOtherName(const Shortcut &shortcut, const Name &name);
    void releaseStoredHotKey(const Name &name);
    // Makes the registered hot keys those the stored values ask for, whoever wrote them.
    void followStoredShortcuts(const QString &key);
    void registerIfNeeded(const Name &name);
    void registerShortcut(const Shortcut &shortcut);
    void handleKeyEvent(const Shortcut &shortcut, bool keyDown);
    void updateCenterEnabled();

    UserDefaults &m_defaults;
    HotKeyService &m_service;
    std::unique_ptr<HotKeyCenter> m_center;
    QSet<QString> m_definedNames;
    QList<Handlers> m_keyDownHandlers;
    QList<Handlers> m_keyUpHandlers;
    QSet<Name> m_disabledNames;
    bool m_isEnabled = true;
    bool m_isPaused = false;
    QPointer<QObject> m_activeRecorder;
    // Declared last: hot keys go before the centre they unregister from.
    QHash<Shortcut, std::shared_ptr<HotKey>> m_hotKeys;
};

} // namespace GlobalShortcuts
