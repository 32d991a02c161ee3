#include "fakeinputroad.h"

#include "fake-input-client-protocol.h"

FakeInputRoad::FakeInputRoad(WaylandConnection &connection, org_kde_kwin_fake_input *fakeInput)
    : m_connection(connection)
    , m_fakeInput(fakeInput)
{
    org_kde_kwin_fake_input_authenticate(m_fakeInput, "waylandinput", "acts as the user in tests");
}

void FakeInputRoad::key(xkb_keycode_t code, bool down)
{
    org_kde_kwin_fake_input_keyboard_key(m_fakeInput, code - 8,
                                         down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

void FakeInputRoad::moveTo(QPoint at)
{
    org_kde_kwin_fake_input_pointer_motion_absolute(m_fakeInput, wl_fixed_from_int(at.x()), wl_fixed_from_int(at.y()));
}

void FakeInputRoad::moveBy(QPointF by)
{
    org_kde_kwin_fake_input_pointer_motion(m_fakeInput, wl_fixed_from_double(by.x()), wl_fixed_from_double(by.y()));
}

void FakeInputRoad::button(uint32_t evdev, bool down)
{
    org_kde_kwin_fake_input_button(m_fakeInput, evdev,
                                   down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
}

void FakeInputRoad::scroll(int steps)
{
    org_kde_kwin_fake_input_axis(m_fakeInput, WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(steps * notchAngle));
}
