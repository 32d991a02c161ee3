#pragma once

// Shared helpers for the test executables.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QProcess;

namespace TestSupport {
// A fresh XDG_CONFIG_HOME for this process, removed when the returned directory goes away.
QTemporaryDir *isolateConfigHome();
// Runs xdotool with `args`; whether it succeeded.
bool xdotool(const QStringList &args);
// This process's resident memory in kilobytes (VmRSS), or -1 when unknown.
qint64 residentKilobytes();
// Waits for a child that was asked to end, and kills it if it has not within `graceMs`.
void finishOrKill(QProcess &process, int graceMs);
} // namespace TestSupport
