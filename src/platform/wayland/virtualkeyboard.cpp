#include "platform/wayland/virtualkeyboard.h"

#include "platform/linux/mackeycodes.h"
#include "platform/linux/terminalapps.h"
#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandkeyboard.h"
#include "platform/wayland/waylandseat.h"
#include "platform/wayland/xkbkeylookup.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <QLoggingCategory>

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sys/mman.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcKeys, "ringle.wayland.keys")

quint32 nowMilliseconds()
{
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

bool VirtualKeyboard::isOffered(const WaylandConnection &connection)
{
    return connection.offers(zwp_virtual_keyboard_manager_v1_interface.name);
}

VirtualKeyboard::VirtualKeyboard(WaylandConnection &connection, WaylandSeat &seat, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_seat(seat)
    , m_manager(static_cast<zwp_virtual_keyboard_manager_v1 *>(
          connection.bind(&zwp_virtual_keyboard_manager_v1_interface, 1)))
{
    connect(&seat, &WaylandSeat::keymapChanged, this, [this] { m_keymapStale = true; });
    // Made now, not with the first key: a seat that had no keyboard gains one, and applications
    // take a moment to start listening to it; keys sent meanwhile are lost.
    ensureKeyboard();
}

VirtualKeyboard::~VirtualKeyboard()
{
    if (m_keyboard)
        zwp_virtual_keyboard_v1_destroy(m_keyboard);
    if (m_manager)
        zwp_virtual_keyboard_manager_v1_destroy(m_manager);
    m_connection.flush();
}

bool VirtualKeyboard::ensureKeyboard()
{
    if (!m_manager)
        return false;
    if (!m_keyboard)
        m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_manager, m_seat.seat());
    if (m_keymapStale)
        uploadKeymap();
    return m_seat.keymap() != nullptr;
}

void VirtualKeyboard::uploadKeymap()
{
    m_keymapStale = false;
    const QByteArray text = m_seat.keymapText();
    if (text.isEmpty() || text == m_keymapText)
        return;
    const int fd = memfd_create("ringle-keymap", MFD_CLOEXEC);
    const size_t size = size_t(text.size()) + 1; // with the terminating NUL the protocol counts
    void *map = fd >= 0 && ftruncate(fd, off_t(size)) == 0 ? mmap(nullptr, size, PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    if (map == MAP_FAILED) {
        if (fd >= 0)
            close(fd);
        return;
    }
    std::memcpy(map, text.constData(), size);
    munmap(map, size);
    zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, quint32(size));
    close(fd);
    m_keymapText = text;
}

void VirtualKeyboard::send(quint32 keycode, bool down)
{
    zwp_virtual_keyboard_v1_key(m_keyboard, nowMilliseconds(), keycode - 8,
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

void VirtualKeyboard::sendModifiers(KeyModifiers modifiers)
{
    // The compositor does not work the state out from a virtual keyboard's keys: it is told.
    zwp_virtual_keyboard_v1_modifiers(m_keyboard, XkbKeyLookup(m_seat.keymap()).maskFor(modifiers), 0, 0, m_layout);
}

void VirtualKeyboard::post(const QList<KeyEvent> &events)
{
    if (!ensureKeyboard()) {
        qCWarning(lcKeys) << "the compositor offers no virtual keyboard; keys cannot be sent";
        return;
    }
    const XkbKeyLookup lookup(m_seat.keymap());
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
            if (const std::optional<XkbKeyLookup::Location> at = sym ? lookup.find(*sym, m_layout) : std::nullopt) {
                send(at->keycode, true);
                down[at->keycode] = m.flag;
            }
        }
    };
    for (const KeyEvent &event : events) {
        const std::optional<quint32> sym = MacKeyCodes::keysymForKey(event.key);
        const std::optional<XkbKeyLookup::Location> at = sym ? lookup.find(*sym, m_layout) : std::nullopt;
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
    m_connection.flush();
}

KeyModifiers VirtualKeyboard::heldModifiers()
{
    const WaylandKeyboard *keyboard = m_seat.keyboard();
    return keyboard ? keyboard->heldModifiers().value_or(KeyModifiers()) : KeyModifiers();
}

KeyChord VirtualKeyboard::copyChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::copyChord(app);
}

KeyChord VirtualKeyboard::pasteChord(const std::optional<RunningApp> &app) const
{
    return TerminalApps::pasteChord(app);
}
