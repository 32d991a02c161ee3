#include "virtualdevicesroad.h"

#include "eventtime.h"
#include "outputs.h"

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sys/mman.h>
#include <unistd.h>

VirtualDevicesRoad::VirtualDevicesRoad(WaylandConnection &connection, zwp_virtual_keyboard_manager_v1 *keyboards,
                                       zwlr_virtual_pointer_manager_v1 *pointers, wl_seat *seat,
                                       const OutputLayout &layout)
    : m_connection(connection)
    // The seat has no keyboard or pointer before the first virtual device: make both at once.
    , m_keyboard(zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboards, seat))
    , m_pointer(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointers, seat))
    , m_layout(layout)
{}

VirtualDevicesRoad::~VirtualDevicesRoad()
{
    zwlr_virtual_pointer_v1_destroy(m_pointer);
    zwp_virtual_keyboard_v1_destroy(m_keyboard);
    xkb_state_unref(m_state);
}

bool VirtualDevicesRoad::useKeymap(xkb_keymap *keymap)
{
    xkb_state_unref(m_state);
    m_state = xkb_state_new(keymap);
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    if (!m_state || !text) {
        std::free(text);
        std::fprintf(stderr, "waylandinput: cannot write the keymap out\n");
        return false;
    }
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("waylandinput-keymap", MFD_CLOEXEC);
    bool written = fd >= 0;
    for (size_t done = 0; written && done < size;) {
        const ssize_t n = ::write(fd, text + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += written ? size_t(n) : 0;
    }
    std::free(text);
    if (written)
        zwp_virtual_keyboard_v1_keymap(m_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    else
        std::fprintf(stderr, "waylandinput: cannot store the keymap: %s\n", std::strerror(errno));
    // The request holds a duplicate of the descriptor.
    if (fd >= 0)
        ::close(fd);
    m_connection.flush();
    return written;
}

void VirtualDevicesRoad::key(xkb_keycode_t code, bool down)
{
    zwp_virtual_keyboard_v1_key(m_keyboard, eventTime(), code - 8,
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    // The compositor takes a virtual keyboard's modifiers from us, not from its keys.
    xkb_state_update_key(m_state, code, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    const uint32_t mods[4] = {xkb_state_serialize_mods(m_state, XKB_STATE_MODS_DEPRESSED),
                              xkb_state_serialize_mods(m_state, XKB_STATE_MODS_LATCHED),
                              xkb_state_serialize_mods(m_state, XKB_STATE_MODS_LOCKED),
                              xkb_state_serialize_layout(m_state, XKB_STATE_LAYOUT_EFFECTIVE)};
    if (std::equal(std::begin(mods), std::end(mods), std::begin(m_sentMods)))
        return;
    std::copy(std::begin(mods), std::end(mods), std::begin(m_sentMods));
    zwp_virtual_keyboard_v1_modifiers(m_keyboard, mods[0], mods[1], mods[2], mods[3]);
}

void VirtualDevicesRoad::moveTo(QPoint at)
{
    const QRect desktop = m_layout.desktop();
    zwlr_virtual_pointer_v1_motion_absolute(m_pointer, eventTime(), uint32_t(at.x() - desktop.x()),
                                            uint32_t(at.y() - desktop.y()), uint32_t(desktop.width()),
                                            uint32_t(desktop.height()));
    zwlr_virtual_pointer_v1_frame(m_pointer);
}

void VirtualDevicesRoad::moveBy(QPointF by)
{
    zwlr_virtual_pointer_v1_motion(m_pointer, eventTime(), wl_fixed_from_double(by.x()), wl_fixed_from_double(by.y()));
    zwlr_virtual_pointer_v1_frame(m_pointer);
}

void VirtualDevicesRoad::button(uint32_t evdev, bool down)
{
    zwlr_virtual_pointer_v1_button(m_pointer, eventTime(), evdev,
                                   down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(m_pointer);
}

void VirtualDevicesRoad::scroll(int steps)
{
    const wl_fixed_t value = wl_fixed_from_int(steps * notchAngle);
    const uint32_t time = eventTime();
    zwlr_virtual_pointer_v1_axis_source(m_pointer, WL_POINTER_AXIS_SOURCE_WHEEL);
    zwlr_virtual_pointer_v1_axis_discrete(m_pointer, time, WL_POINTER_AXIS_VERTICAL_SCROLL, value, steps);
    zwlr_virtual_pointer_v1_frame(m_pointer);
}
