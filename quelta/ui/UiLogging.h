#pragma once

#include <QLoggingCategory>

// Off unless switched on, for example with QT_LOGGING_RULES="quelta.*=true".
Q_DECLARE_LOGGING_CATEGORY(lcUi)
