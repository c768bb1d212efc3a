#include "TelemetryTestSupport.h"
#include "GuiApplicationPresence.h"
#include "SessionManager.h"

#include <QGuiApplication>
#include <QSettings>
#include <QTest>
#include <QWindow>

using namespace quelta;
using namespace std::chrono_literals;

// A tray app runs without focus most of the time: its session time counts only while one of its
// windows is active, as its Gui presence tells, and its store is left alone meanwhile.
class SessionActivityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeCountsOnlyWhileAWindowIsActive()
    {
        QTemporaryDir dir;
        test::ManualClock clock;
        TelemetryClockAdapter adapter(clock);
        QSettings store(dir.filePath(QStringLiteral("suite.ini")), QSettings::IniFormat);
        auto config = test::testConfiguration(QUrl(QStringLiteral("http://127.0.0.1:9/")), dir, adapter);
        config->presence = std::make_shared<telemetrydeck::GuiApplicationPresence>(*qGuiApp);
        telemetrydeck::SessionManager sessions(config, store, [](const QString &, const telemetrydeck::Parameters &) {});
        QVERIFY(QGuiApplication::applicationState() != Qt::ApplicationActive);

        sessions.startNewSession();
        clock.advance(10s);
        QVERIFY(sessions.recentSessions().isEmpty());
        QVERIFY(!store.contains(QStringLiteral("recentSessions")));

        QWindow window;
        window.show();
        window.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        clock.advance(3s);
        QCOMPARE(sessions.recentSessions().size(), 1);
        QCOMPARE(sessions.recentSessions()[0].durationInSeconds, 3);
    }
};

QTEST_MAIN(SessionActivityTest)
#include "SessionActivityTest.moc"
