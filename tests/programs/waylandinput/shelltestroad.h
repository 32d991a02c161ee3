#pragma once

// GNOME Shell's test helper extension (org.ringle.ShellTest on the session bus), where Mutter lets
// no client make input devices: the extension's own virtual devices, fed over D-Bus. Mutter reads
// the keys with its own keymap, the same us one unless XKB_DEFAULT_* says otherwise.
#include "inputroad.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QList>
#include <QVariantList>

class OutputLayout;

class ShellTestRoad final : public InputRoad {
public:
    explicit ShellTestRoad(const OutputLayout &layout);

    // Whether the extension is on the session bus.
    static bool available();
    // Learns where the pointer is; false with a message on stderr when the extension does not say.
    bool start();

    void key(xkb_keycode_t code, bool down) override;
    void moveTo(QPoint at) override;
    // The extension moves only to places, so we keep the place, kept on the desktop as Mutter keeps it.
    void moveBy(QPointF by) override;
    void button(uint32_t evdev, bool down) override;
    void scroll(int steps) override;
    // The bus keeps one sender's calls in order and the shell answers them in order: every answer in
    // means every call handled.
    QByteArray sync() override;

private:
    void call(const QString &method, const QVariantList &arguments);

    struct Pending {
        QString method;
        QDBusPendingCall call;
    };
    const OutputLayout &m_layout;
    QDBusConnection m_bus;
    QList<Pending> m_pending;
    QPointF m_position;
};
