#include "AnalyticsLogging.h"

Q_LOGGING_CATEGORY(lcAnalytics, "quelta.analytics", QtCriticalMsg)
