#include "testsupport.h"

#include "lineprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtGlobal>

namespace TestSupport {
QTemporaryDir *isolateConfigHome()
{
    auto *dir = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
    return dir;
}

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

bool keyIsFree(const QString &keysym, const QString &mask)
{
    QProcess grabber;
    grabber.start(programPath(QStringLiteral("x11keytool")), {QStringLiteral("grab"), keysym, mask});
    if (!grabber.waitForStarted(5000) || !grabber.waitForReadyRead(5000))
        return false;
    const bool grabbed = grabber.readAll().trimmed() == "grabbed";
    grabber.closeWriteChannel();
    finishOrKill(grabber, 3000);
    return grabbed;
}

void finishOrKill(QProcess &process, int graceMs)
{
    if (process.waitForFinished(graceMs))
        return;
    process.kill();
    process.waitForFinished(graceMs);
}
qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool writeShortcutScript(const QString &configHome, const QByteArray &relative, const QByteArray &body)
{
    const QString path = QFile::decodeName(QFile::encodeName(configHome) + "/Ringle/Shortcuts/" + relative);
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write("#!/bin/sh\n" + body + "\n") >= 0 && file.flush()
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace TestSupport
