#include "FramerHelperProtocol.h"

#include "core/AllowanceStore.h"
#include "core/CachedProviderSnapshot.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quelta::framerHelper {

namespace {

QByteArray line(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QJsonObject> objectOf(const QByteArray &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.trimmed());
    return document.isObject() ? std::optional(document.object()) : std::nullopt;
}

const QString progressKinds[] = {QStringLiteral("failed"), QStringLiteral("idle"), QStringLiteral("openingMagicLink"),
                                 QStringLiteral("connected")};

const QString fetchCommand = QStringLiteral("fetch");
const QString endOfOptions = QStringLiteral("--");

bool isHexDigitOrDash(QChar c)
{
    return c == QLatin1Char('-') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
}

} // namespace

bool isTeamID(const QString &text)
{
    return text.size() == 36 && text.front() != QLatin1Char('-') && std::all_of(text.begin(), text.end(), isHexDigitOrDash);
}

QStringList fetchArguments(const std::optional<QString> &teamID)
{
    if (!teamID)
        return {fetchCommand};
    return {fetchCommand, endOfOptions, *teamID};
}

std::optional<FetchRequest> readFetchArguments(const QStringList &arguments)
{
    if (arguments == QStringList{fetchCommand})
        return FetchRequest{};
    if (arguments.size() == 3 && arguments[0] == fetchCommand && arguments[1] == endOfOptions && isTeamID(arguments[2]))
        return FetchRequest{arguments[2]};
    return std::nullopt;
}

QByteArray fetchLine(const FetchAnswer &answer)
{
    QJsonObject object;
    if (const auto *allowance = std::get_if<ProviderAllowance>(&answer.outcome)) {
        // The snapshot form already carries every figure the popover shows.
        object.insert(QStringLiteral("allowance"), allowanceStore::makeSnapshot(*allowance, QDateTime::currentDateTimeUtc()).toJson());
    } else {
        const auto &error = std::get<ProviderConnectorError>(answer.outcome);
        object.insert(QStringLiteral("error"), toRawValue(error.kind()));
        if (error.retryAfter())
            object.insert(QStringLiteral("retryAfter"), *error.retryAfter());
    }
    if (answer.teamID)
        object.insert(QStringLiteral("teamID"), *answer.teamID);
    return line(object);
}

std::optional<FetchAnswer> readFetchLine(const QByteArray &output)
{
    // The engine may print its own lines first: the answer is the last line.
    const QList<QByteArray> lines = output.trimmed().split('\n');
    const std::optional<QJsonObject> object = objectOf(lines.last());
    if (!object)
        return std::nullopt;
    FetchAnswer answer{ProviderConnectorError(ProviderConnectorError::Kind::invalidResponse), std::nullopt};
    if (const QJsonValue teamID = object->value(QLatin1String("teamID")); teamID.isString())
        answer.teamID = teamID.toString();
    if (const QJsonValue allowance = object->value(QLatin1String("allowance")); allowance.isObject()) {
        const std::optional<CachedProviderSnapshot> snapshot = CachedProviderSnapshot::fromJson(allowance.toObject());
        const std::optional<ProviderAllowance> record = snapshot ? ProviderAllowance::fromSnapshot(*snapshot) : std::nullopt;
        if (!record || record->id != ProviderID::framer)
            return std::nullopt;
        answer.outcome = *record;
        return answer;
    }
    const std::optional<ProviderConnectorError::Kind> kind =
        fromRawValue<ProviderConnectorError::Kind>(object->value(QLatin1String("error")).toString());
    if (!kind)
        return std::nullopt;
    const QJsonValue retryAfter = object->value(QLatin1String("retryAfter"));
    answer.outcome = *kind == ProviderConnectorError::Kind::rateLimited
        ? ProviderConnectorError::rateLimited(retryAfter.isDouble() ? std::optional(retryAfter.toDouble()) : std::nullopt)
        : ProviderConnectorError(*kind);
    return answer;
}

QByteArray progressLine(const FramerConnectionProgress &progress)
{
    QJsonObject object{{QStringLiteral("progress"), progressKinds[int(progress.kind)]}};
    if (progress.kind == FramerConnectionProgress::Kind::failed)
        object.insert(QStringLiteral("message"), progress.message);
    return line(object);
}

QByteArray closedLine(bool connected)
{
    return line({{QStringLiteral("closed"), true}, {QStringLiteral("connected"), connected}});
}

std::optional<ConnectEvent> readConnectLine(const QByteArray &text)
{
    const std::optional<QJsonObject> object = objectOf(text);
    if (!object)
        return std::nullopt;
    if (object->value(QLatin1String("closed")).toBool())
        return ConnectEvent{std::nullopt, object->value(QLatin1String("connected")).toBool()};
    const QString kind = object->value(QLatin1String("progress")).toString();
    for (int index = 0; index < 4; ++index) {
        if (progressKinds[index] == kind)
            return ConnectEvent{FramerConnectionProgress{FramerConnectionProgress::Kind(index),
                                                         object->value(QLatin1String("message")).toString()},
                                std::nullopt};
    }
    return std::nullopt;
}

} // namespace quelta::framerHelper
