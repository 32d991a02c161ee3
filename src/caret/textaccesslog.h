#pragma once

#include <QLoggingCategory>

// The accessibility diagnostics; debug messages show with QT_LOGGING_RULES="TextAccess.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcTextAccess)
