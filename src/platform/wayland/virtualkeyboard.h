#pragma once

#include "platform/wayland/seatkeyboard.h"

#include <QByteArray>
#include <QObject>
#include <QSet>

struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
class WaylandConnection;
class WaylandSeat;

// Synthetic keys through a virtual keyboard of the seat, given the keymap the seat sends Ringle.
// The compositor keeps this keyboard's state apart from the user's and must be told its modifiers.
class VirtualKeyboard final : public QObject, public SeatKeyboard {
    Q_OBJECT
public:
    static bool isOffered(const WaylandConnection &connection);

    VirtualKeyboard(WaylandConnection &connection, WaylandSeat &seat, QObject *parent = nullptr);
    ~VirtualKeyboard() override;

protected:
    bool ready() override;
    void send(quint32 keycode, bool down) override;
    void sendModifiers(KeyModifiers modifiers) override;
    void flush() override;

private:
    bool ensureKeyboard();
    void uploadKeymap();

    WaylandConnection &m_connection;
    zwp_virtual_keyboard_manager_v1 *m_manager = nullptr;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    // The keymap last sent to the compositor.
    QByteArray m_keymapText;
    bool m_keymapStale = true;
};
