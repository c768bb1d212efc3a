#pragma once

#include "HistorySample.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace quelta {

// The two forms `quelta history` writes and reads back: CSV with a header row, and one JSON
// document. Times are UTC to the millisecond, so that a sample read back is the sample stored.
QByteArray historyCsv(const QList<HistorySample> &samples);
QByteArray historyJson(const QList<HistorySample> &samples);

// Why an export could not be read: the line it went wrong on (1-based; 0 for the whole file).
struct HistoryExportError {
    int line = 0;
    QString reason;

    bool operator==(const HistoryExportError &) const = default;
};

// Every sample of an export, or the first thing wrong with it: a file is taken whole or not at all.
std::variant<QList<HistorySample>, HistoryExportError> readHistoryExport(const QByteArray &content);

} // namespace quelta
