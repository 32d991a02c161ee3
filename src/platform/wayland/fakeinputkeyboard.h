#pragma once

#include "platform/wayland/seatkeyboard.h"

struct org_kde_kwin_fake_input;
class WaylandConnection;

// Synthetic keys through KWin's fake input, which KWin grants to programs whose desktop entry names
// it. KWin reads the keys with the user's own keymap and works the modifiers out from them.
class FakeInputKeyboard final : public SeatKeyboard {
public:
    // The desktop entry key that asks KWin for it, and the interface's name there.
    static constexpr const char *interfaceName = "org_kde_kwin_fake_input";
    static bool isOffered(const WaylandConnection &connection);

    FakeInputKeyboard(WaylandConnection &connection, WaylandSeat &seat);
    ~FakeInputKeyboard() override;

protected:
    bool ready() override { return m_input != nullptr; }
    void send(quint32 keycode, bool down) override;
    void flush() override;
    // KWin reads these keys into the same state as the user's keyboard.
    bool sharesModifiersWithTheUser() const override { return true; }

private:
    WaylandConnection &m_connection;
    org_kde_kwin_fake_input *m_input = nullptr;
};
