#include "AppLogging.h"

Q_LOGGING_CATEGORY(lcApp, "quelta.app", QtCriticalMsg)
