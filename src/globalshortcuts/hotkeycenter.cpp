#include "globalshortcuts/hotkeycenter.h"

#include "globalshortcuts/hotkey.h"
#include "platform/menutracker.h"

#include <QThread>
#include <algorithm>

namespace GlobalShortcuts {
namespace {
// Modifiers as matching compares them: no function modifier on keys for which the keyboard adds it
// by itself.
KeyModifiers matchingModifiers(Key key, KeyModifiers modifiers)
{
    return key.hasSynthesizedFunctionModifier() ? modifiers.without(KeyModifiers::function) : modifiers;
}
} // namespace

HotKeyCenter::HotKeyCenter(HotKeyService &service, MenuTracker *menuTracker, QObject *parent)
    : QObject(parent)
    , m_service(service)
{
    if (menuTracker) {
        // Queued, so a tracker reporting from another thread only touches the centre on its own.
        connect(menuTracker, &MenuTracker::menuOpenChanged, this, &HotKeyCenter::setMenuOpen,
                Qt::QueuedConnection);
        m_isMenuOpen = menuTracker->isMenuOpen();
        m_mode = m_isMenuOpen ? Mode::menuOpen : Mode::normal;
    }
}

HotKeyCenter::~HotKeyCenter()
{
    for (const std::shared_ptr<HotKey> &hotKey : liveHotKeys()) {
        if (hotKey->handle)
            m_service.unregisterHotKey(*std::exchange(hotKey->handle, std::nullopt));
    }
    if (m_hasEventHandler) {
        m_service.setHotKeyEventsEnabled(false);
        m_service.setRawKeyEventsEnabled(false);
        m_service.setEventHandler({});
    }
}

std::shared_ptr<HotKey> HotKeyCenter::makeHotKey(const Shortcut &shortcut)
{
    return std::make_shared<HotKey>(this, shortcut, ++m_lastHotKeyId);
}

bool HotKeyCenter::registerHotKey(const std::shared_ptr<HotKey> &hotKey)
{
    const Shortcut &shortcut = hotKey->shortcut();
    const std::optional<HotKeyService::Handle> handle =
        m_service.registerHotKey(shortcut.key, shortcut.modifiers, signature, hotKey->id());
    if (!handle)
        return false;
    hotKey->handle = handle;
    m_hotKeys.insert(hotKey->id(), hotKey);

    if (!m_hasEventHandler) {
        m_hasEventHandler = m_service.setEventHandler([this](const HotKeyEvent &event) {
            return handleEvent(event);
        });
        if (!m_hasEventHandler)
            return true;
    }
    applyMode();
    return true;
}

void HotKeyCenter::forget(HotKey &hotKey)
{
    if (hotKey.handle)
        m_service.unregisterHotKey(*std::exchange(hotKey.handle, std::nullopt));
    const auto it = m_hotKeys.find(hotKey.id());
    if (it != m_hotKeys.end() && (it->expired() || it->lock().get() == &hotKey))
        m_hotKeys.erase(it);
}

void HotKeyCenter::setEnabled(bool enabled)
{
    if (m_isEnabled == enabled)
        return;
    m_isEnabled = enabled;
    updateMode();
}

void HotKeyCenter::setMenuOpen(bool open)
{
    if (m_isMenuOpen == open)
        return;
    m_isMenuOpen = open;
    updateMode();
}

void HotKeyCenter::updateMode()
{
    const Mode mode = !m_isEnabled ? Mode::disabled : m_isMenuOpen ? Mode::menuOpen : Mode::normal;
    if (mode == m_mode)
        return;
    m_mode = mode;
    if (m_hasEventHandler)
        applyMode();
}

void HotKeyCenter::applyMode()
{
    if (m_mode == Mode::normal)
        resumeAll();
    else
        pauseAll();
    setHotKeyEventHandlingEnabled(m_mode == Mode::normal);
    setRawKeyEventHandlingEnabled(m_mode == Mode::menuOpen);
}

void HotKeyCenter::pauseAll()
{
    for (const std::shared_ptr<HotKey> &hotKey : liveHotKeys()) {
        if (hotKey->handle)
            m_service.unregisterHotKey(*std::exchange(hotKey->handle, std::nullopt));
    }
}

void HotKeyCenter::resumeAll()
{
    for (const std::shared_ptr<HotKey> &hotKey : liveHotKeys()) {
        if (hotKey->handle)
            continue;
        const Shortcut &shortcut = hotKey->shortcut();
        hotKey->handle = m_service.registerHotKey(shortcut.key, shortcut.modifiers, signature, hotKey->id());
        if (hotKey->handle)
            continue;
        m_hotKeys.remove(hotKey->id());
        if (const auto failed = hotKey->onRegistrationFailed)
            failed();
    }
}

void HotKeyCenter::setHotKeyEventHandlingEnabled(bool enabled)
{
    if (m_hotKeyEventsEnabled == enabled)
        return;
    m_hotKeyEventsEnabled = enabled;
    m_service.setHotKeyEventsEnabled(enabled);
}

void HotKeyCenter::setRawKeyEventHandlingEnabled(bool enabled)
{
    if (m_rawKeyEventsEnabled == enabled)
        return;
    m_rawKeyEventsEnabled = enabled;
    m_service.setRawKeyEventsEnabled(enabled);
}

QList<std::shared_ptr<HotKey>> HotKeyCenter::liveHotKeys() const
{
    QList<std::shared_ptr<HotKey>> live;
    for (const std::weak_ptr<HotKey> &weak : m_hotKeys) {
        if (std::shared_ptr<HotKey> hotKey = weak.lock())
            live.append(std::move(hotKey));
    }
    std::sort(live.begin(), live.end(), [](const auto &a, const auto &b) { return a->id() < b->id(); });
    return live;
}

bool HotKeyCenter::handleEvent(const HotKeyEvent &event)
{
    if (QThread::currentThread() != thread())
        return false;
    switch (event.kind) {
    case HotKeyEvent::Kind::hotKeyPressed:
    case HotKeyEvent::Kind::hotKeyReleased: {
        if (event.signature != signature)
            return false;
        const std::shared_ptr<HotKey> hotKey = m_hotKeys.value(event.id).lock();
        if (!hotKey)
            return false;
        const auto action = event.kind == HotKeyEvent::Kind::hotKeyPressed ? hotKey->onKeyDown : hotKey->onKeyUp;
        if (action)
            action();
        return true;
    }
    case HotKeyEvent::Kind::rawKeyDown:
    case HotKeyEvent::Kind::rawKeyUp:
        if (event.isRepeat)
            return false;
        return runMatching(event.kind == HotKeyEvent::Kind::rawKeyDown, event.key, event.modifiers);
    }
    return false;
}

bool HotKeyCenter::runMatching(bool keyDown, Key key, KeyModifiers modifiers)
{
    const KeyModifiers wanted = matchingModifiers(key, modifiers);
    bool matched = false;
    for (const std::shared_ptr<HotKey> &hotKey : liveHotKeys()) {
        const Shortcut &shortcut = hotKey->shortcut();
        if (shortcut.key != key || matchingModifiers(shortcut.key, shortcut.modifiers) != wanted)
            continue;
        matched = true;
        if (const auto action = keyDown ? hotKey->onKeyDown : hotKey->onKeyUp)
            action();
    }
    return matched;
}

} // namespace GlobalShortcuts
