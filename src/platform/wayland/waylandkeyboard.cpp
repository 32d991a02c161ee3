#include "platform/wayland/waylandkeyboard.h"

#include "platform/wayland/waylandseat.h"
#include "platform/wayland/xkbqtkeys.h"

#include <QLoggingCategory>
#include <QTimer>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <clocale>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcWayland)

namespace {
// A keymap of several megabytes is no keymap; nothing of that size gets mapped.
constexpr quint32 maxKeymapSize = 4 * 1024 * 1024;

WaylandKeyboard *self(void *data)
{
    return static_cast<WaylandKeyboard *>(data);
}

void keymap(void *data, wl_keyboard *, uint32_t format, int32_t fd, uint32_t size)
{
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
        self(data)->setKeymap(fd, size);
    close(fd);
}

void enter(void *data, wl_keyboard *, uint32_t, wl_surface *surface, wl_array *)
{
    self(data)->enter(surface);
}

void leave(void *data, wl_keyboard *, uint32_t, wl_surface *surface)
{
    self(data)->leave(surface);
}

void key(void *data, wl_keyboard *, uint32_t, uint32_t, uint32_t key, uint32_t state)
{
    self(data)->key(key, state == WL_KEYBOARD_KEY_STATE_PRESSED);
}

void modifiers(void *data, wl_keyboard *, uint32_t, uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group)
{
    self(data)->modifiers(depressed, latched, locked, group);
}

void repeatInfo(void *data, wl_keyboard *, int32_t rate, int32_t delay)
{
    self(data)->setRepeat(rate, delay);
}

const wl_keyboard_listener listener = {
    .keymap = keymap,
    .enter = enter,
    .leave = leave,
    .key = key,
    .modifiers = modifiers,
    .repeat_info = repeatInfo,
};

bool active(xkb_state *state, const char *modifier)
{
    return xkb_state_mod_name_is_active(state, modifier, XKB_STATE_MODS_EFFECTIVE) > 0;
}
} // namespace

WaylandKeyboard::WaylandKeyboard(wl_keyboard *keyboard, SinkLookup sinks, QObject *parent)
    : QObject(parent)
    , m_keyboard(keyboard)
    , m_sinks(std::move(sinks))
    , m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
    , m_repeat(new QTimer(this))
{
    const char *locale = std::getenv("LC_ALL");
    if (!locale || !*locale)
        locale = std::getenv("LC_CTYPE");
    if (!locale || !*locale)
        locale = std::getenv("LANG");
    if (m_context) {
        m_composeTable = xkb_compose_table_new_from_locale(m_context, locale && *locale ? locale : "C",
                                                           XKB_COMPOSE_COMPILE_NO_FLAGS);
        if (m_composeTable)
            m_compose = xkb_compose_state_new(m_composeTable, XKB_COMPOSE_STATE_NO_FLAGS);
    }
    m_repeat->setTimerType(Qt::PreciseTimer);
    connect(m_repeat, &QTimer::timeout, this, &WaylandKeyboard::repeatKey);
    wl_keyboard_add_listener(m_keyboard, &listener, this);
}

WaylandKeyboard::~WaylandKeyboard()
{
    if (wl_keyboard_get_version(m_keyboard) >= 3)
        wl_keyboard_release(m_keyboard);
    else
        wl_keyboard_destroy(m_keyboard);
    xkb_compose_state_unref(m_compose);
    xkb_compose_table_unref(m_composeTable);
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

void WaylandKeyboard::setKeymap(int fd, quint32 size)
{
    if (!m_context || size == 0 || size > maxKeymapSize)
        return;
    void *map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED)
        return;
    // The text ends with a NUL the size counts; one missing is tolerated.
    QByteArray text(static_cast<const char *>(map), qsizetype(size));
    munmap(map, size);
    if (text.endsWith('\0'))
        text.chop(1);
    xkb_keymap *compiled = xkb_keymap_new_from_buffer(m_context, text.constData(), size_t(text.size()),
                                                      XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!compiled) {
        qCWarning(lcWayland) << "the compositor sent a keymap that does not compile";
        return;
    }
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    m_keymap = compiled;
    m_state = xkb_state_new(m_keymap);
    m_keymapText = text;
    Q_EMIT keymapChanged();
}

void WaylandKeyboard::enter(wl_surface *surface)
{
    m_focus = surface;
    if (SeatInputSink *sink = m_sinks(surface))
        sink->keyboardFocusChanged(true);
}

