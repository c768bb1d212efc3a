#include "InstallerLogging.h"

Q_LOGGING_CATEGORY(lcInstaller, "installquelta", QtWarningMsg)
