#pragma once

#include "platform/keyboard.h"

#include <QByteArray>
#include <QObject>
#include <QSet>

struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;
class WaylandConnection;
class WaylandSeat;

// Synthetic keys through a virtual keyboard of the seat, with the keymap the seat sends Ringle (the
// user's layout, so a German keyboard posts Ctrl+Z on its own Z key). The compositor keeps this
// keyboard's state apart from the user's: the target sees exactly the modifiers of each event,
// pressed as real keys before it and let go after the sequence.
class VirtualKeyboard final : public QObject, public Keyboard {
    Q_OBJECT
public:
    static bool isOffered(const WaylandConnection &connection);

    VirtualKeyboard(WaylandConnection &connection, WaylandSeat &seat, QObject *parent = nullptr);
    ~VirtualKeyboard() override;

    void post(const QList<KeyEvent> &events) override;
    // Known only while one of Ringle's surfaces has the keyboard; none held otherwise, since the
    // compositor tells no other client.
    KeyModifiers heldModifiers() override;
    KeyChord copyChord(const std::optional<RunningApp> &app) const override;
    KeyChord pasteChord(const std::optional<RunningApp> &app) const override;

private:
    bool ensureKeyboard();
    void uploadKeymap();
    void send(quint32 keycode, bool down);
    void sendModifiers(KeyModifiers modifiers);

    WaylandConnection &m_connection;
    WaylandSeat &m_seat;
    zwp_virtual_keyboard_manager_v1 *m_manager = nullptr;
    zwp_virtual_keyboard_v1 *m_keyboard = nullptr;
    // The keymap last sent to the compositor.
    QByteArray m_keymapText;
    bool m_keymapStale = true;
    quint32 m_layout = 0;
};
