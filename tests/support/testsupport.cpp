#include "testsupport.h"

#include <QtGlobal>

namespace TestSupport {
QTemporaryDir *isolateConfigHome()
{
    auto *dir = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", dir->path().toUtf8());
    return dir;
}
} // namespace TestSupport
