#pragma once

#include "app/desktopbackend.h"

class StatusNotifierWatch;
class MutterRemoteDesktop;
class ShellExtension;
class WaylandPlatform;

// The Wayland backend as the app uses it.
class WaylandDesktop final : public DesktopBackend {
public:
    explicit WaylandDesktop(std::unique_ptr<WaylandPlatform> wayland);
    ~WaylandDesktop() override;

    Kind kind() const override { return Kind::wayland; }
    Platform platform() override;
    OverlaySurfaces *overlaySurfaces() override;
    void watchTrayHosts(TrayIcon &icon) override;
    QCoro::Task<void> handOverClipboard() override;
    QString name() const override;
    QList<DesktopCapability> capabilities() override;
    void askForAccess() override;
    void setLostHandler(std::function<void(const QString &)> handler) override;
    void setShortcutChangeHandler(std::function<void(std::optional<Key>, KeyModifiers)> handler) override;

    WaylandPlatform &wayland() { return *m_wayland; }

private:
    DesktopCapability keystrokeLine() const;
    DesktopCapability clipboardLine() const;
    static DesktopCapability mutterLine(DesktopCapability::Kind kind, const MutterRemoteDesktop &session);
    QList<DesktopCapability> gnomeCapabilities(const ShellExtension &shell);

    std::unique_ptr<WaylandPlatform> m_wayland;
    std::unique_ptr<StatusNotifierWatch> m_trayHosts;
};
