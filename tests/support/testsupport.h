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
// Whether another client could grab the key now (X keysym and modifier mask in hexadecimal, as
// x11keytool takes them; "0x68" "0xc" is Ctrl+Alt+H), i.e. nobody holds it.
bool keyIsFree(const QString &keysym, const QString &mask);
// Writes an executable shell script `body` at `relative` ("Name.sh", "Folder/Name.sh", raw bytes)
// in the scripts folder of the configuration home `configHome`; false when it cannot.
bool writeShortcutScript(const QString &configHome, const QByteArray &relative, const QByteArray &body);
} // namespace TestSupport
