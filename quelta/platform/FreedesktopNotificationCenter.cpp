#include "FreedesktopNotificationCenter.h"

#include "MarkupText.h"
#include "OperationCancelled.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QCoroDBus>

namespace quelta {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
// The desktop entry and the icon the server groups and marks the notifications with.
const QString applicationID = QStringLiteral("app.quelta.Quelta");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(QDBusConnection bus, const NotificationIconSource &icon, QObject *parent)
    : NotificationCenter(parent)
    , m_bus(std::move(bus))
    , m_serverWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    if (!hicolorThemeHasIcon(applicationID, icon.themeDataDirectories) && QFileInfo::exists(icon.file))
        m_iconImagePath = icon.file;
    connect(&m_serverWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
        m_marksUpBodies.reset();
        Q_EMIT serviceChanged();
    });
}

QCoro::Task<bool> FreedesktopNotificationCenter::serverReachable()
{
    const QDBusPendingCall pending = m_bus.asyncCall(call(QStringLiteral("GetServerInformation")));
    const QDBusMessage reply = co_await pending;
    co_return reply.type() == QDBusMessage::ReplyMessage;
}

QCoro::Task<bool> FreedesktopNotificationCenter::marksUpBodies()
{
    if (m_marksUpBodies)
        co_return *m_marksUpBodies;
    const QDBusPendingCall pending = m_bus.asyncCall(call(QStringLiteral("GetCapabilities")));
    QPointer<FreedesktopNotificationCenter> self(this);
    const QDBusMessage reply = co_await pending;
    if (!self)
        throw OperationCancelled();
    // A server that cannot say is taken to read markup: escaped text is still legible on one
    // that does not.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        co_return true;
    const bool marksUp = reply.arguments().constFirst().toStringList().contains(QStringLiteral("body-markup"));
    m_marksUpBodies = marksUp;
    co_return marksUp;
}

QCoro::Task<NotificationCenter::Settings> FreedesktopNotificationCenter::notificationSettings()
{
    const bool reachable = co_await serverReachable();
    co_return Settings{reachable ? AuthorizationStatus::authorized : AuthorizationStatus::notDetermined, true};
}

QCoro::Task<bool> FreedesktopNotificationCenter::requestAuthorization()
{
    // The desktop asks nobody: a server that answers will show what it is sent.
    co_return co_await serverReachable();
}

void FreedesktopNotificationCenter::setCategory(const QString &identifier, const QList<Action> &actions)
{
    m_categoryIdentifier = identifier;
    m_categoryActions = actions;
    // Only notifications with actions are answered. A command posts none and ends at once: it
    // spares itself the subscriptions, each a round trip to the bus.
    if (m_hearsAnswers)
        return;
    m_hearsAnswers = true;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this, SLOT(onNotificationClosed(uint, uint)));
}

QCoro::Task<void> FreedesktopNotificationCenter::add(Request request)
{
    QStringList actions;
    if (request.categoryIdentifier == m_categoryIdentifier) {
        for (const Action &action : m_categoryActions)
            actions << action.identifier << action.title;
        // A click on the body; servers show no button for it.
        if (!m_categoryActions.isEmpty())
            actions << QLatin1String(defaultActionIdentifier) << m_categoryActions.first().title;
    }
    QVariantMap hints{
        {QStringLiteral("desktop-entry"), applicationID},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(request.critical ? 2 : 1))},
    };
    if (!m_iconImagePath.isEmpty())
        hints.insert(QStringLiteral("image-path"), m_iconImagePath);
    QPointer<FreedesktopNotificationCenter> self(this);
    // Names and texts come from providers and stored files: a server that reads markup must not
    // find tags or links in them. Servers that mark up bodies mostly mark up summaries too.
    const bool markup = co_await marksUpBodies();
    if (!self)
        throw OperationCancelled();
    const QString title = markup ? markupEscaped(request.title) : request.title;
    const QString body = markup ? markupEscaped(request.body) : request.body;
    QDBusMessage message = call(QStringLiteral("Notify"));
    message << QStringLiteral("Quelta") << uint(0) << applicationID << title << body << actions << hints << int(-1);
    const QDBusPendingCall pending = m_bus.asyncCall(message);
    const QDBusMessage reply = co_await pending;
    if (!self)
        throw OperationCancelled();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        throw NotificationDeliveryError(reply.errorMessage().toStdString());
    if (!actions.isEmpty())
        m_posted.insert(reply.arguments().constFirst().toUInt(), request);
}

void FreedesktopNotificationCenter::openSettings()
{
    // The desktops' own notification panels, where one is installed.
    const QList<QStringList> panels{
        {QStringLiteral("gnome-control-center"), QStringLiteral("notifications")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_notifications")},
        {QStringLiteral("xfce4-notifyd-config")},
    };
    for (const QStringList &panel : panels) {
        const QString program = QStandardPaths::findExecutable(panel.first());
        if (!program.isEmpty()) {
            QProcess::startDetached(program, panel.mid(1));
            return;
        }
    }
}

void FreedesktopNotificationCenter::onActionInvoked(uint id, const QString &actionKey)
{
    const auto posted = m_posted.constFind(id);
    if (posted == m_posted.constEnd())
        return;
    Q_EMIT responseReceived(posted->identifier, actionKey, posted->userInfo);
}

void FreedesktopNotificationCenter::onNotificationClosed(uint id, uint)
{
    m_posted.remove(id);
}

} // namespace quelta
