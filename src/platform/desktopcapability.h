#pragma once

#include <QList>
#include <QString>

// One thing Ringle needs from the desktop, as this session offers it: whether it works, how, and
// the one thing the user can do when it does not. `ringle doctor` and the General tab show them.
struct DesktopCapability {
    enum class Kind { shortcut, mouseTrigger, overlay, clipboard, keystrokes, frontApplication, accessibility, tray, modelServer };

    Kind kind = Kind::shortcut;
    bool works = false;
    QString how;  // how it works, or what is missing
    QString todo; // empty when it works

    // The capability's name as the user reads it ("shortcut", "app in front").
    static QString title(Kind kind);
    // Those without which the wheel cannot open and act on the selection.
    static bool isEssential(Kind kind);
};
