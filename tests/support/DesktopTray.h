#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>

namespace quelta::test {

// The desktop's side of the tray: a StatusNotifierWatcher that notes who registers.
class StatusNotifierWatcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
public:
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

    QStringList items() const
    {
        QMutexLocker lock(&m_lock);
        return m_items;
    }
    void clear()
    {
        QMutexLocker lock(&m_lock);
        m_items.clear();
    }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        QMutexLocker lock(&m_lock);
        m_items.append(service.startsWith(QLatin1Char('/')) ? message.service() : service);
    }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    mutable QMutex m_lock;
    QStringList m_items;
};

// The desktop's tray host on a connection ("desktop") and thread of its own: a tray item asks
// it questions and waits for the answers.
class DesktopTray
{
public:
    ~DesktopTray()
    {
        m_thread.quit();
        m_thread.wait();
    }

    // Registers the watcher on the session bus.
    bool start()
    {
        m_thread.start();
        m_watcher = new StatusNotifierWatcher;
        m_watcher->moveToThread(&m_thread);
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
        return desktop.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))
            && desktop.registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher, QDBusConnection::ExportAllContents);
    }

    StatusNotifierWatcher &watcher() { return *m_watcher; }

private:
    QThread m_thread;
    StatusNotifierWatcher *m_watcher = nullptr;
};

} // namespace quelta::test
