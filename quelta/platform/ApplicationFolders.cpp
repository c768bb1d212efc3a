#include "ApplicationFolders.h"

#include <QStandardPaths>

namespace quelta::applicationFolders {

QString data()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1String("/quelta");
}

QString cache()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QLatin1String("/quelta");
}

} // namespace quelta::applicationFolders
