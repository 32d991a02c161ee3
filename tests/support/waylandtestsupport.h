#pragma once

#include "lineprocess.h"

#include <QJsonObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <memory>
#include <optional>

namespace TestSupport {
class RingleProcess;

// tests/programs/waylandinput: a virtual keyboard (full keymap) and pointer on the seat, driven as
// a user would. One instance for a whole test program: a seat's devices come and go with it.
class WaylandInput final {
public:
    bool start();
    // One command ("key ctrl+a", "move 640 400"); whether it answered ok.
    bool send(const QString &command);
    // `move`, then the shortcut held while the pointer moves by (dx, dy), then released.
    bool shortcutGesture(const QString &combo, QPoint at, int dx, int dy);
    // The button held with the modifiers at `at`, dragged by (dx, dy) and released.
    bool mouseGesture(const QString &modifiers, int button, QPoint at, int dx, int dy);
    // The compositor has handled everything sent.
    bool sync() { return send(QStringLiteral("sync")); }
    LineProcess &process() { return m_process; }

private:
    LineProcess m_process;
};

// sway's view of the focused window: its app id (or X class), process id and content rectangle.
struct SwayFocus {
    QString appId;
    qint64 pid = 0;
    QRect content;
};
std::optional<SwayFocus> swayFocus();
// Waits until the window of process `pid` has sway's focus.
bool waitUntilSwayFocuses(qint64 pid, int timeoutMs = 20000);
// A sway command through swaymsg; whether sway ran it.
bool swayCommand(const QString &command);

// Whether GNOME Shell's test helper extension (org.ringle.ShellTest) is on the session bus.
bool underGnomeShell();
// GNOME Shell's view of the focused window, from that extension: its class (the app id), title,
// process id and frame on the desktop.
struct ShellFocus {
    QString wmClass;
    QString title;
    qint64 pid = 0;
    QRect frame;
};
std::optional<ShellFocus> gnomeFocus();
// Waits until the window of process `pid` has GNOME Shell's focus, activating it meanwhile.
bool waitUntilShellFocuses(qint64 pid, int timeoutMs = 20000);

// Waits until the test editor's window has the keyboard: sway is asked where it runs, else the
// editor itself (activated by GNOME Shell where it runs).
bool waitUntilEditorFocused(LineProcess &editor, int timeoutMs = 20000);
// The test editor on Wayland, focused, holding `text` with [from, to) selected.
std::unique_ptr<LineProcess> waylandEditorWith(const QString &text, int from, int to);
// That editor with the caret in `typo`, then Ringle started with the test rings; null when either fails.
std::unique_ptr<LineProcess> waylandEditorAndRingle(RingleProcess &ringle);
// A screenshot of the whole output (grim under sway, KWin's own under KWin, the shell's under GNOME), when
// RINGLE_SCREENSHOT_DIR names where to keep it.
void waylandScreenshot(const QString &name);
} // namespace TestSupport
