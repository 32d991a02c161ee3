#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// What a Wayland compositor offers, asked before Qt opens its own connection (to choose the
// backend and Qt's platform) and by `ringle doctor`. Bounded in time.
namespace WaylandProbe {
// The interface named when the compositor takes no client's keys.
inline const QString virtualKeyboard = QStringLiteral("zwp_virtual_keyboard_manager_v1");
// Where it is the one essential missing, Ringle's GNOME Shell extension shows the overlays instead.
inline const QString layerShell = QStringLiteral("zwlr_layer_shell_v1");

struct Result {
    bool reachable = false;
    // The interfaces the compositor offers, each once.
    QStringList interfaces;
    QList<unsigned> versions; // beside interfaces
};

Result probe(const QByteArray &display = {});
// The essential interfaces `result` lacks (empty when Ringle can run there).
QStringList missingEssentials(const Result &result);
// The interfaces without which the selection cannot be copied and replaced there (a clipboard
// protocol, a virtual keyboard); empty when it offers them.
QStringList missingForTheRoad(const Result &result);
} // namespace WaylandProbe
