#pragma once

#include "platform/hotkeyservice.h"

#include <QHash>
#include <QObject>
#include <memory>

class MenuTracker;

namespace GlobalShortcuts {

class HotKey;
struct Shortcut;

// Talks to the system's hot-key service: registers hot keys, delivers their events, and pauses them
// while disabled or while a menu holds the keyboard (then raw key events are matched instead).
class HotKeyCenter final : public QObject {
    Q_OBJECT
public:
    enum class Mode { disabled, normal, menuOpen };
    Q_ENUM(Mode)

    // Stamped into every id given to the system: the letters R, N, G, K.
    static constexpr quint32 signature = 0x524E474B;

    // The tracker may be null (no menus to watch).
    HotKeyCenter(HotKeyService &service, MenuTracker *menuTracker, QObject *parent = nullptr);
    ~HotKeyCenter() override;

    // A new hot key with the next id (the first is 1); not yet registered.
    std::shared_ptr<HotKey> makeHotKey(const Shortcut &shortcut);
    // Registers with the system; on failure the hot key keeps no handle and stays out of the id map.
    bool registerHotKey(const std::shared_ptr<HotKey> &hotKey);
    // Called by a hot key that goes away.
    void forget(HotKey &hotKey);

    bool isEnabled() const { return m_isEnabled; }
    void setEnabled(bool enabled);
    bool isMenuOpen() const { return m_isMenuOpen; }
    Mode mode() const { return m_mode; }
    quint32 lastHotKeyId() const { return m_lastHotKeyId; }

    // The installed event handler: answers whether the event was handled.
    bool handleEvent(const HotKeyEvent &event);

private:
    void setMenuOpen(bool open);
    void updateMode();
    void applyMode();
    void pauseAll();
    void resumeAll();
    void setHotKeyEventHandlingEnabled(bool enabled);
    void setRawKeyEventHandlingEnabled(bool enabled);
    QList<std::shared_ptr<HotKey>> liveHotKeys() const;
    bool runMatching(bool keyDown, Key key, KeyModifiers modifiers);

    HotKeyService &m_service;
    quint32 m_lastHotKeyId = 0;
    QHash<quint32, std::weak_ptr<HotKey>> m_hotKeys;
    bool m_hasEventHandler = false;
    bool m_isEnabled = true;
    bool m_isMenuOpen = false;
    bool m_hotKeyEventsEnabled = false;
    bool m_rawKeyEventsEnabled = false;
    Mode m_mode = Mode::normal;
};

} // namespace GlobalShortcuts
