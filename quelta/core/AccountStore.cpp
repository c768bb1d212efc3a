#include "AccountStore.h"

#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta::accountStore {

namespace {

const QString accountField = QStringLiteral("account");
const QString folderField = QStringLiteral("folder");

} // namespace

QList<AccountFolder> loadAddedAccounts(const SettingsStore &store)
{
    const std::optional<QByteArray> data = store.dataValue(QLatin1String(addedAccountsKey));
    if (!data)
        return {};
    QList<AccountFolder> accounts;
    for (const QJsonValue &value : QJsonDocument::fromJson(*data).array()) {
        const QJsonObject entry = value.toObject();
        const std::optional<AccountID> id = AccountID::fromRawValue(entry.value(accountField).toString());
        const QString folder = entry.value(folderField).toString();
        // Hand-added accounts always carry a name: the default ones are found, not added.
        if (!id || id->isDefault() || folder.isEmpty())
            continue;
        accounts.append({*id, folder, AccountFolder::Origin::added, std::nullopt});
    }
    return accounts;
}

bool saveAddedAccounts(SettingsStore &store, const QList<AccountFolder> &accounts)
{
    QJsonArray array;
    for (const AccountFolder &account : accounts)
        array.append(QJsonObject{{accountField, account.id.rawValue()}, {folderField, account.folder}});
    return store.setData(QLatin1String(addedAccountsKey), QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace quelta::accountStore
