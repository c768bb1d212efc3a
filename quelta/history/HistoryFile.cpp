#include "HistoryFile.h"

#include "platform/ApplicationFolders.h"

namespace quelta {

QString historyFilePath()
{
    return applicationFolders::data() + QLatin1String("/history.sqlite");
}

} // namespace quelta
