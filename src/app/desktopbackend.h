#pragma once

#include "keys/key.h"
#include "platform/desktopcapability.h"
#include "platform/platform.h"

#include <QCoroTask>
#include <QString>
#include <functional>
#include <memory>

class OverlaySurfaces;
class TrayIcon;

// A desktop's backend as the app uses it: every port, and what only the app asks of it.
class DesktopBackend {
public:
    enum class Kind { x11, wayland };

    // The backend of this kind, or none when its display cannot be used (`why` says why).
    static std::unique_ptr<DesktopBackend> create(Kind kind, QString *why = nullptr);
    virtual ~DesktopBackend() = default;

    virtual Kind kind() const = 0;
    virtual Platform platform() = 0;
    // Where floating windows go on a desktop that cannot float a window above others without the
    // focus (Wayland); null where Qt's own windows do.
    virtual OverlaySurfaces *overlaySurfaces() { return nullptr; }
    // Shows the tray icon once a tray starts, without polling where the desktop can tell.
    virtual void watchTrayHosts(TrayIcon &icon) = 0;
    // At quit, while the event loop runs: lets the clipboard's content outlive Ringle where the
    // desktop has a way. Bounded in time.
    virtual QCoro::Task<void> handOverClipboard() = 0;
    // Called once when the desktop goes away under Ringle.
    virtual void setLostHandler(std::function<void(const QString &reason)> handler) = 0;
    // Called when the user gives the wheel's shortcut another combination in the desktop's own
    // settings (none: cleared there); never on desktops without such settings.
    virtual void setShortcutChangeHandler(std::function<void(std::optional<Key>, KeyModifiers)>) {}
    // Once, as the app starts (not for `ringle doctor`): asks the user for what the desktop grants
    // only with their consent, without waiting for the answer.
    virtual void askForAccess() {}
    // The desktop as the user knows it: "sway (Wayland)", "X11".
    virtual QString name() const = 0;
    // What this desktop offers of the shortcut, mouse trigger, overlay, clipboard, keystrokes, app
    // in front and tray; the lines every desktop shares (accessibility, model server) are not here.
    virtual QList<DesktopCapability> capabilities() = 0;
};
