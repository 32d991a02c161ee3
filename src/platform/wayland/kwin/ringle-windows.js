// Tells Ringle which window is in front, where it is and which windows there are, whenever that
// changes: Ringle never asks, so the script is loaded once and KWin is never made to reload it.
// Plasma 6 names windows "window" where Plasma 5 says "client".
var ringle = {service: "@SERVICE@", path: "/org/ringle/KWinWindows", iface: "org.ringle.KWinWindows"};
var plasma6 = workspace.windowActivated !== undefined;

function activeWindow() {
    return plasma6 ? workspace.activeWindow : workspace.activeClient;
}

function allWindows() {
    return plasma6 ? workspace.windowList() : workspace.clientList();
}

function describe(w) {
    // The client area: accessibility reports positions inside it, without KWin's decoration.
    var g = w.clientGeometry || w.frameGeometry;
    return {
        desktopFile: String(w.desktopFileName || ""),
        resourceClass: String(w.resourceClass || ""),
        pid: w.pid || 0,
        x: g.x, y: g.y, width: g.width, height: g.height
    };
}

function report() {
    var shown = [];
    var all = allWindows();
    for (var i = 0; i < all.length; ++i) {
        if (all[i].normalWindow && !all[i].skipTaskbar)
            shown.push(describe(all[i]));
    }
    var front = activeWindow();
    var cursor = workspace.cursorPos;
    callDBus(ringle.service, ringle.path, ringle.iface, "report", JSON.stringify({
        active: front ? describe(front) : null,
        windows: shown,
        cursor: {x: cursor.x, y: cursor.y}
    }));
}

var followed = null;
function follow(w) {
    if (followed) {
        try {
            followed.frameGeometryChanged.disconnect(report);
        } catch (e) {
            // The window has gone.
        }
    }
    followed = w;
    if (w)
        w.frameGeometryChanged.connect(report);
    report();
}

if (plasma6) {
    workspace.windowActivated.connect(follow);
    workspace.windowAdded.connect(report);
    workspace.windowRemoved.connect(report);
} else {
    workspace.clientActivated.connect(follow);
    workspace.clientAdded.connect(report);
    workspace.clientRemoved.connect(report);
}
follow(activeWindow());
