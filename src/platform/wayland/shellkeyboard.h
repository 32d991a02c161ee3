#pragma once

#include "platform/wayland/seatkeyboard.h"

#include <QByteArray>

class ShellExtension;

// Synthetic keys through a virtual keyboard of Ringle's GNOME Shell extension, in the seat's keymap.
// GNOME Shell reads them into the seat's one keyboard state, so the user's held modifiers mix in.
class ShellKeyboard final : public SeatKeyboard {
public:
    ShellKeyboard(WaylandSeat &seat, ShellExtension &extension);

    // The shell turned a key down (an extension whose virtual keyboard failed): another road is needed.
    bool wasRefused() const { return m_refused; }

protected:
    bool ready() override;
    const char *whyNotReady() const override;
    void send(quint32 keycode, bool down) override;
    void flush() override {}
    bool sharesModifiersWithTheUser() const override { return true; }

private:
    ShellExtension &m_extension;
    bool m_refused = false;
};
