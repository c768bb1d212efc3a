#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the input as bytes and a fixed "now", so a finding replays alike.
namespace fuzz {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QDateTime now()
{
    return QDateTime(QDate(2026, 12, 7), QTime(8, 0), QTimeZone::utc());
}

} // namespace fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
