#include "StatusBarLine.h"

#include "AllowancePresentation.h"
#include "ProviderNames.h"
#include "StatusDocument.h"
#include "TerminalText.h"

#include "artwork/DesignColorValues.h"
#include "platform/MarkupText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>

#include <algorithm>

namespace quelta {

namespace {

// Panels are dark far more often than light, and a bar's colours cannot be read from here.
constexpr designColors::Scheme panelScheme = designColors::Scheme::dark;

// The row with the least left, the first of equals; null when no row has a figure.
const StatusRow *tightest(const QList<StatusRow> &rows)
{
    QList<std::optional<int>> shares;
    for (const StatusRow &row : rows)
        shares << row.remainingShare;
    const std::optional<qsizetype> found = tightestIndex(shares);
    return found ? &rows[*found] : nullptr;
}

BarTone toneOf(const StatusRow &row)
{
    return row.remainingShare ? barTone(*row.remainingShare, AllowancePercentageStyle::remaining) : BarTone::primary;
}

// What is left, else what the popover shows in its place ("…", "—").
QString figure(const StatusRow &row)
{
    return row.remainingShare ? percentNumber(*row.remainingShare) : row.percentText;
}

// "#rrggbb", as bars take it.
QString colorName(std::uint32_t value)
{
    return QStringLiteral("#%1").arg(value, 6, 16, QLatin1Char('0'));
}

QString colorName(BarTone tone)
{
    switch (tone) {
    case BarTone::red:
        return colorName(designColors::systemRedValue(panelScheme));
    case BarTone::orange:
        return colorName(designColors::systemOrangeValue(panelScheme));
    case BarTone::primary:
        break;
    }
    return {};
}

// Outside text for a Pango field (waybar, i3blocks), on one line.
QString pango(QStringView text)
{
    return markupEscaped(oneLineText(text));
}

// Outside text for polybar, on one line. Polybar reads every "%{" as the start of a format tag
// and has no escape for it, so the pair is kept apart.
QString polybarText(QStringView text)
{
    return oneLineText(text).replace(QLatin1String("%{"), QLatin1String("% {"));
}

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString waybarTooltip(const QList<StatusRow> &rows, const QJsonObject &report)
{
    QStringList lines;
    for (const StatusRow &row : rows) {
        lines << pango(row.name) + QLatin1Char(' ') + pango(row.percentText) + QStringLiteral(" · ") + pango(row.subtitle);
        for (const LimitAtRisk &limit : row.limitsAtRisk)
            lines << pango(limit.limitName) + QStringLiteral(": ") + pango(limit.sentence);
    }
    lines << pango(report.value(QLatin1String("status")).toString());
    return lines.join(QLatin1Char('\n'));
}

QString waybar(const QList<StatusRow> &rows, const QJsonObject &report)
{
    QJsonArray classes;
    const StatusRow *tight = tightest(rows);
    if (tight) {
        const BarTone tone = toneOf(*tight);
        classes << (tone == BarTone::red ? QStringLiteral("critical") : tone == BarTone::orange ? QStringLiteral("low") : QStringLiteral("ok"));
    }
    const auto any = [&rows](bool StatusRow::*flag) { return std::any_of(rows.begin(), rows.end(), [flag](const StatusRow &row) { return row.*flag; }); };
    if (any(&StatusRow::isStale))
        classes << QStringLiteral("stale");
    if (any(&StatusRow::needsConnection))
        classes << QStringLiteral("disconnected");
    if (any(&StatusRow::hasError))
        classes << QStringLiteral("error");

    QJsonObject object{{QStringLiteral("text"), pango(tight ? figure(*tight) : rows.isEmpty() ? QString() : rows.first().percentText)},
                       {QStringLiteral("tooltip"), waybarTooltip(rows, report)},
                       {QStringLiteral("class"), classes}};
    if (tight) {
        object.insert(QStringLiteral("alt"), commandName(tight->id));
        object.insert(QStringLiteral("percentage"), *tight->remainingShare);
    }
    return compact(object);
}

QString polybar(const QList<StatusRow> &rows)
{
    QStringList parts;
    for (const StatusRow &row : rows) {
        const QString color = colorName(toneOf(row));
        const QString shown = polybarText(figure(row));
        parts << polybarText(row.name) + QLatin1Char(' ') + (color.isEmpty() ? shown : QStringLiteral("%{F%1}%2%{F-}").arg(color, shown));
    }
    return parts.join(QStringLiteral(" · "));
}

QString i3blocks(const QList<StatusRow> &rows)
{
    QStringList parts;
    for (const StatusRow &row : rows)
        parts << pango(row.name) + QLatin1Char(' ') + pango(figure(row));
    const StatusRow *tight = tightest(rows);
    // Pango, whatever the block's own setting, so that the escaped text reads right.
    QJsonObject object{{QStringLiteral("full_text"), parts.join(QStringLiteral(" · "))},
                       {QStringLiteral("short_text"), tight ? pango(figure(*tight)) : QString()},
                       {QStringLiteral("markup"), QStringLiteral("pango")}};
    const BarTone tone = tight ? toneOf(*tight) : BarTone::primary;
    if (tone != BarTone::primary)
        object.insert(QStringLiteral("color"), colorName(tone));
    if (tone == BarTone::red)
        object.insert(QStringLiteral("urgent"), true);
    return compact(object);
}

} // namespace

QString statusBarLine(StatusBarFormat format, const QJsonObject &report, const QDateTime &now)
{
    const QList<StatusRow> rows = statusRows(report, now);
    switch (format) {
    case StatusBarFormat::waybar:
        return waybar(rows, report);
    case StatusBarFormat::polybar:
        return polybar(rows);
    case StatusBarFormat::i3blocks:
        break;
    }
    return i3blocks(rows);
}

} // namespace quelta
