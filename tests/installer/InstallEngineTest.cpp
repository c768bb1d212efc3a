#include "TestBundles.h"
#include "engine/DesktopEntry.h"
#include "engine/InstallEngine.h"
#include "engine/InstallFailure.h"
#include "engine/InstallerTexts.h"
#include "engine/NumericVersion.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace installer;

using Copier = std::function<void(const QString &from, const QString &to)>;
Q_DECLARE_METATYPE(Copier)
// Changes a bundle found installed, or the folder it is in.
struct Change {
    std::function<void(const QString &bundle, const QString &folder)> apply;
};
Q_DECLARE_METATYPE(Change)
// Modes to give paths of the payload, relative to it.
using Modes = QList<std::pair<QString, int>>;
Q_DECLARE_METATYPE(Modes)

namespace {

const QString bundleName = QStringLiteral("Quelta.app");

// Someone who is neither root nor the installing user of the tests that need one.
constexpr uid_t stranger = 65533;
constexpr uid_t installingUser = 65534;

void setMode(const QString &path, int mode)
{
    QCOMPARE(::chmod(path.toLocal8Bit().constData(), mode_t(mode)), 0);
}

void giveAway(const QString &path, uid_t owner)
{
    QCOMPARE(::lchown(path.toLocal8Bit().constData(), owner, gid_t(-1)), 0);
}

void giveAwayTree(const QString &path, uid_t owner)
{
    giveAway(path, owner);
    for (const auto &entry : std::filesystem::recursive_directory_iterator(path.toStdString()))
        giveAway(QString::fromStdString(entry.path().string()), owner);
}

// Each entry of a tree with its mode, relative to it.
QMap<QString, int> modesOf(const QString &tree)
{
    QMap<QString, int> modes;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(tree.toStdString())) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        modes.insert(QString::fromStdString(entry.path().lexically_relative(tree.toStdString()).string()), int(status.st_mode & 07777));
    }
    return modes;
}

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
    void installedModesIgnoreThePayloads_data();
    void installedModesIgnoreThePayloads();
    void untrustedInstallation_data();
    void untrustedInstallation();
    void linkInFirstCandidateDecides();
    void unwritableFirstCandidateSendsTheCopyOn();
    void failuresFromTheCopyOnLeaveNothing_data();
    void failuresFromTheCopyOnLeaveNothing();
    void numericOrder_data();
    void numericOrder();
    void desktopEntryQuotesThePath();
    void desktopEntrySpeaksAsTheMenuEntry();
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

void InstallEngineTest::installedModesIgnoreThePayloads_data()
{
    QTest::addColumn<Modes>("payloadModes");
    QTest::newRow("setuid, world-writable program; world-writable information")
        << Modes{{"Contents/Linux/quelta", 06777}, {"Contents/Info.json", 0666}};
    QTest::newRow("setgid program and folder") << Modes{{"Contents/Linux/quelta", 02755}, {"Contents/Linux", 02775}};
    QTest::newRow("sticky, world-writable folder") << Modes{{"Contents/Resources", 01777}, {".", 0777}};
    QTest::newRow("owner-only modes") << Modes{{"Contents/Linux/quelta", 0700}, {"Contents/Resources/fonts/Face.ttf", 0600}, {"Contents", 0700}};
}

void InstallEngineTest::installedModesIgnoreThePayloads()
{
    QFETCH(Modes, payloadModes);
    const QString bundle = payload();
    for (const auto &[path, mode] : payloadModes)
        setMode(QDir(bundle).filePath(path), mode);
    // Neither may a narrow umask take "others" away from what everyone must be able to start.
    const mode_t umask = ::umask(077);
    QString installed;
    const std::optional<QString> failure = failureOf(engine(bundle), &installed);
    ::umask(umask);
    QCOMPARE(failure, std::nullopt);

    QMap<QString, int> expected;
    for (const char *folder : {"Contents", "Contents/Linux", "Contents/Resources", "Contents/Resources/fonts", "Contents/_CodeSignature"})
        expected.insert(QLatin1String(folder), 0755);
    for (const char *file : {"Contents/Info.json", "Contents/Resources/fonts/Face.ttf", "Contents/_CodeSignature/Manifest.json",
                             "Contents/_CodeSignature/Manifest.sig"})
        expected.insert(QLatin1String(file), 0644);
    expected.insert(QStringLiteral("Contents/Linux/quelta"), 0755);
    QCOMPARE(modesOf(installed), expected);
    QCOMPARE(modesOf(m_root).value(bundleName), 0755);
}

