#include "SessionLanguage.h"

#include <algorithm>
#include <optional>

namespace session {

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);

// "pt_BR.UTF-8@euro" names the locale "pt_BR".
QString localeName(const QString &value)
{
    qsizetype end = value.size();
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = value.indexOf(separator);
        if (at >= 0)
            end = std::min(end, at);
    }
    return value.left(end);
}

bool isPlainC(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// The first of LC_ALL, LC_MESSAGES and LANG that is set.
QString messagesLocale(const QProcessEnvironment &environment)
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(variable));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// The shipped translation that reads right for `name`: the same territory, else the same
// language in the same script.
std::optional<QLocale> shippedFor(const QString &name, const QStringList &shipped)
{
    if (shipped.contains(name))
        return QLocale(name);
    const QLocale wanted(name);
    const auto same = std::find_if(shipped.cbegin(), shipped.cend(), [&](const QString &candidate) {
        const QLocale locale(candidate);
        return locale.language() == wanted.language() && locale.script() == wanted.script();
    });
    if (same == shipped.cend())
        return std::nullopt;
    return QLocale(*same);
}

} // namespace

QLocale sessionLocale(const QProcessEnvironment &environment, const QStringList &shipped)
{
    const QString messages = messagesLocale(environment);
    // As in gettext: a session that asks for C, as scripts do for stable output, gets it even
    // where a desktop set LANGUAGE.
    if (isPlainC(localeName(messages)))
        return english;
    QStringList candidates = environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!messages.isEmpty())
        candidates << messages;
    for (const QString &candidate : std::as_const(candidates)) {
        const QString name = localeName(candidate);
        const QLocale locale(name);
        // QLocale reads a name it does not know as C.
        if (locale.language() == QLocale::C)
            continue;
        if (locale.language() == QLocale::English)
            return locale;
        if (const std::optional<QLocale> translated = shippedFor(name, shipped))
            return *translated;
    }
    return english;
}

} // namespace session
