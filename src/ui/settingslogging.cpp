#include "ui/settingslogging.h"

Q_LOGGING_CATEGORY(lcSettings, "ringle.settings", QtInfoMsg)
