#include "platform/x11/x11keyboard.h"

#include "platform/x11/mackeycodes.h"
#include "platform/x11/terminalapps.h"
#include "platform/x11/x11connection.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <X11/keysym.h>

#include <cstdlib>
#include <map>
#include <set>

namespace {
Q_LOGGING_CATEGORY(lcKeys, "ringle.x11.keys")

// The key that stands for each modifier when one must be pressed: the left one.
struct ModifierKey {
    quint64 flag;
    quint16 keyCode;
};
constexpr ModifierKey modifierKeys[] = {
    {EventFlag::control, 59},
    {EventFlag::option, 58},
    {EventFlag::shift, 56},
    {EventFlag::command, 55},
};

quint64 modifierFlagOfKeysym(xcb_keysym_t sym)
{
    switch (sym) {
    case XK_Shift_L:
    case XK_Shift_R:
        return EventFlag::shift;
    case XK_Control_L:
    case XK_Control_R:
        return EventFlag::control;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R:
    case XK_ISO_Level3_Shift: // AltGr sits where the right Option key is
        return EventFlag::option;
    case XK_Super_L:
    case XK_Super_R:
    case XK_Hyper_L:
    case XK_Hyper_R:
        return EventFlag::command;
    default:
        return 0;
    }
}

// The modifier a virtual key code presses itself (its own key events carry or drop that flag).
quint64 modifierFlagOfKeyCode(quint16 keyCode)
{
    switch (keyCode) {
    case 54:
    case 55:
        return EventFlag::command;
    case 56:
    case 60:
        return EventFlag::shift;
    case 58:
    case 61:
        return EventFlag::option;
    case 59:
    case 62:
        return EventFlag::control;
    default:
        return 0;
    }
}
} // namespace

// One sequence of events, tracking which modifier keys are down, which it pressed and which
// of the user's it released.
class X11Keyboard::Poster final {
public:
    Poster(X11Keyboard &keyboard)
        : m_keyboard(keyboard)
        , m_c(keyboard.m_connection.connection())
    {
        for (quint8 kc : m_keyboard.keycodesDown()) {
            if (const quint64 flag = m_keyboard.modifierFlagOfKeycode(kc)) {
                m_down[kc] = flag;
                m_userHeld.insert(kc);
            }
        }
    }

    // Brings the modifier keys (all but `exceptKeycode`) to exactly `wanted`.
    void ensureModifiers(quint64 wanted, quint8 exceptKeycode)
    {
        for (auto it = m_down.begin(); it != m_down.end();) {
            const auto [kc, flag] = *it;
            ++it;
            if (kc != exceptKeycode && !(wanted & flag)) {
                fake(false, kc);
                if (m_userHeld.count(kc))
                    m_released.insert(kc);
            }
        }
        for (const ModifierKey &m : modifierKeys) {
            if (!(wanted & m.flag) || hasDown(m.flag))
                continue;
            if (const quint8 kc = m_keyboard.keycodeForKeyCode(m.keyCode))
                fake(true, kc);
        }
    }

    void post(const KeyEvent &event)
    {
        const quint8 kc = m_keyboard.keycodeForKeyCode(event.keyCode);
        if (!kc) {
            qCDebug(lcKeys) << "this keyboard has no key for virtual key code" << event.keyCode;
            return;
        }
        ensureModifiers(event.flags & EventFlag::modifierMask, modifierFlagOfKeyCode(event.keyCode) ? kc : 0);
        fake(event.down, kc);
    }

    // Releases what this sequence left pressed and presses again what the user still holds.
    void finish()
    {
        for (auto it = m_down.begin(); it != m_down.end();) {
            const quint8 kc = it->first;
            ++it;
            if (!m_userHeld.count(kc))
                fake(false, kc);
        }
        if (m_released.empty())
            return;
        // A server may refuse to release a key another device holds; pressing such a key again
        // would leave it stuck once the user lets go, so only keys that did go up are pressed.
        m_keyboard.m_connection.sync();
        const QList<quint8> down = m_keyboard.keycodesDown();
        for (quint8 kc : m_released) {
            if (!down.contains(kc))
                fake(true, kc);
        }
    }

private:
    bool hasDown(quint64 flag) const
    {
        for (const auto &[kc, f] : m_down) {
            if (f == flag)
                return true;
        }
        return false;
    }

