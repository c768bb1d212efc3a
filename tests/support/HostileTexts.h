#pragma once

#include <QString>
#include <QTest>

#include <algorithm>
#include <optional>

namespace quelta::test {

// Names and texts as a provider, a stored file or a hostile server may send them. Adds the
// column "hostile" with one row each.
inline void addHostileTextRows()
{
    QTest::addColumn<QString>("hostile");
    QTest::newRow("tag") << QStringLiteral("<b>Team</b> <a href=\"https://example.invalid\">x</a>");
    QTest::newRow("ampersand") << QStringLiteral("Tom & Jerry's \"plan\"");
    QTest::newRow("placeholder") << QStringLiteral("Limit %1 %2");
    QTest::newRow("bar tag") << QStringLiteral("Plan %{A1:rm -rf ~:}%{F#f00}x");
    QTest::newRow("escape sequence") << QStringLiteral("Plan \x1b]0;owned\x07\x1b[2J\x1b[31mred\u009b1m\x7f");
    QTest::newRow("newline") << QStringLiteral("Plan\nInjected line\r");
    QTest::newRow("10 KB") << QString(10'240, QLatin1Char('W'));
}

// What a reader of Pango or notification markup takes from `markup`: its text, or nothing when
// it holds a tag or a bare ampersand.
inline std::optional<QString> markupReading(const QString &markup)
{
    static const std::pair<QLatin1String, QChar> entities[]{
        {QLatin1String("&amp;"), u'&'}, {QLatin1String("&lt;"), u'<'}, {QLatin1String("&gt;"), u'>'},
        {QLatin1String("&quot;"), u'"'}, {QLatin1String("&apos;"), u'\''},
    };
    QString text;
    for (qsizetype at = 0; at < markup.size();) {
        if (markup[at] == u'<')
            return std::nullopt;
        if (markup[at] != u'&') {
            text += markup[at++];
            continue;
        }
        const auto entity = std::find_if(std::begin(entities), std::end(entities),
                                         [&](const auto &e) { return QStringView(markup).sliced(at).startsWith(e.first); });
        if (entity == std::end(entities))
            return std::nullopt;
        text += entity->second;
        at += entity->first.size();
    }
    return text;
}

} // namespace quelta::test
