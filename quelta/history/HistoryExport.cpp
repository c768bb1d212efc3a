#include "HistoryExport.h"

#include "core/ProviderAllowance.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <chrono>
#include <cstdio>

namespace quelta {

namespace {

const QByteArray csvHeader = "time,provider,account,limit,limit_name,used_percent,resets_at,window_seconds";
const QString jsonFormat = QStringLiteral("quelta-history");
constexpr int jsonVersion = 1;

// Writes `value` as `width` digits at `to`.
char *putDigits(char *to, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        to[i] = char('0' + value % 10);
    return to + width;
}

// As Qt::ISODateWithMs writes UTC ("2026-11-01T10:00:00.123Z"), without its cost per call:
// an export writes two a sample.
void appendTime(QByteArray &to, const QDateTime &time)
{
    using namespace std::chrono;
    const sys_time<milliseconds> point{milliseconds(time.toMSecsSinceEpoch())};
    const sys_days day = floor<days>(point);
    const year_month_day date{day};
    const hh_mm_ss clock{point - day};
    char text[24];
    char *end = putDigits(text, int(date.year()), 4);
    *end++ = '-';
    end = putDigits(end, int(unsigned(date.month())), 2);
    *end++ = '-';
    end = putDigits(end, int(unsigned(date.day())), 2);
    *end++ = 'T';
    end = putDigits(end, int(clock.hours().count()), 2);
    *end++ = ':';
    end = putDigits(end, int(clock.minutes().count()), 2);
    *end++ = ':';
    end = putDigits(end, int(clock.seconds().count()), 2);
    *end++ = '.';
    end = putDigits(end, int(clock.subseconds().count()), 3);
    *end++ = 'Z';
    to.append(text, end - text);
}

QString timeText(const QDateTime &time)
{
    QByteArray text;
    appendTime(text, time);
    return QString::fromLatin1(text);
}

std::optional<QDateTime> timeFromText(const QString &text)
{
    const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!time.isValid() || time.timeSpec() == Qt::LocalTime)
        return std::nullopt;
    return time.toUTC();
}

// RFC 4180: quoted when it holds a separator, a quote or a line break.
QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r'))
        return field;
    field.replace('"', "\"\"");
    return '"' + field + '"';
}

char byteAt(const QByteArray &content, qsizetype index)
{
    return index < content.size() ? content[index] : '\0';
}

// The fields of one record starting at `position`, which moves past it; absent on a broken quote.
std::optional<QStringList> csvRecord(const QByteArray &content, qsizetype &position, int &line)
{
    QStringList fields;
    QByteArray field;
    bool quoted = false;
    for (; position < content.size(); ++position) {
        const char c = content[position];
        if (quoted) {
            if (c == '"' && byteAt(content, position + 1) == '"') {
                field += '"';
                ++position;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',') {
            fields << QString::fromUtf8(field);
            field.clear();
        } else if (c == '\n' || c == '\r') {
            position += c == '\r' && byteAt(content, position + 1) == '\n' ? 2 : 1;
            break;
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << QString::fromUtf8(field);
    return fields;
}

// What is wrong with a sample's values, if anything.
std::optional<QString> problemWith(const HistorySample &sample)
{
    if (!sample.takenAt.isValid())
        return QStringLiteral("the time is not a UTC date and time");
    if (!fromRawValue<ProviderID>(sample.series.provider))
        return QStringLiteral("unknown provider “%1”").arg(sample.series.provider);
    if (sample.series.limitID.isEmpty())
        return QStringLiteral("the limit is missing");
    if (sample.usedPercent < 0 || sample.usedPercent > 100)
        return QStringLiteral("the used percent is not between 0 and 100");
    return std::nullopt;
}

std::optional<int> integerFrom(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::variant<QList<HistorySample>, HistoryExportError> readCsv(const QByteArray &content)
{
    QList<HistorySample> samples;
    qsizetype position = 0;
    int line = 1;
    const std::optional<QStringList> header = csvRecord(content, position, line);
    if (!header || header->join(QLatin1Char(',')).toUtf8() != csvHeader)
        return HistoryExportError{0, QStringLiteral("not a Quelta history export")};
    while (position < content.size()) {
        const int recordLine = ++line;
        const std::optional<QStringList> fields = csvRecord(content, position, line);
        if (!fields)
            return HistoryExportError{recordLine, QStringLiteral("a quoted field is not closed")};
        if (*fields == QStringList{QString()})
            continue;
        if (fields->size() != 8)
            return HistoryExportError{recordLine, QStringLiteral("expected 8 fields, found %1").arg(fields->size())};
        HistorySample sample;
        sample.takenAt = timeFromText(fields->at(0)).value_or(QDateTime());
        sample.series = {fields->at(1), fields->at(2), fields->at(3)};
        sample.limitName = fields->at(4);
        const std::optional<int> used = integerFrom(fields->at(5));
        sample.usedPercent = used.value_or(-1);
        if (!fields->at(6).isEmpty()) {
            sample.resetsAt = timeFromText(fields->at(6));
            if (!sample.resetsAt)
                return HistoryExportError{recordLine, QStringLiteral("the reset time is not a UTC date and time")};
        }
        if (!fields->at(7).isEmpty()) {
            const std::optional<int> seconds = integerFrom(fields->at(7));
            if (!seconds || *seconds <= 0)
                return HistoryExportError{recordLine, QStringLiteral("the window length is not a number of seconds")};
            sample.windowSeconds = *seconds;
        }
        if (const std::optional<QString> problem = problemWith(sample))
            return HistoryExportError{recordLine, *problem};
        samples << sample;
    }
    return samples;
}

// The line each element of the document's one array starts on: JSON readers give no positions.
QList<int> elementLines(const QByteArray &content)
{
    QList<int> lines;
    int line = 1;
    int depth = 0;
    bool inString = false;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\n')
            ++line;
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (depth == 2)
                lines << line;
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return lines;
}

std::optional<HistorySample> sampleFromJson(const QJsonObject &object)
{
    HistorySample sample;
    const QJsonValue account = object.value(QLatin1String("account"));
    if (!account.isNull() && !account.isUndefined() && !account.isString())
        return std::nullopt;
    sample.takenAt = timeFromText(object.value(QLatin1String("time")).toString()).value_or(QDateTime());
    sample.series = {object.value(QLatin1String("provider")).toString(), account.toString(),
                     object.value(QLatin1String("limit")).toString()};
    sample.limitName = object.value(QLatin1String("limitName")).toString();
    const QJsonValue used = object.value(QLatin1String("usedPercent"));
    sample.usedPercent = used.isDouble() && used.toDouble() == used.toInt() ? used.toInt() : -1;
    const QJsonValue resetsAt = object.value(QLatin1String("resetsAt"));
    if (!resetsAt.isNull() && !resetsAt.isUndefined()) {
        sample.resetsAt = timeFromText(resetsAt.toString());
        if (!sample.resetsAt)
            return std::nullopt;
    }
    const QJsonValue window = object.value(QLatin1String("windowSeconds"));
    if (!window.isNull() && !window.isUndefined()) {
        if (!window.isDouble() || window.toInteger() <= 0)
            return std::nullopt;
        sample.windowSeconds = window.toInteger();
    }
    return sample;
}

std::variant<QList<HistorySample>, HistoryExportError> readJson(const QByteArray &content)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError) {
        const int line = int(content.left(error.offset).count('\n')) + 1;
        return HistoryExportError{line, error.errorString()};
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != jsonFormat)
        return HistoryExportError{0, QStringLiteral("not a Quelta history export")};
    if (root.value(QLatin1String("version")).toInt() != jsonVersion)
        return HistoryExportError{0, QStringLiteral("an export of a version this Quelta cannot read")};
    const QJsonArray array = root.value(QLatin1String("samples")).toArray();
    const QList<int> lines = elementLines(content);
    QList<HistorySample> samples;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const int line = lines.value(i);
        const std::optional<HistorySample> sample = sampleFromJson(array[i].toObject());
        if (!array[i].isObject() || !sample)
            return HistoryExportError{line, QStringLiteral("not a sample")};
        if (const std::optional<QString> problem = problemWith(*sample))
            return HistoryExportError{line, *problem};
        samples << *sample;
    }
    return samples;
}

} // namespace

