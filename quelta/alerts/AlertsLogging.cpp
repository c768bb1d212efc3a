#include "AlertsLogging.h"

Q_LOGGING_CATEGORY(lcAlerts, "quelta.alerts", QtCriticalMsg)
