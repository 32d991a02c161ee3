#include "ai/ailogging.h"

Q_LOGGING_CATEGORY(lcAi, "ringle.ai")
