#include "AllowanceStore.h"

#include "ReferenceDate.h"

#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace quelta::allowanceStore {

namespace {

constexpr qint64 futureTolerance = 60;

AccountSet allProviders()
{
    return AccountSet(displayOrder.begin(), displayOrder.end());
}

QStringList rawValuesInDisplayOrder(const AccountSet &accounts)
{
    QList<AccountID> ordered(accounts.begin(), accounts.end());
    std::sort(ordered.begin(), ordered.end());
    QStringList raw;
    for (const AccountID &id : ordered)
        raw << id.rawValue();
    return raw;
}

std::optional<AccountSet> recognisedProviders(const SettingsStore &store, const char *key)
{
    const std::optional<QStringList> raw = store.stringListValue(QLatin1String(key));
    if (!raw)
        return std::nullopt;
    AccountSet providers;
    for (const QString &value : *raw) {
        if (const std::optional<AccountID> id = AccountID::fromRawValue(value))
            providers.insert(*id);
    }
    return providers;
}

} // namespace

AccountSet loadEnabledProviders(const SettingsStore &store)
{
    const std::optional<AccountSet> enabled = recognisedProviders(store, enabledProvidersKey);
    return enabled && !enabled->isEmpty() ? *enabled : allProviders();
}

void saveEnabledProviders(SettingsStore &store, const AccountSet &enabled)
{
    store.setStringList(QLatin1String(enabledProvidersKey), rawValuesInDisplayOrder(enabled));
}

AccountSet loadAuthorizedProviders(const SettingsStore &store)
{
    if (const std::optional<AccountSet> authorized = recognisedProviders(store, authorizedProvidersKey))
        return *authorized;
    // Installations that finished onboarding before connections were tracked.
    if (hasCompletedOnboarding(store))
        return loadEnabledProviders(store);
    return {};
}

bool hasCompletedOnboarding(const SettingsStore &store)
{
    return store.boolValue(QLatin1String(hasCompletedOnboardingKey)).value_or(false);
}

void setCompletedOnboarding(SettingsStore &store)
{
    store.setBool(QLatin1String(hasCompletedOnboardingKey), true);
}

void saveAuthorizedProviders(SettingsStore &store, const AccountSet &authorized)
{
    store.setStringList(QLatin1String(authorizedProvidersKey), rawValuesInDisplayOrder(authorized));
}

AccountSnapshots loadSnapshots(const SettingsStore &store, const QDateTime &now)
{
    const std::optional<QByteArray> data = store.dataValue(QLatin1String(snapshotsKey));
    return data ? snapshotsFromData(*data, now) : AccountSnapshots();
}

AccountSnapshots snapshotsFromData(const QByteArray &data, const QDateTime &now)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isArray())
        return {};
    QList<CachedProviderSnapshot> decoded;
    for (const QJsonValue &value : document.array()) {
        const std::optional<CachedProviderSnapshot> snapshot = value.isObject() ? CachedProviderSnapshot::fromJson(value.toObject())
                                                                                : std::nullopt;
        if (!snapshot)
            return {};
        decoded.append(*snapshot);
    }
    AccountSnapshots snapshots;
    const QDateTime latestAllowed = now.addSecs(futureTolerance);
    for (const CachedProviderSnapshot &snapshot : decoded) {
        const std::optional<AccountID> id = AccountID::fromRawValue(snapshot.id);
        if (!id || snapshot.savedAt > latestAllowed)
            continue;
        const auto kept = snapshots.constFind(*id);
        if (kept == snapshots.constEnd() || snapshot.savedAt > kept->savedAt)
            snapshots.insert(*id, snapshot);
    }
    return snapshots;
}

void persistSnapshots(SettingsStore &store, const AccountSnapshots &snapshots)
{
    QJsonArray array;
    for (const CachedProviderSnapshot &snapshot : snapshots)
        array.append(snapshot.toJson());
    store.setData(QLatin1String(snapshotsKey), QJsonDocument(array).toJson(QJsonDocument::Compact));
}

