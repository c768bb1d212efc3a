#include "ChildProcesses.h"
#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "core/AllowanceStore.h"
#include "platform/DetachedTask.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTest>

using namespace quelta;

Q_LOGGING_CATEGORY(lcLifetimeTest, "quelta.test.lifetime")

// The services go while a refresh, a sign-in and the Framer helper are still running; the clock
// they read goes right after them. Their children must be gone with them, and nothing may
// resume on what is gone.
class AppLifetimeTest : public QObject
{
    Q_OBJECT

    static QString helperRuns(const test::Fixture &fixture)
    {
        QFile file(fixture.home(QStringLiteral("helper-runs")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static QString codexRequests(const test::Fixture &fixture)
    {
        QFile file(fixture.home(QStringLiteral("codex-requests")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static std::unique_ptr<test::Fixture> fixtureWithSlowTools()
    {
        auto fixture = std::make_unique<test::Fixture>();
        fixture->installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN));
        // Neither the rate limits nor the sign-in ever come: the gate file is never made.
        const QString never = fixture->home(QStringLiteral("never"));
        fixture->writeHomeFile(QStringLiteral("codex-scenario.json"),
                               QJsonDocument(QJsonObject{{QStringLiteral("answerWhenExists"), never},
                                                         {QStringLiteral("loginWhenExists"), never}})
                                   .toJson());
        fixture->writeHomeFile(QStringLiteral("quelta-web"),
                               QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\nexec sleep 60\n").arg(fixture->home(QStringLiteral("helper-runs"))).toUtf8());
        QFile::setPermissions(fixture->home(QStringLiteral("quelta-web")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        allowanceStore::saveAuthorizedProviders(fixture->store, {ProviderID::codex, ProviderID::framer});
        return fixture;
    }

private Q_SLOTS:
    void servicesGoWhileWorkIsInFlight()
    {
        for (int round = 0; round < 200; ++round) {
            auto fixture = fixtureWithSlowTools();
            auto app = test::shellServices(*fixture, QStringLiteral("quelta-web"));
            app->monitor().refresh(false);
            startDetached(app->signIn(ProviderID::codex), lcLifetimeTest, "the Codex sign-in");
            startDetached(app->signIn(ProviderID::framer), lcLifetimeTest, "the Framer window");
            // Every other round, the services go before their children have even started.
            if (round % 2 == 0) {
                QTRY_VERIFY(codexRequests(*fixture).contains(QStringLiteral("app-server")));
                QTRY_VERIFY(codexRequests(*fixture).contains(QStringLiteral("login")));
                QTRY_VERIFY(!helperRuns(*fixture).isEmpty());
            } else {
                QCoreApplication::processEvents();
            }
            app.reset();
            QCOMPARE(test::childProcessIds(), QList<int>());
            fixture.reset();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(AppLifetimeTest)
#include "AppLifetimeTest.moc"
