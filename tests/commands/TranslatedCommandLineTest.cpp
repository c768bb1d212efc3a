#include "MonitorTestSupport.h"

#include "core/AllowanceStore.h"
#include "platform/SettingsStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

// The command program's human output in each language it ships, as a session in that language
// runs it.
class TranslatedCommandLineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

    QString run(const QString &language, const QStringList &arguments)
    {
        QProcess quelta;
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral("cache")));
        environment.insert(QStringLiteral("LANGUAGE"), language);
        quelta.setProcessEnvironment(environment);
        quelta.start(QStringLiteral(QUELTA_PROGRAM), arguments);
        if (!quelta.waitForFinished(30'000) || quelta.exitCode() != 0)
            return {};
        return QString::fromUtf8(quelta.readAllStandardOutput());
    }

private Q_SLOTS:
    // ChatGPT at 62 % from an hour ago, so that its row says the figures are old.
    void initTestCase()
    {
        SettingsStore store(m_home.filePath(QStringLiteral("config/quelta")));
        allowanceStore::saveEnabledProviders(store, {ProviderID::codex});
        allowanceStore::saveAuthorizedProviders(store, {ProviderID::codex});
        const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
        const ProviderAllowance chatGpt = test::connectedAllowance(ProviderID::codex, 62);
        allowanceStore::persistSnapshots(store, {{ProviderID::codex, allowanceStore::makeSnapshot(chatGpt, hourAgo)}});
    }

    void speaksTheSessionLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("stale");
        QTest::addColumn<QString>("help");

        const QString nbsp(QChar(0x00a0));
        QTest::newRow("de") << "de" << "62" + nbsp + "%" << "Letzter Stand" << "Befehle:";
        QTest::newRow("fr") << "fr" << "62" + nbsp + "%" << "Dernière mise à jour affichée" << "Commandes :";
        QTest::newRow("es") << "es" << "62" + nbsp + "%" << "Mostrando la última actualización" << "Órdenes:";
        QTest::newRow("pt_BR") << "pt_BR" << "62%" << "Exibindo a última atualização" << "Comandos:";
        QTest::newRow("ru") << "ru" << "62" + nbsp + "%" << "Показаны последние данные" << "Команды:";
        QTest::newRow("ja") << "ja" << "62%" << "前回の更新を表示中" << "コマンド:";
        QTest::newRow("zh_CN") << "zh_CN" << "62%" << "显示上次更新" << "命令：";
        QTest::newRow("ko") << "ko" << "62%" << "마지막 업데이트 표시 중" << "명령:";
        QTest::newRow("a language not shipped") << "it" << "62%" << "Showing last update" << "Commands:";
    }

    void speaksTheSessionLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, percent);
        QFETCH(QString, stale);
        QFETCH(QString, help);

        const QString status = run(language, {QStringLiteral("status"), QStringLiteral("--cached")});
        QVERIFY2(status.contains(QStringLiteral("ChatGPT  ") + percent + QStringLiteral("  ")), qPrintable(status));
        QVERIFY2(status.contains(stale), qPrintable(status));
        const QString usage = run(language, {QStringLiteral("--help")});
        QVERIFY2(usage.contains(help), qPrintable(usage));
        if (language == QLatin1String("it"))
            return;
        // Where a translation exists, no English of the same lines is left.
        for (const QString &english : {QStringLiteral("Showing last update"), QStringLiteral("Updated"), QStringLiteral("Requires")})
            QVERIFY2(!status.contains(english), qPrintable(status));
        for (const QString &english : {QStringLiteral("Usage:"), QStringLiteral("refresh and show"), QStringLiteral("show this help"),
                                       QStringLiteral("the figures Quelta recorded")})
            QVERIFY2(!usage.contains(english), qPrintable(usage));
    }
};

QTEST_GUILESS_MAIN(TranslatedCommandLineTest)
#include "TranslatedCommandLineTest.moc"
