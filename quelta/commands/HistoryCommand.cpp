#include "HistoryCommand.h"

#include "AllowancePresentation.h"
#include "CommandOptions.h"
#include "ProviderNames.h"
#include "TerminalText.h"

#include "history/HistoryExport.h"
#include "history/HistoryStore.h"
#include "platform/Quelta.h"

#include <QFile>
#include <QRegularExpression>

#include <variant>

namespace quelta {

namespace {

enum class HistoryFormat { table, csv, json };

struct HistoryOptions {
    HistoryQuery query;
    HistoryFormat format = HistoryFormat::table;
    std::optional<QString> importFile;
};

// "7d", "30d", "90d" (any number of days back from now), or a date, from its local midnight.
std::optional<QDateTime> sinceTime(const QString &text, const QDateTime &now)
{
    static const QRegularExpression days(QStringLiteral("^(\\d{1,5})d$"));
    if (const QRegularExpressionMatch match = days.match(text); match.hasMatch())
        return now.addDays(-match.captured(1).toInt());
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date.startOfDay();
}

std::variant<HistoryOptions, QString> readOptions(const QStringList &arguments, const QDateTime &now)
{
    HistoryOptions options;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        const auto value = [&] { return optionValue(arguments, index).value_or(QString()); };
        if (isOption(argument, QLatin1StringView("--provider"))) {
            const QString named = value();
            const qsizetype colon = named.indexOf(QLatin1Char(':'));
            const std::optional<ProviderID> provider = providerNamed(colon < 0 ? named : named.left(colon));
            if (!provider)
                return Quelta::tr("unknown provider: %1 (choose %2)").arg(named, commandNameChoices());
            options.query.provider = toRawValue(*provider);
            if (colon >= 0)
                options.query.account = named.mid(colon + 1);
        } else if (isOption(argument, QLatin1StringView("--limit"))) {
            options.query.limitID = value();
        } else if (isOption(argument, QLatin1StringView("--since"))) {
            const QString since = value();
            options.query.since = sinceTime(since, now);
            if (!options.query.since)
                return Quelta::tr("bad date: %1 (use a number of days such as 7d or 30d, or a date such as 2026-11-01)").arg(since);
        } else if (isOption(argument, QLatin1StringView("--format"))) {
            const QString format = value();
            if (format == QLatin1String("table"))
                options.format = HistoryFormat::table;
            else if (format == QLatin1String("csv"))
                options.format = HistoryFormat::csv;
            else if (format == QLatin1String("json"))
                options.format = HistoryFormat::json;
            else
                return Quelta::tr("unknown format: %1 (choose table, csv or json)").arg(format);
        } else if (isOption(argument, QLatin1StringView("--import"))) {
            options.importFile = value();
            if (options.importFile->isEmpty())
                return Quelta::tr("--import needs a file");
        } else {
            return Quelta::tr("unknown option for history: %1").arg(argument);
        }
    }
    if (options.importFile && (options.query != HistoryQuery{} || options.format != HistoryFormat::table))
        return Quelta::tr("--import takes no other option");
    return options;
}

QString localTimeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString providerText(const QString &raw)
{
    const std::optional<ProviderID> id = fromRawValue<ProviderID>(raw);
    return id ? commandName(*id) : raw;
}

QString table(const QList<HistorySample> &samples)
{
    if (samples.isEmpty())
        return Quelta::tr("No history yet.\n");
    QList<QStringList> rows{{Quelta::tr("Time"), Quelta::tr("Provider"), Quelta::tr("Limit"), Quelta::tr("Used"),
                             Quelta::tr("Resets")}};
    rows.reserve(samples.size() + 1);
    for (const HistorySample &sample : samples) {
        const QString provider = providerText(sample.series.provider)
            + (sample.series.account.isEmpty() ? QString() : QLatin1Char(':') + oneLineText(sample.series.account));
        rows << QStringList{localTimeText(sample.takenAt), provider, oneLineText(sample.limitName),
                            percentNumber(sample.usedPercent),
                            sample.resetsAt ? localTimeText(*sample.resetsAt) : QStringLiteral("—")};
    }
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            // The figure reads best aligned on its right.
            const bool right = column == 3;
            const QString cell = right ? row[column].rightJustified(widths[column]) : row[column].leftJustified(widths[column]);
            line += (column ? QStringLiteral("  ") : QString()) + cell;
        }
        // The last column is padded for nothing.
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

int import(const QString &file, HistoryStore &store, QTextStream &out, QTextStream &err)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        err << "quelta: " << Quelta::tr("cannot read %1: %2").arg(file, input.errorString()) << '\n';
        return 2;
    }
    const auto read = readHistoryExport(input.readAll());
    if (const auto *error = std::get_if<HistoryExportError>(&read)) {
        const QString where = error->line > 0 ? Quelta::tr("%1, line %2").arg(file).arg(error->line) : file;
        err << "quelta: " << Quelta::tr("%1: %2; nothing was imported").arg(where, error->reason) << '\n';
        return 2;
    }
    const QList<HistorySample> &samples = std::get<QList<HistorySample>>(read);
    const std::optional<int> added = store.import(samples);
    if (!added) {
        err << "quelta: " << Quelta::tr("history could not be written: %1").arg(store.problem().value_or(QString())) << '\n';
        return 1;
    }
    const int known = int(samples.size() - *added);
    if (known > 0)
        out << Quelta::tr("Imported %n sample(s); %1 already in the history.", nullptr, *added).arg(known) << '\n';
    else
        out << Quelta::tr("Imported %n sample(s).", nullptr, *added) << '\n';
    return 0;
}

