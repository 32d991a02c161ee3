#include "caret/textaccesslog.h"

Q_LOGGING_CATEGORY(lcTextAccess, "TextAccess", QtInfoMsg)
