#pragma once

#include <QObject>

// Says when a StatusNotifierItem host (the tray of KDE, waybar, swaybar, ...) may have started or
// gone: the watcher's name changing owner on the session bus.
class StatusNotifierWatch final : public QObject {
    Q_OBJECT
public:
    explicit StatusNotifierWatch(QObject *parent = nullptr);

    // Whether the session bus can be watched at all.
    bool isActive() const { return m_active; }
    // Whether a watcher runs now, so a tray icon can be shown.
    static bool hasWatcher();

Q_SIGNALS:
    void changed();

private:
    bool m_active = false;
};
