#include "platform/wayland/fakeinputkeyboard.h"

#include "platform/wayland/waylandconnection.h"

#include "fake-input-client-protocol.h"

#include <QCoreApplication>

#include <wayland-client.h>

namespace {
// The first version with keyboard keys.
constexpr quint32 keysVersion = 4;
} // namespace

bool FakeInputKeyboard::isOffered(const WaylandConnection &connection)
{
    return connection.offeredVersion(org_kde_kwin_fake_input_interface.name) >= keysVersion;
}

FakeInputKeyboard::FakeInputKeyboard(WaylandConnection &connection, WaylandSeat &seat)
    : SeatKeyboard(seat)
    , m_connection(connection)
    , m_input(static_cast<org_kde_kwin_fake_input *>(connection.bind(&org_kde_kwin_fake_input_interface, keysVersion, keysVersion)))
{
    if (!m_input)
        return;
    // What KWin may show the user when it asks whether to allow it.
    org_kde_kwin_fake_input_authenticate(
        m_input, "Ringle",
        QCoreApplication::translate("FakeInputKeyboard", "Ringle copies the selected text and pastes the result with "
                                                         "Ctrl+C and Ctrl+V, and sends your key combinations.")
            .toUtf8()
            .constData());
    m_connection.flush();
}

FakeInputKeyboard::~FakeInputKeyboard()
{
    if (m_input)
        org_kde_kwin_fake_input_destroy(m_input);
    m_connection.flush();
}

void FakeInputKeyboard::send(quint32 keycode, bool down)
{
    org_kde_kwin_fake_input_keyboard_key(m_input, keycode - 8, down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

void FakeInputKeyboard::flush()
{
    m_connection.flush();
}
