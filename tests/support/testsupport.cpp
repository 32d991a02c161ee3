#include "testsupport.h"

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

void finishOrKill(QProcess &process, int graceMs)
{
    if (process.waitForFinished(graceMs))
        return;
    process.kill();
    process.waitForFinished(graceMs);
}
} // namespace TestSupport
