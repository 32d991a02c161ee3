#pragma once

#include "platform/keyboard.h"
#include "platform/wayland/shellkeyboard.h"

#include <memory>

class MutterKeyboard;
class MutterRemoteDesktop;
class ShellExtension;
class WaylandSeat;

// Keys on GNOME: through the extension's virtual keyboard, of which GNOME Shell shows no sign.
// Should the shell refuse that, through a remote desktop session of Mutter's, made only then, since
// the top bar shows it as remote access for as long as it lasts.
class GnomeKeyboard final : public Keyboard {
public:
    GnomeKeyboard(WaylandSeat &seat, ShellExtension &extension);
    ~GnomeKeyboard() override;

    void post(const QList<KeyEvent> &events) override;
    KeyModifiers heldModifiers() override { return m_shell.heldModifiers(); }
    KeyChord copyChord(const std::optional<RunningApp> &app) const override { return m_shell.copyChord(app); }
    KeyChord pasteChord(const std::optional<RunningApp> &app) const override { return m_shell.pasteChord(app); }

    // Null while the extension's keyboard serves.
    const MutterKeyboard *fallback() const { return m_mutter.get(); }

private:
    WaylandSeat &m_seat;
    ShellKeyboard m_shell;
    std::unique_ptr<MutterRemoteDesktop> m_session;
    std::unique_ptr<MutterKeyboard> m_mutter;
};
