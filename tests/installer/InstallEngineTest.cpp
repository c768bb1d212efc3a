#include "DesktopEntry.h"
#include "InstallEngine.h"
#include "InstallFailure.h"
#include "InstallerTexts.h"
#include "NumericVersion.h"
#include "TestBundles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <functional>

using namespace installer;

using Copier = std::function<void(const QString &from, const QString &to)>;
Q_DECLARE_METATYPE(Copier)

namespace {

const QString bundleName = QStringLiteral("Quelta.app");

QStringList stagingFolders(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".Quelta-install-*")}, QDir::AllEntries | QDir::Hidden);
}

// Runs the installation; the failure's text, or nothing when it succeeded.
std::optional<QString> failureOf(const InstallEngine &engine, QString *installed = nullptr)
{
    try {
        const QString result = engine.install();
        if (installed)
            *installed = result;
        return std::nullopt;
    } catch (const InstallFailure &failure) {
        return failure.message();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
}

} // namespace

class InstallEngineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    test::TestSigning m_signing;
    QString m_root;
    QString m_menu;

    InstallEngine engine(const QString &payload)
    {
        InstallEngine engine(payload, m_root);
        engine.verifier = m_signing.verifier();
        engine.desktopEntryDirectory = m_menu;
        return engine;
    }
    QString payload(const std::optional<QString> &version = QStringLiteral("1"))
    {
        return m_signing.makeBundle(m_folder.filePath(QStringLiteral("payload/Quelta.app")), version);
    }

private Q_SLOTS:
    void init();
    void installsAVerifiedCopy();
    void existingInstallation_data();
    void existingInstallation();
    void refusesWhatIsNotOurs();
    void linkInFirstCandidateDecides();
    void unwritableFirstCandidateSendsTheCopyOn();
    void failuresFromTheCopyOnLeaveNothing_data();
    void failuresFromTheCopyOnLeaveNothing();
    void numericOrder_data();
    void numericOrder();
    void desktopEntryQuotesThePath();
};

void InstallEngineTest::init()
{
    QDir(m_folder.path()).removeRecursively();
    QDir().mkpath(m_folder.path());
    m_root = m_folder.filePath(QStringLiteral("root"));
    m_menu = m_folder.filePath(QStringLiteral("menu"));
    QDir().mkpath(m_root);
}

void InstallEngineTest::installsAVerifiedCopy()
{
    QString installed;
    QCOMPARE(failureOf(engine(payload()), &installed), std::nullopt);
    QCOMPARE(installed, QDir(m_root).filePath(bundleName));
    QCOMPARE(m_signing.verifier().check(installed), std::nullopt);
    QVERIFY(QFileInfo(installed + QLatin1String("/Contents/Linux/quelta")).isExecutable());
    QVERIFY(stagingFolders(m_root).isEmpty());
    const QString entry = QString::fromUtf8(test::readFile(QDir(m_menu).filePath(QLatin1String(desktopEntryFileName))));
    QVERIFY2(entry.contains(QLatin1String("Exec=\"") + installed + QLatin1String("/Contents/Linux/quelta\"\n")), qPrintable(entry));
}

void InstallEngineTest::existingInstallation_data()
{
    QTest::addColumn<std::optional<QString>>("installedVersion");
    QTest::addColumn<std::optional<QString>>("payloadVersion");
    QTest::addColumn<std::optional<QString>>("failure");
    const std::optional<QString> accepted;
    QTest::newRow("1.10 over 1.9") << std::optional(QStringLiteral("1.10")) << std::optional(QStringLiteral("1.9")) << accepted;
    QTest::newRow("same version") << std::optional(QStringLiteral("7")) << std::optional(QStringLiteral("7")) << accepted;
    QTest::newRow("payload without version") << std::optional(QStringLiteral("0")) << std::optional<QString>() << accepted;
    QTest::newRow("older installed") << std::optional(QStringLiteral("1.9")) << std::optional(QStringLiteral("1.10")) << std::optional(texts::olderInstalled());
    QTest::newRow("installed without version") << std::optional<QString>() << std::optional(QStringLiteral("2")) << std::optional(texts::olderInstalled());
}

void InstallEngineTest::existingInstallation()
{
    QFETCH(std::optional<QString>, installedVersion);
    QFETCH(std::optional<QString>, payloadVersion);
    QFETCH(std::optional<QString>, failure);
    const QString existing = m_signing.makeBundle(QDir(m_root).filePath(bundleName), installedVersion);
    const QByteArray before = test::readFile(existing + QLatin1String("/Contents/Info.json"));
    QString installed;
    QCOMPARE(failureOf(engine(payload(payloadVersion)), &installed), failure);
    if (!failure)
        QCOMPARE(installed, existing);
    QCOMPARE(test::readFile(existing + QLatin1String("/Contents/Info.json")), before);
    QVERIFY(stagingFolders(m_root).isEmpty());
}

