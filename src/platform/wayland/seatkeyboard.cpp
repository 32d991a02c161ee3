#include "platform/wayland/seatkeyboard.h"

#include "platform/linux/mackeycodes.h"
#include "platform/linux/terminalapps.h"
#include "platform/wayland/waylandkeyboard.h"
#include "platform/wayland/waylandseat.h"
#include "platform/wayland/xkbkeylookup.h"

#include <QLoggingCategory>

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <map>

namespace {
Q_LOGGING_CATEGORY(lcKeys, "ringle.wayland.keys")
} // namespace

void SeatKeyboard::post(const QList<KeyEvent> &events)
{
    if (!ready()) {
        qCWarning(lcKeys) << whyNotReady() << "- keys cannot be sent";
        return;
    }
    const XkbKeyLookup lookup(m_seat.keymap());
    constexpr quint32 layout = 0;
    if (sharesModifiersWithTheUser())
        releaseModifierKeys(lookup);
    // The modifier keys this sequence holds down, by keycode.
    std::map<quint32, KeyModifiers::Flag> down;
    KeyModifiers state;
    const auto setModifierKeys = [&](KeyModifiers wanted, quint32 exceptKeycode) {
        for (auto it = down.begin(); it != down.end();) {
            const auto [kc, flag] = *it;
            if (kc != exceptKeycode && !wanted.contains(flag)) {
                send(kc, false);
                it = down.erase(it);
            } else {
                ++it;
            }
        }
        for (const ModifierKey &m : modifierKeys) {
            const bool held = std::any_of(down.cbegin(), down.cend(), [&](const auto &d) { return d.second == m.flag; });
            if (!wanted.contains(m.flag) || held)
                continue;
            const std::optional<quint32> sym = MacKeyCodes::keysymForKey(m.key);
            if (const std::optional<XkbKeyLookup::Location> at = sym ? lookup.find(*sym, layout) : std::nullopt) {
                send(at->keycode, true);
                down[at->keycode] = m.flag;
            }
        }
    };
    for (const KeyEvent &event : events) {
        const std::optional<quint32> sym = MacKeyCodes::keysymForKey(event.key);
        const std::optional<XkbKeyLookup::Location> at = sym ? lookup.find(*sym, layout) : std::nullopt;
        if (!at) {
            qCDebug(lcKeys) << "this keyboard has no key for virtual key code" << event.key.code;
            continue;
        }
        const KeyModifiers wanted = event.modifiers.without(KeyModifiers::function);
        setModifierKeys(wanted, event.key.modifierFlag() ? at->keycode : 0);
        if (wanted != state) {
            sendModifiers(wanted);
            state = wanted;
        }
        send(at->keycode, event.down);
    }
    for (const auto &[kc, flag] : down)
        send(kc, false);
    if (!state.isEmpty())
        sendModifiers({});
    flush();
}

void SeatKeyboard::releaseModifierKeys(const XkbKeyLookup &lookup)
{
    // Both sides' keys: a release of a key nobody holds changes nothing.
    static constexpr quint32 keysyms[] = {XKB_KEY_Control_L, XKB_KEY_Control_R, XKB_KEY_Alt_L, XKB_KEY_Alt_R,
                                          XKB_KEY_Shift_L,   XKB_KEY_Shift_R,   XKB_KEY_Super_L, XKB_KEY_Super_R,
                                          XKB_KEY_Meta_L,    XKB_KEY_Meta_R,    XKB_KEY_ISO_Level3_Shift};
    for (const quint32 keysym : keysyms) {
        if (const std::optional<XkbKeyLookup::Location> at = lookup.find(keysym))
            send(at->keycode, false);
    }
}

KeyModifiers SeatKeyboard::heldModifiers()
{
    const WaylandKeyboard *keyboard = m_seat.keyboard();
    return keyboard ? keyboard->heldModifiers().value_or(KeyModifiers()) : KeyModifiers();
}

KeyChord SeatKeyboard::copyChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::copyChord(app);
}

KeyChord SeatKeyboard::pasteChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::pasteChord(app);
}
