#pragma once

#include "app/desktopbackend.h"

#include <QTextStream>

class UserDefaults;

// `ringle doctor`: for the session it runs in, each thing Ringle needs from the desktop as working
// or not, with the one thing to do about each that does not. Exit status 0 when the road from the
// shortcut to a replaced selection works, 1 otherwise.
namespace Doctor {
int run(DesktopBackend::Kind backend, UserDefaults &defaults, QTextStream &out);
// The report's text for these lines.
QString report(const QString &desktop, const QList<DesktopCapability> &lines);
} // namespace Doctor
