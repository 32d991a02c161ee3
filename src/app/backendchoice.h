#pragma once

#include "app/desktopbackend.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Which desktop backend Ringle runs on, decided before Qt opens its own connection: Wayland where
// WAYLAND_DISPLAY names a compositor that offers what Ringle needs, X11 otherwise (XWayland on such
// a compositor, where Ringle works with the XWayland apps); `--backend` or RINGLE_BACKEND forces
// either. A compositor that can show the wheel but not copy or paste is still taken when there is no
// X11 to fall back on.
namespace BackendChoice {
// What a Wayland compositor lacks: interfaces without which Ringle shows nothing, and those without
// which it cannot copy and replace the selection.
struct WaylandGaps {
    QStringList essential;
    QStringList road;
};

struct Environment {
    QString forced; // "x11", "wayland", or empty
    QByteArray display;
    QByteArray waylandDisplay;
    std::function<bool()> x11Reachable;
    // None when the compositor does not answer.
    std::function<std::optional<WaylandGaps>()> waylandGaps;
    // XDG_CURRENT_DESKTOP, for advice that depends on the desktop.
    QString desktop;
};

struct Choice {
    std::optional<DesktopBackend::Kind> kind;
    // The one sentence said when no backend can be used.
    QString problem;
    // Why the other backend was not taken, for the log; may be empty.
    QString note;
};

Choice choose(const Environment &environment);
// What to do on GNOME where Ringle's GNOME Shell extension is not on.
QString gnomeExtensionAdvice();
// Whether this session's desktop is GNOME (XDG_CURRENT_DESKTOP).
bool onGnome();
// The environment of this process, with the display probes that really connect.
Environment current(const QString &forcedByOption);
// Qt's own platform for the backend, unless a test chose one of its own (offscreen).
void applyQtPlatform(DesktopBackend::Kind kind);
} // namespace BackendChoice
