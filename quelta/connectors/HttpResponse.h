#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

namespace quelta {

// A reply that reached us with a status, whatever the status (redirects included).
struct HttpResponse {
    int status = 0;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // Case-insensitive; empty when absent.
    QByteArray header(const QByteArray &name) const;
};

} // namespace quelta
