#include "HistoryRetention.h"

#include "platform/SettingsStore.h"

namespace quelta::historyRetention {

namespace {

const QString key = QStringLiteral("historyRetention.v1");

} // namespace

std::optional<std::chrono::days> period(HistoryRetention retention)
{
    switch (retention) {
    case HistoryRetention::days30:
        return std::chrono::days(30);
    case HistoryRetention::days90:
        return std::chrono::days(90);
    case HistoryRetention::days365:
        return std::chrono::days(365);
    case HistoryRetention::unlimited:
        break;
    }
    return std::nullopt;
}

HistoryRetention stored(const SettingsStore &settings)
{
    return fromRawValue<HistoryRetention>(settings.stringValue(key).value_or(QString())).value_or(standard);
}

bool store(SettingsStore &settings, HistoryRetention retention)
{
    return settings.setString(key, toRawValue(retention));
}

} // namespace quelta::historyRetention
