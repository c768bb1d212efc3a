#pragma once

#include "DBusMenuTypes.h"

#include <QDBusContext>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace quelta {

// A QMenu as com.canonical.dbusmenu (app/com.canonical.dbusmenu.xml, from which its adaptor is
// generated), for tray hosts that draw the item's menu themselves: one entry per action, "clicked"
// triggers it, and the host hears of every change to the actions.
class DBusMenuExporter final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    explicit DBusMenuExporter(QMenu *menu, QObject *parent = nullptr);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    // The interface's methods, which the adaptor calls.
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, quelta::DBusMenuLayoutItem &layout);
    quelta::DBusMenuItems GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const quelta::DBusMenuEvents &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const quelta::DBusMenuItems &updatedProps, const quelta::DBusMenuItemKeysList &removedProps);
    void LayoutUpdated(uint revision, int parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The action an entry stands for; none for the root and for ids the menu does not have.
    QAction *actionOf(int id) const;
    int idOf(const QAction *action) const;
    bool isKnown(int id) const;
    QVariantMap propertiesOf(int id, const QStringList &names) const;
    // Answers the call being handled with an error for an id the menu does not have.
    void refuseUnknown(int id);

    QPointer<QMenu> m_menu;
    uint m_revision = 1;
};

} // namespace quelta
