#include "AllowanceStore.h"

#include "ReferenceDate.h"

#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quelta::allowanceStore {

namespace {

constexpr qint64 futureTolerance = 60;

ProviderSet allProviders()
{
    return ProviderSet(displayOrder.begin(), displayOrder.end());
}

QStringList rawValuesInDisplayOrder(const ProviderSet &providers)
{
    QStringList raw;
    for (ProviderID id : displayOrder) {
        if (providers.contains(id))
            raw << toRawValue(id);
    }
    return raw;
}

std::optional<ProviderSet> recognisedProviders(const SettingsStore &store, const char *key)
{
    const std::optional<QStringList> raw = store.stringListValue(QLatin1String(key));
    if (!raw)
        return std::nullopt;
    ProviderSet providers;
    for (const QString &value : *raw) {
        if (const std::optional<ProviderID> id = fromRawValue<ProviderID>(value))
            providers.insert(*id);
    }
    return providers;
}

} // namespace

ProviderSet loadEnabledProviders(const SettingsStore &store)
{
    const std::optional<ProviderSet> enabled = recognisedProviders(store, enabledProvidersKey);
    return enabled && !enabled->isEmpty() ? *enabled : allProviders();
}

void saveEnabledProviders(SettingsStore &store, const ProviderSet &enabled)
{
    store.setStringList(QLatin1String(enabledProvidersKey), rawValuesInDisplayOrder(enabled));
}

ProviderSet loadAuthorizedProviders(const SettingsStore &store)
{
    if (const std::optional<ProviderSet> authorized = recognisedProviders(store, authorizedProvidersKey))
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

void saveAuthorizedProviders(SettingsStore &store, const ProviderSet &authorized)
{
    store.setStringList(QLatin1String(authorizedProvidersKey), rawValuesInDisplayOrder(authorized));
}

ProviderSnapshots loadSnapshots(const SettingsStore &store, const QDateTime &now)
{
    const std::optional<QByteArray> data = store.dataValue(QLatin1String(snapshotsKey));
    return data ? snapshotsFromData(*data, now) : ProviderSnapshots();
}

ProviderSnapshots snapshotsFromData(const QByteArray &data, const QDateTime &now)
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
    ProviderSnapshots snapshots;
    const QDateTime latestAllowed = now.addSecs(futureTolerance);
    for (const CachedProviderSnapshot &snapshot : decoded) {
        const std::optional<ProviderID> id = fromRawValue<ProviderID>(snapshot.id);
        if (!id || snapshot.savedAt > latestAllowed)
            continue;
        const auto kept = snapshots.constFind(*id);
        if (kept == snapshots.constEnd() || snapshot.savedAt > kept->savedAt)
            snapshots.insert(*id, snapshot);
    }
    return snapshots;
}

void persistSnapshots(SettingsStore &store, const ProviderSnapshots &snapshots)
{
    QJsonArray array;
    for (const CachedProviderSnapshot &snapshot : snapshots)
        array.append(snapshot.toJson());
    store.setData(QLatin1String(snapshotsKey), QJsonDocument(array).toJson(QJsonDocument::Compact));
}

CachedProviderSnapshot makeSnapshot(const ProviderAllowance &allowance, const QDateTime &savedAt)
{
    CachedProviderSnapshot snapshot;
    snapshot.id = toRawValue(allowance.id);
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

ProviderDates loadDates(const SettingsStore &store, const char *key)
{
    ProviderDates dates;
    const QVariantMap stored = store.dictionaryValue(QLatin1String(key)).value_or(QVariantMap{});
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const std::optional<ProviderID> id = fromRawValue<ProviderID>(it.key());
        const int type = it.value().typeId();
        const bool isNumber = type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
        const std::optional<QDateTime> date = isNumber ? readableDateSince1970(it.value().toDouble()) : std::nullopt;
        if (id && date)
            dates.insert(*id, *date);
    }
    return dates;
}

void saveDates(SettingsStore &store, const ProviderDates &dates, const char *key)
{
    QVariantMap stored;
    for (auto it = dates.begin(); it != dates.end(); ++it)
        stored.insert(toRawValue(it.key()), secondsSince1970(it.value()));
    store.setDictionary(QLatin1String(key), stored);
}

ProviderStates loadLastLoadStates(const SettingsStore &store)
{
    ProviderStates states;
    const QVariantMap stored = store.dictionaryValue(QLatin1String(lastLoadStatesKey)).value_or(QVariantMap{});
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const std::optional<ProviderID> id = fromRawValue<ProviderID>(it.key());
        const std::optional<ConnectionState> state = fromRawValue<ConnectionState>(it.value().toString());
        if (id && state)
            states.insert(*id, *state);
    }
    return states;
}

void saveLastLoadStates(SettingsStore &store, const ProviderStates &states)
{
    QVariantMap stored;
    for (auto it = states.begin(); it != states.end(); ++it)
        stored.insert(toRawValue(it.key()), toRawValue(it.value()));
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
