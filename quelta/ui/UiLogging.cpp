#include "UiLogging.h"

Q_LOGGING_CATEGORY(lcUi, "quelta.ui", QtCriticalMsg)