CachedProviderSnapshot makeSnapshot(const ProviderAllowance &allowance, const QDateTime &savedAt)
{
    CachedProviderSnapshot snapshot;
    snapshot.id = AccountID(allowance.id, allowance.accountName).rawValue();
    snapshot.detail = allowance.detail;
    snapshot.remaining = allowance.remaining;
    snapshot.displayPercentage = allowance.displayPercentage;
    snapshot.percentageStyle = allowance.percentageStyle;
    snapshot.displayedLimitID = allowance.displayedLimitID;
    snapshot.limits = allowance.limits;
    snapshot.planName = allowance.planName;
    snapshot.savedAt = savedAt;
    return snapshot;
}

AccountDates loadDates(const SettingsStore &store, const char *key)
{
    AccountDates dates;
    const QVariantMap stored = store.dictionaryValue(QLatin1String(key)).value_or(QVariantMap{});
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const std::optional<AccountID> id = AccountID::fromRawValue(it.key());
        const int type = it.value().typeId();
        const bool isNumber = type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
        const std::optional<QDateTime> date = isNumber ? readableDateSince1970(it.value().toDouble()) : std::nullopt;
        if (id && date)
            dates.insert(*id, *date);
    }
    return dates;
}

void saveDates(SettingsStore &store, const AccountDates &dates, const char *key)
{
    QVariantMap stored;
    for (auto it = dates.begin(); it != dates.end(); ++it)
        stored.insert(it.key().rawValue(), secondsSince1970(it.value()));
    store.setDictionary(QLatin1String(key), stored);
}

AccountStates loadLastLoadStates(const SettingsStore &store)
{
    AccountStates states;
    const QVariantMap stored = store.dictionaryValue(QLatin1String(lastLoadStatesKey)).value_or(QVariantMap{});
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const std::optional<AccountID> id = AccountID::fromRawValue(it.key());
        const std::optional<ConnectionState> state = fromRawValue<ConnectionState>(it.value().toString());
        if (id && state)
            states.insert(*id, *state);
    }
    return states;
}

void saveLastLoadStates(SettingsStore &store, const AccountStates &states)
{
    QVariantMap stored;
    for (auto it = states.begin(); it != states.end(); ++it)
        stored.insert(it.key().rawValue(), toRawValue(it.value()));
    store.setDictionary(QLatin1String(lastLoadStatesKey), stored);
}

ClaudeTrackedLimit loadClaudeTrackedLimit(const SettingsStore &store)
{
    const std::optional<QString> raw = store.stringValue(QLatin1String(claudeTrackedLimitKey));
    return raw ? fromRawValue<ClaudeTrackedLimit>(*raw).value_or(ClaudeTrackedLimit::weeklyAllModels) : ClaudeTrackedLimit::weeklyAllModels;
}

void saveClaudeTrackedLimit(SettingsStore &store, ClaudeTrackedLimit limit)
{
    store.setString(QLatin1String(claudeTrackedLimitKey), toRawValue(limit));
}

PanelAllowance loadPanelAllowance(const SettingsStore &store)
{
    PanelAllowance panel;
    panel.shown = store.boolValue(QLatin1String(panelAllowanceShownKey)).value_or(false);
    if (const std::optional<QString> raw = store.stringValue(QLatin1String(panelAllowanceTrackedKey)))
        panel.tracked = fromRawValue<ProviderID>(*raw);
    return panel;
}

void savePanelAllowance(SettingsStore &store, const PanelAllowance &panel)
{
    store.setBool(QLatin1String(panelAllowanceShownKey), panel.shown);
    if (panel.tracked)
        store.setString(QLatin1String(panelAllowanceTrackedKey), toRawValue(*panel.tracked));
    else
        store.remove(QLatin1String(panelAllowanceTrackedKey));
}

} // namespace quelta::allowanceStore
