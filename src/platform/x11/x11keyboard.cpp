#include "platform/x11/x11keyboard.h"

#include "platform/linux/mackeycodes.h"
#include "platform/linux/terminalapps.h"
#include "platform/x11/x11connection.h"

#include <QLoggingCategory>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <map>
#include <set>

namespace {
Q_LOGGING_CATEGORY(lcKeys, "ringle.x11.keys")
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
            if (const std::optional<KeyModifiers::Flag> modifier = m_keyboard.modifierOfKeycode(kc)) {
                m_down[kc] = *modifier;
                m_userHeld.insert(kc);
            }
        }
    }

    // Brings the modifier keys (all but `exceptKeycode`) to exactly `wanted`.
    void ensureModifiers(KeyModifiers wanted, quint8 exceptKeycode)
    {
        for (auto it = m_down.begin(); it != m_down.end();) {
            const auto [kc, modifier] = *it;
            ++it;
            if (kc != exceptKeycode && !wanted.contains(modifier)) {
                fake(false, kc);
                if (m_userHeld.count(kc))
                    m_released.insert(kc);
            }
        }
        for (const ModifierKey &m : modifierKeys) {
            if (!wanted.contains(m.flag) || hasDown(m.flag))
                continue;
            if (const quint8 kc = m_keyboard.keycodeForKey(m.key))
                fake(true, kc);
        }
    }

    void post(const KeyEvent &event)
    {
        const quint8 kc = m_keyboard.keycodeForKey(event.key);
        if (!kc) {
            qCDebug(lcKeys) << "this keyboard has no key for virtual key code" << event.key.code;
            return;
        }
        ensureModifiers(event.modifiers.without(KeyModifiers::function), event.key.modifierFlag() ? kc : 0);
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
    bool hasDown(KeyModifiers::Flag flag) const
    {
        for (const auto &[kc, modifier] : m_down) {
            if (modifier == flag)
                return true;
        }
        return false;
    }

    void fake(bool down, quint8 kc)
    {
        xcb_test_fake_input(m_c, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, kc, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        const std::optional<KeyModifiers::Flag> modifier = m_keyboard.modifierOfKeycode(kc);
        if (!modifier)
            return;
        if (down)
            m_down[kc] = *modifier;
        else
            m_down.erase(kc);
    }

    X11Keyboard &m_keyboard;
    xcb_connection_t *m_c;
    std::map<quint8, KeyModifiers::Flag> m_down;
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

std::optional<KeyModifiers::Flag> X11Keyboard::modifierOfKeycode(quint8 keycode) const
{
    return MacKeyCodes::modifierOfKeysym(xcb_key_symbols_get_keysym(m_symbols, keycode, 0));
}

quint8 X11Keyboard::keycodeForKey(Key key) const
{
    const std::optional<quint32> sym = MacKeyCodes::keysymForKey(key);
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

KeyModifiers X11Keyboard::heldModifiers()
{
    KeyModifiers held;
    for (quint8 kc : keycodesDown()) {
        if (const std::optional<KeyModifiers::Flag> modifier = modifierOfKeycode(kc))
            held = held | *modifier;
    }
    return held;
}

KeyChord X11Keyboard::copyChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::copyChord(app);
}

KeyChord X11Keyboard::pasteChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::pasteChord(app);
}
