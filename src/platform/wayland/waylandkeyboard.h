#pragma once

#include "keys/keymodifiers.h"
#include "platform/overlaysurfaces.h"

#include <QByteArray>
#include <QObject>
#include <functional>
#include <optional>

struct wl_keyboard;
struct wl_surface;
struct xkb_compose_state;
struct xkb_compose_table;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;
class QTimer;
class SeatInputSink;

// The seat's keyboard as Ringle sees it: the keymap the compositor sends (the user's layout, which
// synthetic keys must use too), the modifiers while one of Ringle's surfaces has the focus, and keys
// for that surface translated to Qt's terms, with dead keys composed and held keys repeated.
class WaylandKeyboard final : public QObject {
    Q_OBJECT
public:
    using SinkLookup = std::function<SeatInputSink *(wl_surface *)>;

    WaylandKeyboard(wl_keyboard *keyboard, SinkLookup sinks, QObject *parent = nullptr);
    ~WaylandKeyboard() override;

    // The keymap as the compositor sent it (XKB text), empty until it has.
    const QByteArray &keymapText() const { return m_keymapText; }
    xkb_keymap *keymap() const { return m_keymap; }
    // The modifiers held now, known only while one of Ringle's surfaces has the keyboard.
    std::optional<KeyModifiers> heldModifiers() const;
    bool hasFocus() const { return m_focus != nullptr; }

    // Internal to the protocol listeners.
    void setKeymap(int fd, quint32 size);
    void enter(wl_surface *surface);
    void leave(wl_surface *surface);
    void key(quint32 key, bool pressed);
    void modifiers(quint32 depressed, quint32 latched, quint32 locked, quint32 group);
    void setRepeat(qint32 rate, qint32 delay);

Q_SIGNALS:
    void keymapChanged();

private:
    SurfaceKeyEvent translate(quint32 keycode, bool pressed);
    Qt::KeyboardModifiers qtModifiers() const;
    void repeatKey();

    wl_keyboard *m_keyboard;
    SinkLookup m_sinks;
    xkb_context *m_context = nullptr;
    xkb_keymap *m_keymap = nullptr;
    xkb_state *m_state = nullptr;
    xkb_compose_table *m_composeTable = nullptr;
    xkb_compose_state *m_compose = nullptr;
    QByteArray m_keymapText;
    wl_surface *m_focus = nullptr;
    QTimer *m_repeat;
    quint32 m_repeatKey = 0;
    int m_repeatInterval = 40;
    int m_repeatDelay = 400;
};
