#pragma once

#include "app/desktopbackend.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Which desktop backend Ringle runs on, decided before Qt opens its own connection: Wayland where
// WAYLAND_DISPLAY names a compositor that offers what Ringle needs, X11 otherwise (XWayland on such
// a compositor); `--backend` or RINGLE_BACKEND forces either.
namespace BackendChoice {
struct Environment {
    QString forced; // "x11", "wayland", or empty
    QByteArray display;
    QByteArray waylandDisplay;
    std::function<bool()> x11Reachable;
    // The interfaces the compositor lacks, or none when it does not answer.
    std::function<std::optional<QStringList>()> waylandMissing;
};

struct Choice {
    std::optional<DesktopBackend::Kind> kind;
    // The one sentence said when no backend can be used.
    QString problem;
    // Why the other backend was not taken, for the log; may be empty.
    QString note;
};

Choice choose(const Environment &environment);
// The environment of this process, with the display probes that really connect.
Environment current(const QString &forcedByOption);
// Qt's own platform for the backend, unless a test chose one of its own (offscreen).
void applyQtPlatform(DesktopBackend::Kind kind);
} // namespace BackendChoice