    void fake(bool down, quint8 kc)
    {
        xcb_test_fake_input(m_c, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, kc, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        const quint64 flag = m_keyboard.modifierFlagOfKeycode(kc);
        if (!flag)
            return;
        if (down)
            m_down[kc] = flag;
        else
            m_down.erase(kc);
    }

    X11Keyboard &m_keyboard;
    xcb_connection_t *m_c;
    std::map<quint8, quint64> m_down;
    std::set<quint8> m_userHeld;
    std::set<quint8> m_released;
};

X11Keyboard::X11Keyboard(X11Connection &connection)
    : m_connection(connection)
    , m_symbols(xcb_key_symbols_alloc(connection.connection()))
{
    m_handler = m_connection.addEventHandler([this](const void *event) { onEvent(event); });
}

X11Keyboard::~X11Keyboard()
{
    m_connection.removeEventHandler(m_handler);
    xcb_key_symbols_free(m_symbols);
}

void X11Keyboard::onEvent(const void *e)
{
    auto *event = static_cast<xcb_generic_event_t *>(const_cast<void *>(e));
    if ((event->response_type & 0x7f) == XCB_MAPPING_NOTIFY)
        xcb_refresh_keyboard_mapping(m_symbols, reinterpret_cast<xcb_mapping_notify_event_t *>(event));
}

quint64 X11Keyboard::modifierFlagOfKeycode(quint8 keycode) const
{
    return modifierFlagOfKeysym(xcb_key_symbols_get_keysym(m_symbols, keycode, 0));
}

quint8 X11Keyboard::keycodeForKeyCode(quint16 keyCode) const
{
    const std::optional<quint32> sym = MacKeyCodes::keysymForKeyCode(keyCode);
    if (!sym)
        return 0;
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols, *sym);
    if (!codes)
        return 0;
    // Prefer a key that gives the keysym without Shift, so no extra modifier is implied.
    quint8 chosen = 0;
    for (xcb_keycode_t *kc = codes; *kc != XCB_NO_SYMBOL; ++kc) {
        if (!chosen)
            chosen = *kc;
        if (xcb_key_symbols_get_keysym(m_symbols, *kc, 0) == *sym) {
            chosen = *kc;
            break;
        }
    }
    std::free(codes);
    return chosen;
}

QList<quint8> X11Keyboard::keycodesDown() const
{
    xcb_connection_t *c = m_connection.connection();
    xcb_query_keymap_reply_t *reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    QList<quint8> down;
    if (!reply)
        return down;
    for (int byte = 0; byte < 32; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            if (reply->keys[byte] & (1 << bit))
                down.append(quint8(byte * 8 + bit));
        }
    }
    std::free(reply);
    return down;
}

void X11Keyboard::post(const QList<KeyEvent> &events)
{
    if (!m_connection.hasXTest()) {
        qCWarning(lcKeys) << "the X server has no XTest extension; keys cannot be sent";
        return;
    }
    Poster poster(*this);
    for (const KeyEvent &event : events)
        poster.post(event);
    poster.finish();
    m_connection.sync();
}

quint64 X11Keyboard::modifierFlags()
{
    quint64 flags = 0;
    for (quint8 kc : keycodesDown())
        flags |= modifierFlagOfKeycode(kc);
    return flags;
}

KeyChord X11Keyboard::copyChord(const std::optional<RunningApp> &app) const
{
    const bool terminal = app && TerminalApps::isTerminalEmulator(app->appId);
    return {8, EventFlag::control | (terminal ? EventFlag::shift : 0)};
}

KeyChord X11Keyboard::pasteChord(const std::optional<RunningApp> &app) const
{
    const bool terminal = app && TerminalApps::isTerminalEmulator(app->appId);
    return {9, EventFlag::control | (terminal ? EventFlag::shift : 0)};
}
