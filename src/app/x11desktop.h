#pragma once

#include "app/desktopbackend.h"

class WaylandHotKeyService;
class X11Platform;
class X11TrayHostWatch;

// The X11 backend as the app uses it. Under XWayland on GNOME (48 and later) without Ringle's
// extension, the desktop's GlobalShortcuts portal binds the shortcut, since X11 grabs hold only while
// an XWayland app has the keyboard.
class X11Desktop final : public DesktopBackend {
public:
    explicit X11Desktop(std::unique_ptr<X11Platform> x11);
    ~X11Desktop() override;

    Kind kind() const override { return Kind::x11; }
    Platform platform() override;
    void watchTrayHosts(TrayIcon &icon) override;
    QCoro::Task<void> handOverClipboard() override;
    // An X server that dies takes Qt's connection down with it; Qt ends the process then.
    QString name() const override;
    QList<DesktopCapability> capabilities() override;
    void setLostHandler(std::function<void(const QString &)>) override {}

private:
    std::unique_ptr<X11Platform> m_x11;
    std::unique_ptr<WaylandHotKeyService> m_portalHotKeys;
    std::unique_ptr<X11TrayHostWatch> m_trayHosts;
};
