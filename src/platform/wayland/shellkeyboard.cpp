#include "platform/wayland/shellkeyboard.h"

#include "platform/wayland/shellextension.h"

ShellKeyboard::ShellKeyboard(WaylandSeat &seat, ShellExtension &extension)
    : SeatKeyboard(seat)
    , m_extension(extension)
{
}

bool ShellKeyboard::ready()
{
    return m_extension.isConnected() && !m_refused;
}

const char *ShellKeyboard::whyNotReady() const
{
    return m_refused ? "GNOME Shell refused the keys of Ringle's extension" : "Ringle's GNOME Shell extension is off";
}

void ShellKeyboard::send(quint32 keycode, bool down)
{
    // The shell takes the calls in order, so each key stays behind the one before it.
    m_extension.send(u"PostKey"_qs, {keycode - 8, down}, {}, [this](const QString &) { m_refused = true; });
}
