#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>

namespace quelta {

// One picture of a status notifier item: ARGB32 pixels in network byte order (`(iiay)`).
struct StatusNotifierImage {
    int width = 0;
    int height = 0;
    QByteArray pixels;

    bool operator==(const StatusNotifierImage &) const = default;
};
using StatusNotifierImages = QList<StatusNotifierImage>;

// The item's tooltip (`(sa(iiay)ss)`): an icon, a title and a description in markup.
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierImages images;
    QString title;
    QString description;

    bool operator==(const StatusNotifierToolTip &) const = default;
};

QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierImage &image);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierImage &image);
QDBusArgument &operator<<(QDBusArgument &argument, const StatusNotifierToolTip &toolTip);
const QDBusArgument &operator>>(const QDBusArgument &argument, StatusNotifierToolTip &toolTip);

// Makes the types known to Qt D-Bus; idempotent.
void registerStatusNotifierTypes();

} // namespace quelta

Q_DECLARE_METATYPE(quelta::StatusNotifierImage)
Q_DECLARE_METATYPE(quelta::StatusNotifierToolTip)