void InstallEngineTest::untrustedInstallation_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("needsRoot");
    QTest::addColumn<bool>("accepted");
    const auto mode = [](const char *path, int mode) {
        return Change{[path, mode](const QString &bundle, const QString &) { setMode(QDir(bundle).filePath(QLatin1String(path)), mode); }};
    };
    QTest::newRow("setuid program") << mode("Contents/Linux/quelta", 04755) << false << false;
    QTest::newRow("setgid folder") << mode("Contents", 02755) << false << false;
    QTest::newRow("sticky folder") << mode("Contents/Resources", 01755) << false << false;
    QTest::newRow("group-writable file") << mode("Contents/Info.json", 0664) << false << false;
    QTest::newRow("world-writable bundle") << mode(".", 0757) << false << false;
    QTest::newRow("folder holding it writable by all")
        << Change{[](const QString &, const QString &folder) { setMode(folder, 0777); }} << false << false;
    QTest::newRow("folder holding it writable by all, sticky")
        << Change{[](const QString &, const QString &folder) { setMode(folder, 01777); }} << false << true;
    QTest::newRow("owned by another user")
        << Change{[](const QString &bundle, const QString &) { giveAwayTree(bundle, stranger); }} << true << false;
    QTest::newRow("one file owned by another user")
        << Change{[](const QString &bundle, const QString &) { giveAway(bundle + QLatin1String("/Contents/Resources/fonts/Face.ttf"), stranger); }}
        << true << false;
    QTest::newRow("folder holding it owned by another user")
        << Change{[](const QString &, const QString &folder) { giveAway(folder, stranger); }} << true << false;
    QTest::newRow("owned by the installing user")
        << Change{[](const QString &bundle, const QString &folder) {
               giveAwayTree(bundle, installingUser);
               giveAway(folder, installingUser);
           }} << true << true;
    QTest::newRow("owned by root") << Change{[](const QString &, const QString &) {}} << true << true;
}

void InstallEngineTest::untrustedInstallation()
{
    QFETCH(Change, change);
    QFETCH(bool, needsRoot);
    QFETCH(bool, accepted);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("giving files to other users needs root");
    const QString existing = m_signing.makeBundle(QDir(m_root).filePath(bundleName));
    change.apply(existing, m_root);
    const QByteArrayList before = test::treeOf(existing);
    InstallEngine installing = engine(payload());
    if (needsRoot)
        installing.installingUser = installingUser;
    QString installed;
    QCOMPARE(failureOf(installing, &installed), accepted ? std::nullopt : std::optional(texts::unverified()));
    QCOMPARE(test::treeOf(existing), before);
    QCOMPARE(QFile::exists(QDir(m_menu).filePath(QLatin1String(desktopEntryFileName))), accepted);
    if (accepted)
        QCOMPARE(installed, existing);
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
    const QString entry = QString::fromUtf8(*desktopEntryText(QStringLiteral("/home/a \"b\" $c 100%/Quelta.app")));
    QVERIFY2(entry.contains(QStringLiteral("Exec=\"/home/a \\\\\"b\\\\\" \\\\$c 100%%/Quelta.app/Contents/Linux/quelta\"\n")), qPrintable(entry));
    QCOMPARE(desktopEntryText(QStringLiteral("/home/a\nExec=evil/Quelta.app")), std::nullopt);
}

// Its translated name and comment are the package's menu entry's, language by language.
void InstallEngineTest::desktopEntrySpeaksAsTheMenuEntry()
{
    QFile menuEntry(QStringLiteral(MENU_ENTRY));
    QVERIFY(menuEntry.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(*desktopEntryText(QStringLiteral("/opt/Quelta.app")));
    int translations = 0;
    for (const QString &line : QString::fromUtf8(menuEntry.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("GenericName[")) && !line.startsWith(QLatin1String("Comment[")))
            continue;
        ++translations;
        QVERIFY2(written.contains(QLatin1Char('\n') + line + QLatin1Char('\n')), qPrintable(line));
    }
    QCOMPARE(written.count(QLatin1String("]=")), translations);
    QVERIFY(translations >= 16);
}

QTEST_GUILESS_MAIN(InstallEngineTest)
#include "InstallEngineTest.moc"
