#include "app/applogging.h"

Q_LOGGING_CATEGORY(lcApp, "ringle.app", QtInfoMsg)
