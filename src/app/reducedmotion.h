#pragma once

#include <QByteArray>
#include <QObject>
#include <optional>

class QProcess;

// Whether the desktop asks for reduced motion, read once at start from GNOME's
// org.gnome.desktop.interface enable-animations (the setting other GTK desktops follow too). Without
// gsettings or that schema the answer stays "no". The query runs in the background and is bounded.
class ReducedMotion final : public QObject {
    Q_OBJECT
public:
    explicit ReducedMotion(QObject *parent = nullptr);

    void query();
    bool isOn() const { return m_on; }

    // "false\n" (animations disabled) means reduced motion; none for anything unexpected.
    static std::optional<bool> fromEnableAnimations(const QByteArray &gsettingsOutput);

Q_SIGNALS:
    void changed(bool on);

private:
    void finished();

    QProcess *m_process = nullptr;
    bool m_on = false;
};
