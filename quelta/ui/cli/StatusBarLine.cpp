#include "StatusBarLine.h"

#include "ProviderNames.h"
#include "StatusDocument.h"

#include "ui/AllowancePresentation.h"

#include "artwork/DesignColorValues.h"

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
    const StatusRow *found = nullptr;
    for (const StatusRow &row : rows) {
        if (row.remainingShare && (!found || *row.remainingShare < *found->remainingShare))
            found = &row;
    }
    return found;
}

BarTone toneOf(const StatusRow &row)
{
    return row.remainingShare ? barTone(*row.remainingShare, AllowancePercentageStyle::remaining) : BarTone::primary;
}

// What is left, else what the popover shows in its place ("…", "—").
QString figure(const StatusRow &row)
{
    return row.remainingShare ? QString::number(*row.remainingShare) + QLatin1Char('%') : row.percentText;
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

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString waybarTooltip(const QList<StatusRow> &rows, const QJsonObject &report)
{
    QStringList lines;
    for (const StatusRow &row : rows) {
        lines << row.name + QLatin1Char(' ') + row.percentText + QStringLiteral(" · ") + row.subtitle;
        for (const LimitAtRisk &limit : row.limitsAtRisk)
            lines << limit.limitName + QStringLiteral(": ") + limit.sentence;
    }
    lines << report.value(QLatin1String("status")).toString();
    // The tooltip is Pango markup: a provider's text must not be read as tags.
    return lines.join(QLatin1Char('\n')).toHtmlEscaped();
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

    QJsonObject object{{QStringLiteral("text"), tight ? figure(*tight) : rows.isEmpty() ? QString() : rows.first().percentText},
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
        const QString shown = color.isEmpty() ? figure(row) : QStringLiteral("%{F%1}%2%{F-}").arg(color, figure(row));
        parts << row.name + QLatin1Char(' ') + shown;
    }
    return parts.join(QStringLiteral(" · "));
}

QString i3blocks(const QList<StatusRow> &rows)
{
    QStringList parts;
    for (const StatusRow &row : rows)
        parts << row.name + QLatin1Char(' ') + figure(row);
    const StatusRow *tight = tightest(rows);
    QJsonObject object{{QStringLiteral("full_text"), parts.join(QStringLiteral(" · "))},
                       {QStringLiteral("short_text"), tight ? figure(*tight) : QString()}};
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
