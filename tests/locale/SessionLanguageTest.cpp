#include "SessionLanguage.h"

#include <QTest>

using namespace session;

// The variables set, as NAME=value.
using Variables = QStringList;

class SessionLanguageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsTheSession_data()
    {
        QTest::addColumn<Variables>("variables");
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing set") << Variables{} << "en_US";
        QTest::newRow("LANG") << Variables{"LANG=de_DE.UTF-8"} << "de_DE";
        QTest::newRow("LC_MESSAGES over LANG") << Variables{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << "fr_FR";
        QTest::newRow("LC_ALL over LC_MESSAGES") << Variables{"LC_MESSAGES=fr_FR.UTF-8", "LC_ALL=es_ES.UTF-8"} << "es_ES";
        QTest::newRow("LANGUAGE over LC_ALL") << Variables{"LC_ALL=es_ES.UTF-8", "LANGUAGE=ru"} << "ru_RU";
        QTest::newRow("empty LANGUAGE") << Variables{"LANGUAGE=", "LANG=ja_JP.UTF-8"} << "ja_JP";
        QTest::newRow("first of a list we have") << Variables{"LANGUAGE=it:eo:ko:de"} << "ko_KR";
        QTest::newRow("list of none, then LANG") << Variables{"LANGUAGE=it:eo", "LANG=fr_CA.UTF-8"} << "fr_FR";
        QTest::newRow("English early in a list") << Variables{"LANGUAGE=en_GB:de"} << "en_GB";
        QTest::newRow("LANGUAGE alone") << Variables{"LANGUAGE=de"} << "de_DE";
        QTest::newRow("C") << Variables{"LC_ALL=C", "LANG=de_DE.UTF-8"} << "en_US";
        QTest::newRow("C over LANGUAGE") << Variables{"LANGUAGE=de:fr", "LC_ALL=C"} << "en_US";
        QTest::newRow("C from LANG over LANGUAGE") << Variables{"LANGUAGE=ja", "LANG=C.UTF-8"} << "en_US";
        QTest::newRow("POSIX") << Variables{"LANG=POSIX"} << "en_US";
        QTest::newRow("C.UTF-8") << Variables{"LANG=C.UTF-8"} << "en_US";
        QTest::newRow("language we lack") << Variables{"LANG=it_IT.UTF-8"} << "en_US";
        QTest::newRow("nonsense") << Variables{"LANG=xx_YY"} << "en_US";
        QTest::newRow("modifier") << Variables{"LANG=de_DE@euro"} << "de_DE";
        QTest::newRow("Brazil") << Variables{"LANG=pt_BR.UTF-8"} << "pt_BR";
        QTest::newRow("Portugal reads Brazilian") << Variables{"LANG=pt_PT.UTF-8"} << "pt_BR";
        QTest::newRow("bare Portuguese") << Variables{"LANGUAGE=pt"} << "pt_BR";
        QTest::newRow("mainland China") << Variables{"LANG=zh_CN.UTF-8"} << "zh_CN";
        QTest::newRow("Singapore is Simplified") << Variables{"LANG=zh_SG.UTF-8"} << "zh_CN";
        QTest::newRow("Taiwan is Traditional") << Variables{"LANG=zh_TW.UTF-8"} << "en_US";
        QTest::newRow("Hong Kong is Traditional") << Variables{"LANGUAGE=zh_HK:ja"} << "ja_JP";
    }

    void followsTheSession()
    {
        QFETCH(Variables, variables);
        QFETCH(QString, expected);

        QProcessEnvironment environment;
        for (const QString &variable : variables)
            environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
        const QStringList shipped{"de", "fr", "es", "pt_BR", "ru", "ja", "zh_CN", "ko"};

        QCOMPARE(sessionLocale(environment, shipped).name(), expected);
    }
};

QTEST_GUILESS_MAIN(SessionLanguageTest)
#include "SessionLanguageTest.moc"
