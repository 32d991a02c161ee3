#pragma once

#include "globalshortcuts/shortcut.h"
#include "platform/hotkeyservice.h"

#include <QPointer>
#include <functional>
#include <optional>

namespace GlobalShortcuts {

class HotKeyCenter;

// One hot key registered with the system. Owned by the registry; the centre keeps a weak reference
// under its id. Releasing it unregisters its handle and removes it from the centre.
class HotKey final {
public:
    HotKey(HotKeyCenter *center, const Shortcut &shortcut, quint32 id);
    ~HotKey();
    Q_DISABLE_COPY_MOVE(HotKey)

    const Shortcut &shortcut() const { return m_shortcut; }
    quint32 id() const { return m_id; }

    std::function<void()> onKeyDown;
    std::function<void()> onKeyUp;
    std::function<void()> onRegistrationFailed;
    // What the system returned for the registration; none while unregistered or paused.
    std::optional<HotKeyService::Handle> handle;

private:
    QPointer<HotKeyCenter> m_center;
    Shortcut m_shortcut;
    quint32 m_id;
};

} // namespace GlobalShortcuts
