#pragma once

// Shared helpers for the test executables.
#include <QString>
#include <QTemporaryDir>

namespace TestSupport {
// A fresh XDG_CONFIG_HOME for this process, removed when the returned directory goes away.
QTemporaryDir *isolateConfigHome();
} // namespace TestSupport
