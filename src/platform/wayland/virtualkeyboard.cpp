#include "platform/wayland/virtualkeyboard.h"

#include "platform/wayland/waylandconnection.h"
#include "platform/wayland/waylandseat.h"
#include "platform/wayland/xkbkeylookup.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>

namespace {
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
    , SeatKeyboard(seat)
    , m_connection(connection)
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

bool VirtualKeyboard::ready()
{
    return ensureKeyboard();
}

void VirtualKeyboard::flush()
{
    m_connection.flush();
}

bool VirtualKeyboard::ensureKeyboard()
{
    if (!m_manager)
        return false;
    if (!m_keyboard)
        m_keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(m_manager, seat().seat());
    if (m_keymapStale)
        uploadKeymap();
    return seat().keymap() != nullptr;
}

void VirtualKeyboard::uploadKeymap()
{
    m_keymapStale = false;
    const QByteArray text = seat().keymapText();
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
    zwp_virtual_keyboard_v1_modifiers(m_keyboard, XkbKeyLookup(seat().keymap()).maskFor(modifiers), 0, 0, 0);
}