void InstallEngineTest::refusesWhatIsNotOurs()
{
    // A broken payload, then an installed copy that is not intact: neither is touched.
    QCOMPARE(failureOf(engine(m_folder.filePath(QStringLiteral("nowhere")))), std::optional(texts::unverified()));
    QVERIFY(QDir(m_root).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

    const QString existing = m_signing.makeBundle(QDir(m_root).filePath(bundleName));
    test::writeFile(existing + QLatin1String("/Contents/Resources/extra"), "x");
    QCOMPARE(failureOf(engine(payload())), std::optional(texts::unverified()));
    QVERIFY(QFile::exists(existing + QLatin1String("/Contents/Resources/extra")));
}

void InstallEngineTest::linkInFirstCandidateDecides()
{
    const QString first = QDir(m_root).filePath(QStringLiteral("opt"));
    const QString second = QDir(m_root).filePath(QStringLiteral("home/Applications"));
    QDir().mkpath(first);
    QDir().mkpath(second);
    QVERIFY(QFile::link(m_folder.filePath(QStringLiteral("elsewhere")), QDir(first).filePath(bundleName)));
    InstallEngine standard = engine(payload());
    standard.testRoot.reset();
    standard.candidates = {first, second};
    QCOMPARE(failureOf(standard), std::optional(texts::linkInTheWay()));
    QVERIFY(QDir(second).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void InstallEngineTest::unwritableFirstCandidateSendsTheCopyOn()
{
    // A folder that does not exist is not writable, even for root.
    const QString first = QDir(m_root).filePath(QStringLiteral("missing/opt"));
    const QString second = QDir(m_root).filePath(QStringLiteral("home/Applications"));
    InstallEngine standard = engine(payload());
    standard.testRoot.reset();
    standard.candidates = {first, second};
    QString installed;
    QCOMPARE(failureOf(standard, &installed), std::nullopt);
    QCOMPARE(installed, QDir(second).filePath(bundleName));
    QVERIFY(!QFileInfo::exists(first));
}

void InstallEngineTest::failuresFromTheCopyOnLeaveNothing_data()
{
    QTest::addColumn<Copier>("copier");
    QTest::addColumn<QString>("failure");
    QTest::newRow("copy fails") << Copier([](const QString &from, const QString &to) {
        copyBundleTree(from, to);
        throw std::filesystem::filesystem_error("disk full", std::make_error_code(std::errc::no_space_on_device));
    }) << QStringLiteral("disk full");
    QTest::newRow("payload changed after its check") << Copier([](const QString &from, const QString &to) {
        test::writeFile(from + QLatin1String("/Contents/Linux/quelta"), "#!/bin/sh\nrm -rf ~\n");
        copyBundleTree(from, to);
    }) << texts::unverified();
    QTest::newRow("an installation appears meanwhile") << Copier([](const QString &from, const QString &to) {
        copyBundleTree(from, to);
        QDir().mkpath(QFileInfo(to).dir().filePath(QStringLiteral("../Quelta.app/mine")));
    }) << QStringLiteral("File exists");
}

void InstallEngineTest::failuresFromTheCopyOnLeaveNothing()
{
    QFETCH(Copier, copier);
    QFETCH(QString, failure);
    InstallEngine failing = engine(payload());
    failing.copyBundle = copier;
    const std::optional<QString> message = failureOf(failing);
    QVERIFY2(message && message->contains(failure), qPrintable(message.value_or(QStringLiteral("none"))));
    QVERIFY(stagingFolders(m_root).isEmpty());
    // Whatever stood at Quelta.app stays as it was.
    const QDir installed(QDir(m_root).filePath(bundleName));
    QVERIFY(!installed.exists() || installed.entryList(QDir::NoDotAndDotDot | QDir::AllEntries) == QStringList{QStringLiteral("mine")});
}

void InstallEngineTest::numericOrder_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("1.10 after 1.9") << "1.10" << "1.9" << 1;
    QTest::newRow("leading zeros") << "1.010" << "1.10" << 0;
    QTest::newRow("longer is later") << "1.2.1" << "1.2" << 1;
    QTest::newRow("huge runs") << "99999999999999999999999" << "99999999999999999999998" << 1;
    QTest::newRow("letters by character") << "1.0b" << "1.0a" << 1;
    QTest::newRow("digits of other scripts are characters") << "١٠" << "9" << 1;
}

void InstallEngineTest::numericOrder()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(compareVersionsNumerically(a, b), order);
    QCOMPARE(compareVersionsNumerically(b, a), -order);
}

void InstallEngineTest::desktopEntryQuotesThePath()
{
    const QString entry = *desktopEntryText(QStringLiteral("/home/a \"b\" $c 100%/Quelta.app"));
    QVERIFY2(entry.contains(QStringLiteral("Exec=\"/home/a \\\\\"b\\\\\" \\\\$c 100%%/Quelta.app/Contents/Linux/quelta\"\n")), qPrintable(entry));
    QCOMPARE(desktopEntryText(QStringLiteral("/home/a\nExec=evil/Quelta.app")), std::nullopt);
}

QTEST_GUILESS_MAIN(InstallEngineTest)
#include "InstallEngineTest.moc"
