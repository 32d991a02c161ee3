#pragma once

#include "platform/wayland/mutterremotedesktop.h"
#include "platform/wayland/seatkeyboard.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <utility>

// Synthetic keys through a remote desktop session of GNOME Shell's, which takes no client's keys
// otherwise. Mutter reads them with the user's keymap into the seat's one keyboard state, so the
// modifiers the user holds mix in.
class MutterKeyboard final : public QObject, public SeatKeyboard {
    Q_OBJECT
public:
    // A seat that had no keyboard gets one with the session's first key; its clients need this long
    // to take it in before a key reaches them.
    static constexpr std::chrono::milliseconds warmUp{400};
    // KEY_UNKNOWN: no layout gives it a symbol, so the key that brings the keyboard does nothing.
    static constexpr quint32 harmlessKey = 240;

    // Starts `session` (made for input) at once if it is not running, so that the first keys need
    // not wait for it; it may serve the clipboard too.
    MutterKeyboard(WaylandSeat &seat, MutterRemoteDesktop &session, QObject *parent = nullptr);

    const MutterRemoteDesktop &session() const { return m_remote; }
    bool isReady() const { return m_remote.isRunning(); }

protected:
    bool ready() override;
    const char *whyNotReady() const override;
    void send(quint32 keycode, bool down) override;
    void flush() override {}
    bool sharesModifiersWithTheUser() const override { return true; }

private:
    void sessionChanged();
    void sendNextKey();

    MutterRemoteDesktop &m_remote;
    mutable QByteArray m_why;
    // Keys waiting for the one before them to be taken, as evdev codes.
    QList<std::pair<quint32, bool>> m_keys;
    bool m_keyInFlight = false;
    QTimer m_warmUp;
};
