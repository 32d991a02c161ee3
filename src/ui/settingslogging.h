#pragma once

#include <QLoggingCategory>

// What the settings window does, at debug level, for tests that drive the running app.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
