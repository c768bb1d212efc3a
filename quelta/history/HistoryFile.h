#pragma once

#include <QString>

namespace quelta {

// Where the record is kept: history.sqlite in Quelta's data folder.
QString historyFilePath();

} // namespace quelta
