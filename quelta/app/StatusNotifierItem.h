#pragma once

#include "StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QPoint>

class QMenu;

namespace quelta {

class DBusMenuExporter;

// The tray item on the session bus (app/org.kde.StatusNotifierItem.xml, from which its adaptor is
// generated), with its menu as com.canonical.dbusmenu: under a name of its own, registered with
// the StatusNotifierWatcher and again with every watcher that takes over. It can carry a label,
// which Qt's own tray item cannot.
class StatusNotifierItem final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ noName)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(quelta::StatusNotifierImages IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ noName)
    Q_PROPERTY(QString AttentionIconName READ noName)
    Q_PROPERTY(quelta::StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
public:
    static constexpr const char *objectPath = "/StatusNotifierItem";
    static constexpr const char *menuPath = "/MenuBar";

    StatusNotifierItem(QDBusConnection bus, QMenu *menu, QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    // The name the item holds on the bus, "org.kde.StatusNotifierItem-<pid>-<n>".
    QString serviceName() const { return m_serviceName; }

    // The icon, by its theme name where it has one and as pixels at the sizes panels use.
    void setIcon(const QIcon &icon);
    // Title "Quelta"; `description` is markup.
    void setToolTipDescription(const QString &description);
    // Empty for no label.
    void setLabel(const QString &label);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("app.quelta.Quelta"); }
    QString title() const { return QStringLiteral("Quelta"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString noName() const { return {}; }
    QString iconName() const { return m_iconName; }
    StatusNotifierImages iconPixmap() const { return m_iconPixmap; }
    StatusNotifierToolTip toolTip() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const { return QDBusObjectPath(QLatin1String(menuPath)); }
    QString label() const { return m_label; }
    // As wide as the widest label, so that the panel keeps its place.
    QString labelGuide() const;

public Q_SLOTS:
    // The interface's methods, which the adaptor calls.
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);

Q_SIGNALS:
    // A primary click on the item.
    void activated();
    // The host asks for the menu at `position` (the pointer, in screen coordinates).
    void menuRequested(const QPoint &position);

    // The interface's signals, which the adaptor relays.
    void NewIcon();
    void NewToolTip();
    void XAyatanaNewLabel(const QString &label, const QString &guide);

private:
    void registerWithWatcher();

    QDBusConnection m_bus;
    QString m_serviceName;
    QDBusServiceWatcher m_watcher;
    DBusMenuExporter *m_menu;
    QString m_iconName;
    StatusNotifierImages m_iconPixmap;
    QString m_toolTipDescription;
    QString m_label;
};

} // namespace quelta
