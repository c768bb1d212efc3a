#pragma once

#include <QLatin1StringView>
#include <QStringList>

#include <optional>

namespace quelta {

// Whether `argument` is the option `name`, given alone or as "--name=value".
bool isOption(const QString &argument, QLatin1StringView name);

// The value of the option at `index`, given as "--name=value" or as the next argument, which
// `index` then moves to; absent when the next argument is missing.
std::optional<QString> optionValue(const QStringList &arguments, qsizetype &index);

} // namespace quelta
