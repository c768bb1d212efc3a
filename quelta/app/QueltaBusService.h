#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonObject>

namespace quelta {

class AppObjects;
class LocalCommandTarget;
class TrayShell;

// The running app's face for scripts and for later `quelta` commands, on the session bus as
// app.quelta.Quelta: show the popover, refresh, read the state (the document of
// `quelta status --json`), connect a provider, and a signal with the state on every change.
class QueltaBusService final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.quelta.Quelta")
public:
    QueltaBusService(QObject *host, AppObjects &services, TrayShell &shell, LocalCommandTarget &target);

    // Claims the name on `bus` (kept when this process holds it already) and puts the object on
    // it; false when another Quelta holds the name.
    bool registerOn(QDBusConnection bus);

public Q_SLOTS:
    // Or the onboarding, while it is due.
    void ShowPopover();
    // Answers once the refresh is over.
    void Refresh(bool manual, const QDBusMessage &message);
    QString State();
    // Answers "connected", "freePlan" or "failed" once the attempt is over.
    void Connect(const QString &provider, const QDBusMessage &message);
    // Where this Quelta finds the provider's tool; empty when it is not installed.
    QString ProviderTool(const QString &provider, const QDBusMessage &message);

Q_SIGNALS:
    void StateChanged(const QString &document);

private:
    void answerRefreshesIfDone();

    AppObjects &m_services;
    TrayShell &m_shell;
    LocalCommandTarget &m_target;
    QDBusConnection m_bus;
    QList<QDBusMessage> m_refreshesWaiting;
};

} // namespace quelta
