#include "PlatformLogging.h"

Q_LOGGING_CATEGORY(lcSettings, "quelta.platform.settings", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcProcess, "quelta.platform.process", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcNotifications, "quelta.platform.notifications", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcTasks, "quelta.platform.tasks", QtCriticalMsg)
