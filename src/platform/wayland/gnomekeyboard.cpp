#include "platform/wayland/gnomekeyboard.h"

#include "platform/wayland/mutterkeyboard.h"
#include "platform/wayland/mutterremotedesktop.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcGnomeKeys, "ringle.wayland.keys")
} // namespace

GnomeKeyboard::GnomeKeyboard(WaylandSeat &seat, ShellExtension &extension)
    : m_seat(seat)
    , m_shell(seat, extension)
{
}

GnomeKeyboard::~GnomeKeyboard()
{
    // The keyboard uses the session.
    m_mutter.reset();
}

void GnomeKeyboard::post(const QList<KeyEvent> &events)
{
    if (m_shell.wasRefused() && !m_mutter && MutterRemoteDesktop::isOffered()) {
        qCWarning(lcGnomeKeys) << "GNOME Shell refused the extension's keys; they go through Mutter's remote desktop now";
        m_session = std::make_unique<MutterRemoteDesktop>(MutterRemoteDesktop::Use::input);
        m_mutter = std::make_unique<MutterKeyboard>(m_seat, *m_session);
    }
    if (m_mutter)
        m_mutter->post(events);
    else
        m_shell.post(events);
}
