#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace quelta::test {

// Plays the desktop's notification server on the private session bus, on a connection of its own.
class NotificationServerStandIn final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };

    // How Notify is answered: at once, only once answerHeld() is called, or with an error.
    enum class Answer { immediately, held, error };

    explicit NotificationServerStandIn(const QString &connectionName)
        : m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
    {
    }

    bool start()
    {
        return m_connection.registerObject(path(), this, QDBusConnection::ExportAllSlots) && m_connection.registerService(service());
    }

    void stop()
    {
        m_connection.unregisterService(service());
        m_connection.unregisterObject(path());
    }

    void invoke(uint id, const QString &action) { emitSignal(QStringLiteral("ActionInvoked"), {id, action}); }
    void close(uint id) { emitSignal(QStringLiteral("NotificationClosed"), {id, uint(2)}); }

    // Sends the answers Notify has held back.
    void answerHeld()
    {
        for (const QDBusMessage &call : std::exchange(m_held, {}))
            m_connection.send(call.createReply(uint(received.size())));
    }

    Answer answer = Answer::immediately;
    // What GetCapabilities announces; add "body-markup" to play a server that reads markup.
    QStringList capabilities{QStringLiteral("actions"), QStringLiteral("body")};
    QList<Notification> received;
    int heldCount() const { return int(m_held.size()); }

public Q_SLOTS:
    uint Notify(const QString &appName, uint, const QString &appIcon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int, const QDBusMessage &message)
    {
        if (answer == Answer::error) {
            message.setDelayedReply(true);
            m_connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.Notifications.Error.Full"), QStringLiteral("full")));
            return 0;
        }
        received.append({appName, appIcon, summary, body, actions, hints});
        if (answer == Answer::held) {
            message.setDelayedReply(true);
            m_held.append(message);
        }
        return uint(received.size());
    }

    QStringList GetCapabilities() { return capabilities; }

    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("test");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("stand-in");
    }

private:
    static QString service() { return QStringLiteral("org.freedesktop.Notifications"); }
    static QString path() { return QStringLiteral("/org/freedesktop/Notifications"); }

    void emitSignal(const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path(), service(), name);
        signal.setArguments(arguments);
        m_connection.send(signal);
    }

    QDBusConnection m_connection;
    QList<QDBusMessage> m_held;
};

} // namespace quelta::test
