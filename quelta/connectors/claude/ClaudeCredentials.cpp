#include "ClaudeCredentials.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace quelta {

std::optional<ClaudeCredentials> ClaudeCredentials::parse(const QByteArray &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (!document.isObject())
        return std::nullopt;
    const QJsonValue oauth = document.object().value(QLatin1String("claudeAiOauth"));
    if (!oauth.isObject())
        return std::nullopt;
    const QJsonValue token = oauth.toObject().value(QLatin1String("accessToken"));
    if (!token.isString() || token.toString().isEmpty())
        return std::nullopt;
    const QJsonValue plan = oauth.toObject().value(QLatin1String("subscriptionType"));
    return ClaudeCredentials{token.toString(), capitalizedWords(plan.isString() ? plan.toString() : QStringLiteral("Claude"))};
}

QString capitalizedWords(const QString &text)
{
    // Each word: first letter upper case, the rest lower case.
    QString result = text.toLower();
    bool atWordStart = true;
    for (QChar &character : result) {
        if (character.isSpace()) {
            atWordStart = true;
            continue;
        }
        if (atWordStart)
            character = character.toUpper();
        atWordStart = false;
    }
    return result;
}

} // namespace quelta
