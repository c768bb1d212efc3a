#include "platform/HelperProgram.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

// Files under a prefix: the path relative to it and whether it is executable.
using Layout = QList<QPair<QString, bool>>;

class HelperProgramTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheHelperBesideOrInLibexec_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("expected");

        const QString beside = QStringLiteral("bin/quelta-web");
        const QString libexec = QStringLiteral("libexec/quelta/quelta-web");
        QTest::newRow("build tree or bundle") << Layout{{beside, true}} << beside;
        QTest::newRow("installed") << Layout{{libexec, true}} << libexec;
        QTest::newRow("beside wins over installed") << Layout{{beside, true}, {libexec, true}} << beside;
        QTest::newRow("not executable beside") << Layout{{beside, false}, {libexec, true}} << libexec;
        QTest::newRow("a folder in libexec") << Layout{{libexec + QLatin1String("/inner"), true}} << beside;
        QTest::newRow("another prefix's libexec") << Layout{{QStringLiteral("libexec/quelta-web"), true}} << beside;
        QTest::newRow("missing: named beside") << Layout{} << beside;
    }

    void findsTheHelperBesideOrInLibexec()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, expected);

        const QTemporaryDir prefix;
        const QDir root(prefix.path());
        QVERIFY(root.mkpath(QStringLiteral("bin")));
        for (const auto &[path, executable] : layout) {
            QVERIFY(root.mkpath(QFileInfo(path).path()));
            QFile file(root.filePath(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions())));
        }

        QCOMPARE(helperProgramPath(root.filePath(QStringLiteral("bin")), QStringLiteral("quelta-web")), root.filePath(expected));
    }

    void namesTheLauncherFromAnyOfItsPrograms_data()
    {
        QTest::addColumn<QString>("programDirectory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("installed helper") << QStringLiteral("/usr/libexec/quelta") << QStringLiteral("/usr/bin/quelta");
        QTest::newRow("installed helper, trailing slash") << QStringLiteral("/opt/q/libexec/quelta/") << QStringLiteral("/opt/q/bin/quelta");
        QTest::newRow("the launcher itself") << QStringLiteral("/usr/bin") << QStringLiteral("/usr/bin/quelta");
        QTest::newRow("bundle") << QStringLiteral("/home/me/Quelta.app/Contents/Linux") << QStringLiteral("/home/me/Quelta.app/Contents/Linux/quelta");
        QTest::newRow("build tree") << QStringLiteral("/src/build/quelta") << QStringLiteral("/src/build/quelta/quelta");
        QTest::newRow("another program's libexec") << QStringLiteral("/usr/libexec/quelta-other") << QStringLiteral("/usr/libexec/quelta-other/quelta");
    }

    void namesTheLauncherFromAnyOfItsPrograms()
    {
        QFETCH(QString, programDirectory);
        QFETCH(QString, expected);
        QCOMPARE(launcherProgramPath(programDirectory), expected);
    }
};

QTEST_GUILESS_MAIN(HelperProgramTest)
#include "HelperProgramTest.moc"
