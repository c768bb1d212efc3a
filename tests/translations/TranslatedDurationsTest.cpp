#include "alerts/AlertMetric.h"
#include "alerts/AlertRules.h"
#include "connectors/ResetCountdownText.h"
#include "core/RefreshStatusText.h"
#include "history/UsageSparkline.h"

#include <QTest>
#include <QTranslator>

using namespace quelta;

// Counts read with each language's plural rules, numbers with its digits and signs.
class TranslatedDurationsTest : public QObject
{
    Q_OBJECT

    QTranslator m_translator;

    void speak(const QString &language)
    {
        QCoreApplication::removeTranslator(&m_translator);
        QVERIFY(m_translator.load(QStringLiteral(":/i18n/quelta_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&m_translator);
    }

private Q_SLOTS:
    void countsTakeThePluralTheyNeed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("updated");
        QTest::addColumn<QString>("resets");

        QTest::newRow("en one") << "en" << 1 << "Updated 1m ago" << "Resets in 1m";
        QTest::newRow("de one") << "de" << 1 << "Vor 1 Minute aktualisiert" << "Wird in 1 Minute zurückgesetzt";
        QTest::newRow("de many") << "de" << 5 << "Vor 5 Minuten aktualisiert" << "Wird in 5 Minuten zurückgesetzt";
        QTest::newRow("fr one") << "fr" << 1 << "Actualisé il y a 1 minute" << "Réinitialisation dans 1 minute";
        QTest::newRow("ru one") << "ru" << 21 << "Обновлено 21 минуту назад" << "Сброс через 21 минуту";
        QTest::newRow("ru few") << "ru" << 3 << "Обновлено 3 минуты назад" << "Сброс через 3 минуты";
        QTest::newRow("ru many") << "ru" << 11 << "Обновлено 11 минут назад" << "Сброс через 11 минут";
        QTest::newRow("ja") << "ja" << 2 << "2 分前に更新" << "2 分後にリセット";
    }

    void countsTakeThePluralTheyNeed()
    {
        QFETCH(QString, language);
        QFETCH(int, minutes);
        QFETCH(QString, updated);
        QFETCH(QString, resets);
        speak(language);

        const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
        RefreshStatus status;
        status.lastUpdated = now.addSecs(-60 * minutes);
        QCOMPARE(refreshStatusText(status, now), updated);
        QCOMPARE(resetCountdownText(now.addSecs(60 * minutes), now), resets);
    }

    // Titles and bodies are read when an alert is made, and name the limit as the popover does.
    void alertsSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("rising");

        QTest::newRow("en") << "en" << "ChatGPT is running low" << "Weekly limit has 20% remaining." << "1d 1h" << "You’ve used 12% of your weekly limit within 30 minutes.";
        QTest::newRow("de") << "de" << "ChatGPT wird knapp" << "Wochenlimit: noch 20\u00a0% übrig." << "1\u00a0T.\u00a01\u00a0Std."
                            << "Sie haben in 30 Minuten 12\u00a0% Ihres Kontingents verbraucht (Wochenlimit).";
        QTest::newRow("ja") << "ja" << "ChatGPT の残りが少なくなっています" << "週間制限の残りは 20% です。" << "1日1時間"
                            << "30 分間で週間制限の 12% を使用しました。";
    }

    void alertsSpeakTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QString, duration);
        QFETCH(QString, rising);
        speak(language);

        ProviderAllowance provider;
        provider.id = ProviderID::codex;
        provider.name = displayName(ProviderID::codex);
        const ProviderLimit weekly = ProviderLimit::remainingPercent(QStringLiteral("weekly"), QStringLiteral("Weekly limit"), 20,
                                                                     std::nullopt, std::nullopt, std::nullopt);
        const AlertMetric metric = *alertMetric(provider, weekly);
        const UsageAlert alert = lowAllowanceAlert(metric, 25);
        QCOMPARE(alert.title, title);
        QCOMPARE(alert.body, body);
        QCOMPARE(rapidUsageAlert(metric, 12, std::nullopt).body, rising);
        QCOMPARE(formatDuration(25 * 3600 + 60), duration);
    }

    // The spans stand inside sentences: German's after "in" and "nach", Russian's after "за" and "через".
    void spansTakeTheFormTheirSentenceNeeds_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("span");

        QTest::newRow("en one day") << "en" << qint64(86'400) << "1 day";
        QTest::newRow("de many days") << "de" << qint64(3 * 86'400) << "3 Tagen";
        QTest::newRow("ru one minute") << "ru" << qint64(21 * 60) << "21 минуту";
        QTest::newRow("ru few hours") << "ru" << qint64(3 * 3600) << "3 часа";
        QTest::newRow("zh days") << "zh_CN" << qint64(2 * 86'400) << "2 天";
    }

    void spansTakeTheFormTheirSentenceNeeds()
    {
        QFETCH(QString, language);
        QFETCH(qint64, seconds);
        QFETCH(QString, span);
        speak(language);

        QCOMPARE(elapsedText(seconds), span);
    }
};

QTEST_GUILESS_MAIN(TranslatedDurationsTest)
#include "TranslatedDurationsTest.moc"