// UTF-8 as it is, straight to the device where there is one: an export can be many megabytes.
void write(QTextStream &out, const QByteArray &utf8)
{
    if (!out.device()) {
        out << QString::fromUtf8(utf8);
        return;
    }
    out.flush();
    if (out.device()->write(utf8) != utf8.size())
        out.setStatus(QTextStream::WriteFailed);
}

} // namespace

QString historyUsage()
{
    return Quelta::tr("  history [--format table|csv|json]\n"
                      "                               the figures Quelta recorded, oldest first\n"
                      "  history --provider NAME[:ACCOUNT]\n"
                      "                               only that service, or one account of it\n"
                      "  history --limit ID           only that limit, such as five_hour or weekly\n"
                      "  history --since 7d|30d|DATE  only from that many days back, or that date on\n"
                      "  history --import FILE        add the samples of a CSV or JSON export\n");
}

int runHistoryCommand(const QStringList &arguments, const QString &historyFile, const QDateTime &now, QTextStream &out,
                      QTextStream &err)
{
    const auto read = readOptions(arguments, now);
    if (const QString *problem = std::get_if<QString>(&read)) {
        err << "quelta: " << *problem << '\n';
        return 2;
    }
    const HistoryOptions &options = std::get<HistoryOptions>(read);
    HistoryStore store(historyFile);
    if (!store.isAvailable()) {
        err << "quelta: " << Quelta::tr("history is unavailable: %1").arg(store.problem().value_or(QString())) << '\n';
        return 1;
    }
    if (options.importFile)
        return import(*options.importFile, store, out, err);
    const QList<HistorySample> samples = store.samples(options.query);
    if (!store.isAvailable()) {
        err << "quelta: " << Quelta::tr("history could not be read: %1").arg(store.problem().value_or(QString())) << '\n';
        return 1;
    }
    switch (options.format) {
    case HistoryFormat::table:
        out << table(samples);
        break;
    case HistoryFormat::csv:
        write(out, historyCsv(samples));
        break;
    case HistoryFormat::json:
        write(out, historyJson(samples));
        break;
    }
    return 0;
}

} // namespace quelta