QByteArray historyCsv(const QList<HistorySample> &samples)
{
    QByteArray csv = csvHeader + '\n';
    csv.reserve(samples.size() * 96);
    // A series' fields are the same on each of its lines.
    const HistorySample *previous = nullptr;
    QByteArray seriesFields;
    for (const HistorySample &sample : samples) {
        if (!previous || previous->series != sample.series || previous->limitName != sample.limitName
            || previous->windowSeconds != sample.windowSeconds) {
            seriesFields = ',' + csvField(sample.series.provider) + ',' + csvField(sample.series.account) + ','
                + csvField(sample.series.limitID) + ',' + csvField(sample.limitName) + ',';
        }
        previous = &sample;
        appendTime(csv, sample.takenAt);
        csv += seriesFields;
        csv += QByteArray::number(sample.usedPercent);
        csv += ',';
        if (sample.resetsAt)
            appendTime(csv, *sample.resetsAt);
        csv += ',';
        if (sample.windowSeconds)
            csv += QByteArray::number(*sample.windowSeconds);
        csv += '\n';
    }
    return csv;
}

QByteArray historyJson(const QList<HistorySample> &samples)
{
    // One sample a line: readable, and a reader can say where a sample went wrong.
    QByteArray json = "{\n  \"format\": \"" + jsonFormat.toUtf8() + "\",\n  \"version\": " + QByteArray::number(jsonVersion)
        + ",\n  \"samples\": [";
    for (qsizetype i = 0; i < samples.size(); ++i) {
        const HistorySample &sample = samples[i];
        QJsonObject object{{QStringLiteral("time"), timeText(sample.takenAt)},
                           {QStringLiteral("provider"), sample.series.provider},
                           {QStringLiteral("account"), sample.series.account.isEmpty() ? QJsonValue() : QJsonValue(sample.series.account)},
                           {QStringLiteral("limit"), sample.series.limitID},
                           {QStringLiteral("limitName"), sample.limitName},
                           {QStringLiteral("usedPercent"), sample.usedPercent},
                           {QStringLiteral("resetsAt"), sample.resetsAt ? QJsonValue(timeText(*sample.resetsAt)) : QJsonValue()},
                           {QStringLiteral("windowSeconds"), sample.windowSeconds ? QJsonValue(*sample.windowSeconds) : QJsonValue()}};
        json += (i ? ",\n    " : "\n    ") + QJsonDocument(object).toJson(QJsonDocument::Compact);
    }
    return json + (samples.isEmpty() ? "]\n}\n" : "\n  ]\n}\n");
}

std::variant<QList<HistorySample>, HistoryExportError> readHistoryExport(const QByteArray &content)
{
    const QByteArray start = content.trimmed().left(1);
    return start == "{" ? readJson(content) : readCsv(content);
}

} // namespace quelta
