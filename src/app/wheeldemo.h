#pragma once

#include "app/desktopbackend.h"

#include <QTextStream>

class UserDefaults;

// `ringle --demo-wheel`: the wheel on the stored configuration, opened by the mouse trigger (by
// default Ctrl+Alt and the right button). Prints when it opens, each ring switch and the slot
// chosen at release, one line each. Runs until ended.
namespace WheelDemo {
int run(DesktopBackend::Kind backend, UserDefaults &defaults, QTextStream &out);
} // namespace WheelDemo
