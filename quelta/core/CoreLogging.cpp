#include "CoreLogging.h"

Q_LOGGING_CATEGORY(lcCore, "quelta.core", QtCriticalMsg)