void WaylandKeyboard::leave(wl_surface *surface)
{
    m_repeat->stop();
    if (m_compose)
        xkb_compose_state_reset(m_compose);
    if (m_focus == surface)
        m_focus = nullptr;
    if (SeatInputSink *sink = m_sinks(surface))
        sink->keyboardFocusChanged(false);
}

Qt::KeyboardModifiers WaylandKeyboard::qtModifiers() const
{
    Qt::KeyboardModifiers result;
    if (!m_state)
        return result;
    if (active(m_state, XKB_MOD_NAME_SHIFT))
        result |= Qt::ShiftModifier;
    if (active(m_state, XKB_MOD_NAME_CTRL))
        result |= Qt::ControlModifier;
    if (active(m_state, XKB_MOD_NAME_ALT))
        result |= Qt::AltModifier;
    if (active(m_state, XKB_MOD_NAME_LOGO))
        result |= Qt::MetaModifier;
    return result;
}

std::optional<KeyModifiers> WaylandKeyboard::heldModifiers() const
{
    if (!m_focus || !m_state)
        return std::nullopt;
    return KeyModifiers::fromQt(qtModifiers());
}

SurfaceKeyEvent WaylandKeyboard::translate(quint32 keycode, bool pressed)
{
    SurfaceKeyEvent event;
    event.pressed = pressed;
    event.nativeScanCode = keycode;
    xkb_keysym_t keysym = xkb_state_key_get_one_sym(m_state, keycode);
    event.nativeVirtualKey = keysym;
    event.modifiers = qtModifiers();
    event.nativeModifiers = xkb_state_serialize_mods(m_state, XKB_STATE_MODS_EFFECTIVE);
    char buffer[64] = {};
    bool composed = false;
    if (pressed && m_compose) {
        xkb_compose_state_feed(m_compose, keysym);
        switch (xkb_compose_state_get_status(m_compose)) {
        case XKB_COMPOSE_COMPOSING:
            event.key = 0;
            return event;
        case XKB_COMPOSE_COMPOSED:
            xkb_compose_state_get_utf8(m_compose, buffer, sizeof buffer);
            keysym = xkb_compose_state_get_one_sym(m_compose);
            xkb_compose_state_reset(m_compose);
            composed = true;
            break;
        case XKB_COMPOSE_CANCELLED:
            xkb_compose_state_reset(m_compose);
            event.key = 0;
            return event;
        case XKB_COMPOSE_NOTHING:
            break;
        }
    }
    if (!composed)
        xkb_state_key_get_utf8(m_state, keycode, buffer, sizeof buffer);
    event.text = QString::fromUtf8(buffer);
    event.key = XkbQtKeys::qtKey(keysym);
    if (XkbQtKeys::isKeypad(keysym))
        event.modifiers |= Qt::KeypadModifier;
    return event;
}

void WaylandKeyboard::key(quint32 key, bool pressed)
{
    if (!m_state)
        return;
    const quint32 keycode = key + 8;
    SeatInputSink *sink = m_focus ? m_sinks(m_focus) : nullptr;
    if (pressed && m_repeatInterval > 0 && xkb_keymap_key_repeats(m_keymap, keycode)) {
        m_repeatKey = keycode;
        m_repeat->start(m_repeatDelay);
    } else if (!pressed && keycode == m_repeatKey) {
        m_repeat->stop();
    }
    const SurfaceKeyEvent event = translate(keycode, pressed);
    if (sink && event.key != 0)
        sink->keyEvent(event);
}

void WaylandKeyboard::repeatKey()
{
    m_repeat->setInterval(m_repeatInterval);
    SeatInputSink *sink = m_focus ? m_sinks(m_focus) : nullptr;
    if (!sink || !m_state)
        return;
    // Qt sees a repeat as a release and a press, both marked.
    SurfaceKeyEvent release = translate(m_repeatKey, false);
    release.autoRepeat = true;
    SurfaceKeyEvent press = translate(m_repeatKey, true);
    press.autoRepeat = true;
    if (press.key == 0)
        return;
    sink->keyEvent(release);
    sink->keyEvent(press);
}

void WaylandKeyboard::modifiers(quint32 depressed, quint32 latched, quint32 locked, quint32 group)
{
    if (m_state)
        xkb_state_update_mask(m_state, depressed, latched, locked, 0, 0, group);
}

void WaylandKeyboard::setRepeat(qint32 rate, qint32 delay)
{
    // A rate of 0 turns repeating off.
    m_repeatInterval = rate > 0 ? std::max(1, 1000 / rate) : 0;
    m_repeatDelay = std::max(0, delay);
    if (m_repeatInterval == 0)
        m_repeat->stop();
}
