#pragma once

#include "core/ProviderAllowance.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>

#include <optional>

namespace quelta {

class AppObjects;
class LocalCommandTarget;
class TrayShell;

// The running app's face for scripts and for later `quelta` commands, on the session bus as
// app.quelta.Quelta (commands/app.quelta.Quelta.xml, from which its adaptor is generated): show
// the popover, refresh, read the state (the document of `quelta status --json`), connect a
// provider, list and change the accounts, and a signal with the state on every change.
class QueltaBusService final : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    QueltaBusService(QObject *parent, AppObjects &services, TrayShell &shell, LocalCommandTarget &target);

    // Claims the name on `bus` (kept when this process holds it already) and puts the object on
    // it; false when another Quelta holds the name.
    bool registerOn(QDBusConnection bus);

public Q_SLOTS:
    // The interface's methods, which the adaptor calls.
    void ShowPopover();
    void Refresh(bool manual);
    QString State();
    QString Connect(const QString &provider);
    QString ProviderTool(const QString &provider);
    int Accounts(const QStringList &arguments, QString &output, QString &errors);

Q_SIGNALS:
    void StateChanged(const QString &document);

private:
    void answerRefreshesIfDone();
    // The provider so named; none, and the call being handled answered with an error, otherwise.
    std::optional<ProviderID> providerNamed(const QString &provider);

    AppObjects &m_services;
    TrayShell &m_shell;
    LocalCommandTarget &m_target;
    QDBusConnection m_bus;
    QList<QDBusMessage> m_refreshesWaiting;
};

} // namespace quelta
