#include "AccountIdentity.h"

#include "platform/ProcessRunner.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta::accountIdentity {

namespace {

QJsonObject jsonFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Account files stay small; a huge one is not read whole.
    return QJsonDocument::fromJson(file.read(processOutputLimit)).object();
}

std::optional<QString> nonEmpty(const QJsonValue &value)
{
    return value.isString() && !value.toString().isEmpty() ? std::optional(value.toString()) : std::nullopt;
}

} // namespace

QString claudeAccountFilePath(const QString &folder, const QString &home)
{
    if (folder == home + QLatin1String("/.claude"))
        return home + QLatin1String("/.claude.json");
    return folder + QLatin1String("/.claude.json");
}

std::optional<QString> claude(const QString &accountFilePath)
{
    const QJsonObject account = jsonFile(accountFilePath).value(QLatin1String("oauthAccount")).toObject();
    const std::optional<QString> accountID = nonEmpty(account.value(QLatin1String("accountUuid")));
    if (!accountID)
        return std::nullopt;
    const std::optional<QString> organisation = nonEmpty(account.value(QLatin1String("organizationUuid")));
    return organisation ? *accountID + QLatin1Char('/') + *organisation : *accountID;
}

std::optional<QString> codex(const QString &codexHome)
{
    const QJsonObject tokens = jsonFile(codexHome + QLatin1String("/auth.json")).value(QLatin1String("tokens")).toObject();
    return nonEmpty(tokens.value(QLatin1String("account_id")));
}

} // namespace quelta::accountIdentity
