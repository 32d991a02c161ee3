#include "wheel/wheellogging.h"

Q_LOGGING_CATEGORY(lcWheel, "ringle.wheel")
