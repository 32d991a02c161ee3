#include "pointer.h"

#include "eventtime.h"
#include "outputs.h"

#include "fake-input-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <QString>

#include <wayland-client.h>

namespace {
struct Button {
    const char *number;
    const char *name;
    uint32_t code;
};
// evdev BTN_LEFT and on.
constexpr Button buttons[] = {
    {"1", "left", 0x110}, {"2", "middle", 0x112}, {"3", "right", 0x111}, {"4", "side", 0x113}, {"5", "extra", 0x114},
};
} // namespace

VirtualPointer::VirtualPointer(zwlr_virtual_pointer_manager_v1 *manager, wl_seat *seat, const OutputLayout &layout)
    : m_pointer(zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat))
    , m_layout(layout)
{}

VirtualPointer::VirtualPointer(org_kde_kwin_fake_input *fakeInput, const OutputLayout &layout)
    : m_fakeInput(fakeInput)
    , m_layout(layout)
{}

VirtualPointer::~VirtualPointer()
{
    if (m_pointer)
        zwlr_virtual_pointer_v1_destroy(m_pointer);
}

std::optional<uint32_t> VirtualPointer::buttonCode(const QByteArray &name)
{
    const QByteArray lower = name.toLower();
    for (const Button &button : buttons) {
        if (lower == button.number || lower == button.name)
            return button.code;
    }
    if (lower == "back")
        return 0x113;
    if (lower == "forward")
        return 0x114;
    return std::nullopt;
}

QByteArray VirtualPointer::moveTo(int x, int y)
{
    const QRect desktop = m_layout.desktop();
    if (desktop.isEmpty())
        return "no output is known";
    if (!desktop.contains(x, y)) {
        return QString::asprintf("%d,%d is off the desktop, which is %dx%d at %d,%d", x, y, desktop.width(),
                                 desktop.height(), desktop.x(), desktop.y())
            .toUtf8();
    }
    if (m_fakeInput) {
        org_kde_kwin_fake_input_pointer_motion_absolute(m_fakeInput, wl_fixed_from_int(x), wl_fixed_from_int(y));
        return {};
    }
    zwlr_virtual_pointer_v1_motion_absolute(m_pointer, eventTime(), uint32_t(x - desktop.x()),
                                            uint32_t(y - desktop.y()), uint32_t(desktop.width()),
                                            uint32_t(desktop.height()));
    zwlr_virtual_pointer_v1_frame(m_pointer);
    return {};
}

void VirtualPointer::moveBy(double dx, double dy)
{
    if (m_fakeInput) {
        org_kde_kwin_fake_input_pointer_motion(m_fakeInput, wl_fixed_from_double(dx), wl_fixed_from_double(dy));
        return;
    }
    zwlr_virtual_pointer_v1_motion(m_pointer, eventTime(), wl_fixed_from_double(dx), wl_fixed_from_double(dy));
    zwlr_virtual_pointer_v1_frame(m_pointer);
}

void VirtualPointer::press(uint32_t code)
{
    if (m_held.contains(code))
        return;
    m_held.append(code);
    button(code, true);
}

void VirtualPointer::release(uint32_t code)
{
    if (m_held.removeOne(code))
        button(code, false);
}

void VirtualPointer::releaseAll()
{
    while (!m_held.isEmpty())
        release(m_held.last());
}

void VirtualPointer::scroll(int steps)
{
    // 15 is the angle one wheel notch reports through libinput.
    const wl_fixed_t value = wl_fixed_from_int(steps * 15);
    if (m_fakeInput) {
        org_kde_kwin_fake_input_axis(m_fakeInput, WL_POINTER_AXIS_VERTICAL_SCROLL, value);
        return;
    }
    const uint32_t time = eventTime();
    zwlr_virtual_pointer_v1_axis_source(m_pointer, WL_POINTER_AXIS_SOURCE_WHEEL);
    zwlr_virtual_pointer_v1_axis_discrete(m_pointer, time, WL_POINTER_AXIS_VERTICAL_SCROLL, value, steps);
    zwlr_virtual_pointer_v1_frame(m_pointer);
}

void VirtualPointer::button(uint32_t code, bool down)
{
    if (m_fakeInput) {
        org_kde_kwin_fake_input_button(m_fakeInput, code, down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        return;
    }
    zwlr_virtual_pointer_v1_button(m_pointer, eventTime(), code,
                                   down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(m_pointer);
}
