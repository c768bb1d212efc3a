#include "ConnectorsLogging.h"

Q_LOGGING_CATEGORY(lcConnectors, "quelta.connectors", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcClaude, "quelta.connectors.claude", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcCodex, "quelta.connectors.codex", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcFramer, "quelta.connectors.framer", QtCriticalMsg)
