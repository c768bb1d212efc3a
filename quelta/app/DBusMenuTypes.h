#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QStringList>
#include <QVariantMap>

namespace quelta {

// One entry of a com.canonical.dbusmenu layout with its children (`(ia{sv}av)`).
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// An entry's properties (`(ia{sv})`).
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItems = QList<DBusMenuItem>;

// Properties an entry no longer has (`(ias)`).
struct DBusMenuItemKeys {
    int id = 0;
    QStringList properties;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

// One event of a group (`(isvu)`).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEvents = QList<DBusMenuEvent>;

// A key sequence as the menu's "shortcut" property gives it (`aas`).
using DBusMenuShortcut = QList<QStringList>;

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayoutItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayoutItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &keys);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &keys);
QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event);

// Makes the types known to Qt D-Bus; idempotent.
void registerDBusMenuTypes();

} // namespace quelta

Q_DECLARE_METATYPE(quelta::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(quelta::DBusMenuItem)
Q_DECLARE_METATYPE(quelta::DBusMenuItemKeys)
Q_DECLARE_METATYPE(quelta::DBusMenuEvent)
