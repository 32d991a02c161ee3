#include "globalshortcuts/registry.h"

#include "globalshortcuts/hotkey.h"
#include "globalshortcuts/hotkeycenter.h"
#include "platform/hotkeyservice.h"
#include "platform/userdefaults.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcGlobalShortcuts, "ringle.globalshortcuts")

namespace GlobalShortcuts {

Registry::Registry(UserDefaults &defaults, HotKeyService &service, MenuTracker *menuTracker, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_service(service)
    , m_center(std::make_unique<HotKeyCenter>(service, menuTracker))
{
    connect(&m_defaults, &UserDefaults::valueChanged, this, &Registry::followStoredShortcuts);
}

Registry::~Registry()
{
    m_hotKeys.clear();
}

void Registry::define(const Name &name)
{
    if (m_definedNames.contains(name.rawValue))
        return;
    m_definedNames.insert(name.rawValue);
    if (name.defaultShortcut && !m_defaults.value(name.defaultsKey()))
        m_defaults.setString(name.defaultsKey(), name.defaultShortcut->toJson());
}

void Registry::onKeyDown(const Name &name, Action action)
{
    define(name);
    attach(m_keyDownHandlers, name, std::move(action));
    registerIfNeeded(name);
}

void Registry::onKeyUp(const Name &name, Action action)
{
    define(name);
    attach(m_keyUpHandlers, name, std::move(action));
    registerIfNeeded(name);
}

void Registry::attach(QList<Handlers> &map, const Name &name, Action action)
{
    for (Handlers &entry : map) {
        if (entry.name == name) {
            entry.actions.append(std::move(action));
            return;
        }
    }
    map.append(Handlers{name, {std::move(action)}});
}

std::optional<Shortcut> Registry::shortcut(const Name &name)
{
    define(name);
    const std::optional<QString> json = m_defaults.stringValue(name.defaultsKey());
    return json ? Shortcut::fromJson(*json) : std::nullopt;
}

void Registry::setShortcut(const std::optional<Shortcut> &shortcut, const Name &name)
{
    define(name);
    const QString key = name.defaultsKey();
    if (shortcut) {
        releaseStoredHotKey(name);
        m_defaults.setString(key, shortcut->toJson());
    } else if (name.defaultShortcut) {
        // A cleared name with a default remembers the clearing, so the default is not applied again.
        if (m_defaults.boolValue(key) == false)
            return;
        releaseStoredHotKey(name);
        m_defaults.setBool(key, false);
    } else {
        if (!m_defaults.value(key))
            return;
        releaseStoredHotKey(name);
        m_defaults.remove(key);
    }
    registerIfNeeded(name);
    Q_EMIT shortcutByNameDidChange(name);
}

void Registry::releaseStoredHotKey(const Name &name)
{
    const std::optional<Shortcut> old = shortcut(name);
    if (old && !isActivelyUsedByOtherName(*old, name))
        m_hotKeys.remove(*old);
}

void Registry::followStoredShortcuts(const QString &key)
{
    if (!key.startsWith(Name::defaultsKeyPrefix()))
        return;
    QSet<Shortcut> wanted;
    QList<Name> names;
    for (const QList<Handlers> *map : {&m_keyDownHandlers, &m_keyUpHandlers}) {
        for (const Handlers &entry : *map) {
            if (!m_disabledNames.contains(entry.name) && !names.contains(entry.name))
                names.append(entry.name);
        }
    }
    for (const Name &name : std::as_const(names)) {
        if (const std::optional<Shortcut> stored = shortcut(name))
            wanted.insert(*stored);
    }
    // The old grab goes first, also when the new value cannot be used.
    m_hotKeys.removeIf([&wanted](const auto &entry) { return !wanted.contains(entry.key()); });
    for (const Shortcut &s : std::as_const(wanted))
        registerShortcut(s);
}

bool Registry::hasHandlers(const Name &name) const
{
    const auto has = [&name](const QList<Handlers> &map) {
        return std::any_of(map.cbegin(), map.cend(), [&name](const Handlers &h) { return h.name == name; });
    };
    return has(m_keyDownHandlers) || has(m_keyUpHandlers);
}

bool Registry::isActivelyUsedByOtherName(const Shortcut &shortcut, const Name &name)
{
    QSet<QString> seen;
    for (const QList<Handlers> *map : {&m_keyDownHandlers, &m_keyUpHandlers}) {
        for (const Handlers &entry : *map) {
            if (entry.name == name || m_disabledNames.contains(entry.name) || seen.contains(entry.name.rawValue))
                continue;
            seen.insert(entry.name.rawValue);
            if (this->shortcut(entry.name) == shortcut)
                return true;
        }
    }
    return false;
}

void Registry::registerIfNeeded(const Name &name)
{
    if (m_disabledNames.contains(name) || !hasHandlers(name))
        return;
    if (const std::optional<Shortcut> stored = shortcut(name))
        registerShortcut(*stored);
}

void Registry::registerShortcut(const Shortcut &shortcut)
{
    if (m_hotKeys.contains(shortcut))
        return;
    std::shared_ptr<HotKey> hotKey = m_center->makeHotKey(shortcut);
    hotKey->onKeyDown = [this, shortcut] { handleKeyEvent(shortcut, true); };
    hotKey->onKeyUp = [this, shortcut] { handleKeyEvent(shortcut, false); };
    if (!m_center->registerHotKey(hotKey)) {
        qCDebug(lcGlobalShortcuts) << "The system refused the hot key" << shortcut.toJson();
        return;
    }
    const std::weak_ptr<HotKey> weak = hotKey;
    hotKey->onRegistrationFailed = [this, shortcut, weak] {
        const auto it = m_hotKeys.constFind(shortcut);
        if (it != m_hotKeys.cend() && *it == weak.lock())
            m_hotKeys.remove(shortcut);
    };
    qCDebug(lcGlobalShortcuts).noquote() << "holds the hot key" << shortcut.toJson();
    m_hotKeys.insert(shortcut, std::move(hotKey));
}

void Registry::handleKeyEvent(const Shortcut &shortcut, bool keyDown)
{
    if (m_isPaused)
        return;
    // A copy: handlers may attach further handlers while they run.
    const QList<Handlers> map = keyDown ? m_keyDownHandlers : m_keyUpHandlers;
    for (const Handlers &entry : map) {
        if (m_disabledNames.contains(entry.name) || this->shortcut(entry.name) != shortcut)
            continue;
        for (const Action &action : entry.actions)
            action();
    }
}

void Registry::setEnabled(bool enabled)
{
    m_isEnabled = enabled;
    updateCenterEnabled();
}

void Registry::setPaused(bool paused)
{
    m_isPaused = paused;
    updateCenterEnabled();
}

void Registry::updateCenterEnabled()
{
    m_center->setEnabled(m_isEnabled && !m_isPaused);
}

void Registry::disable(const Name &name)
{
    define(name);
    if (m_disabledNames.contains(name))
        return;
    releaseStoredHotKey(name);
    m_disabledNames.insert(name);
}

void Registry::enable(const Name &name)
{
    if (m_disabledNames.remove(name))
        registerIfNeeded(name);
}

bool Registry::isTakenBySystem(const Shortcut &shortcut)
{
    if (shortcut == Shortcut{Key::f12, {}})
        return false;
    return m_service.isTakenByAnotherClient(shortcut.key, shortcut.modifiers);
}

void Registry::beginRecording(QObject *recorder)
{
    m_activeRecorder = recorder;
    setPaused(true);
    Q_EMIT recorderActiveStatusDidChange(true);
}

void Registry::endRecording(QObject *recorder)
{
    if (!recorder || m_activeRecorder != recorder)
        return;
    m_activeRecorder = nullptr;
    setPaused(false);
    Q_EMIT recorderActiveStatusDidChange(false);
}

} // namespace GlobalShortcuts
