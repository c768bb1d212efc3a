#include "TestBundles.h"
#include "signature/BundleScan.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <functional>

#include <sys/stat.h>

using namespace installer;

using Tamper = std::function<void(const QString &bundle, const test::TestSigning &signing)>;
Q_DECLARE_METATYPE(Tamper)
Q_DECLARE_METATYPE(std::optional<BundleProblem>)

namespace {

QString at(const QString &bundle, const char *relative)
{
    return QDir(bundle).filePath(QLatin1String(relative));
}

// A manifest naming one more path than the bundle holds, signed with the test's key.
Tamper signedWithExtraPath(const char *path)
{
    return [path](const QString &bundle, const test::TestSigning &signing) {
        BundleManifest manifest = *BundleManifest::fromJson(test::readFile(at(bundle, manifestFileName)));
        manifest.files.push_back({QLatin1String(path), QByteArray(32, 'x'), 1, false});
        signing.signManifest(bundle, manifest.toJson());
    };
}

// A file whose name is raw bytes, which need not be UTF-8.
void writeRawName(const QString &folder, const QByteArray &name, const QByteArray &contents)
{
    const std::string path = folder.toStdString() + '/' + name.toStdString();
    std::ofstream(path, std::ios::binary) << contents.toStdString();
}

// A sparse file: its size costs nothing on disk, but reading it takes minutes.
void writeHuge(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(qint64(16) << 30));
}

} // namespace

class BundleVerifierTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
    void manifestRoundTrip();
};

void BundleVerifierTest::check_data()
{
    QTest::addColumn<Tamper>("tamper");
    QTest::addColumn<std::optional<BundleProblem>>("problem");

    const auto none = [](const QString &, const test::TestSigning &) {};
    QTest::newRow("intact") << Tamper(none) << std::optional<BundleProblem>();
    QTest::newRow("signature flipped") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QByteArray signature = test::readFile(at(bundle, signatureFileName));
        signature[10] = char(signature[10] ^ 1);
        test::writeFile(at(bundle, signatureFileName), signature);
    }) << std::optional(BundleProblem::badSignature);
    QTest::newRow("signed by another key") << Tamper([](const QString &bundle, const test::TestSigning &) {
        test::TestSigning stranger;
        stranger.signManifest(bundle, test::readFile(at(bundle, manifestFileName)));
    }) << std::optional(BundleProblem::badSignature);
    QTest::newRow("signature missing") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QFile::remove(at(bundle, signatureFileName));
    }) << std::optional(BundleProblem::missingSignature);
    QTest::newRow("manifest a link") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QFile::rename(at(bundle, manifestFileName), at(bundle, "Contents/real.json"));
        QFile::link(at(bundle, "Contents/real.json"), at(bundle, manifestFileName));
    }) << std::optional(BundleProblem::missingSignature);
    for (const auto &[name, identity] : {std::pair("another identifier", BundleIdentity{QStringLiteral("app.other.Other"), QStringLiteral("TESTTEAM01")}),
                                         std::pair("another team", BundleIdentity{QStringLiteral("app.quelta.Quelta"), QStringLiteral("OTHERTEAM1")})}) {
        QTest::newRow(name) << Tamper([identity](const QString &bundle, const test::TestSigning &signing) {
            BundleManifest manifest = *BundleManifest::fromJson(test::readFile(at(bundle, manifestFileName)));
            manifest.identity = identity;
            signing.signManifest(bundle, manifest.toJson());
        }) << std::optional(BundleProblem::otherIdentity);
    }
    QTest::newRow("manifest not json") << Tamper([](const QString &bundle, const test::TestSigning &signing) {
        signing.signManifest(bundle, "{\"files\": 3");
    }) << std::optional(BundleProblem::malformedManifest);
    QTest::newRow("path leaving the bundle") << signedWithExtraPath("Contents/../../outside") << std::optional(BundleProblem::pathOutside);
    QTest::newRow("absolute path") << signedWithExtraPath("/etc/passwd") << std::optional(BundleProblem::pathOutside);
    QTest::newRow("listed file missing") << signedWithExtraPath("Contents/Resources/gone") << std::optional(BundleProblem::missingFile);
    QTest::newRow("extra file") << Tamper([](const QString &bundle, const test::TestSigning &) {
        test::writeFile(at(bundle, "Contents/Resources/added.txt"), "x");
    }) << std::optional(BundleProblem::extraFile);
    QTest::newRow("extra file beside the signature") << Tamper([](const QString &bundle, const test::TestSigning &) {
        test::writeFile(at(bundle, "Contents/_CodeSignature/Other"), "x");
    }) << std::optional(BundleProblem::extraFile);
    QTest::newRow("file removed") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QFile::remove(at(bundle, "Contents/Resources/fonts/Face.ttf"));
    }) << std::optional(BundleProblem::missingFile);
    QTest::newRow("same size, other bytes") << Tamper([](const QString &bundle, const test::TestSigning &) {
        test::writeFile(at(bundle, "Contents/Resources/fonts/Face.ttf"), QByteArray(3000, 'g'));
    }) << std::optional(BundleProblem::changedFile);
    QTest::newRow("resized") << Tamper([](const QString &bundle, const test::TestSigning &) {
        test::writeFile(at(bundle, "Contents/Resources/fonts/Face.ttf"), QByteArray(3001, 'f'));
    }) << std::optional(BundleProblem::changedSize);
    QTest::newRow("executable bit dropped") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QFile::setPermissions(at(bundle, "Contents/Linux/quelta"), QFile::ReadOwner | QFile::WriteOwner);
    }) << std::optional(BundleProblem::changedExecutable);
    QTest::newRow("file replaced by a link to itself") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QFile::rename(at(bundle, "Contents/Resources/fonts/Face.ttf"), at(bundle, "../Face.ttf"));
        QFile::link(at(bundle, "../Face.ttf"), at(bundle, "Contents/Resources/fonts/Face.ttf"));
    }) << std::optional(BundleProblem::symbolicLink);
    QTest::newRow("folder replaced by a link") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QDir().rename(at(bundle, "Contents/Resources/fonts"), at(bundle, "../fonts"));
        QFile::link(at(bundle, "../fonts"), at(bundle, "Contents/Resources/fonts"));
    }) << std::optional(BundleProblem::symbolicLink);
    QTest::newRow("a named pipe") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QCOMPARE(::mkfifo(at(bundle, "Contents/Resources/pipe").toLocal8Bit().constData(), 0644), 0);
    }) << std::optional(BundleProblem::unexpectedFileType);
    QTest::newRow("a name that is not UTF-8, renamed after signing") << Tamper([](const QString &bundle, const test::TestSigning &signing) {
        // Signed as "a\xff" (which reads back as "a\uFFFD"), then renamed "a\xfe".
        BundleManifest manifest = *BundleManifest::fromJson(test::readFile(at(bundle, manifestFileName)));
        manifest.files.push_back({QStringLiteral("Contents/Resources/a\uFFFD"), QCryptographicHash::hash("x", QCryptographicHash::Sha256), 1, false});
        signing.signManifest(bundle, manifest.toJson());
        writeRawName(at(bundle, "Contents/Resources"), "a\xfe", "x");
    }) << std::optional(BundleProblem::nameNotUtf8);
    QTest::newRow("a huge extra file, refused unread") << Tamper([](const QString &bundle, const test::TestSigning &) {
        writeHuge(at(bundle, "Contents/Resources/extra"));
    }) << std::optional(BundleProblem::extraFile);
    QTest::newRow("a listed file grown huge, refused unread") << Tamper([](const QString &bundle, const test::TestSigning &) {
        writeHuge(at(bundle, "Contents/Resources/fonts/Face.ttf"));
    }) << std::optional(BundleProblem::changedSize);
    QTest::newRow("bundle is a link") << Tamper([](const QString &bundle, const test::TestSigning &) {
        QDir().rename(bundle, bundle + QLatin1String(".real"));
        QFile::link(bundle + QLatin1String(".real"), bundle);
    }) << std::optional(BundleProblem::notABundle);
}

void BundleVerifierTest::check()
{
    QFETCH(Tamper, tamper);
    QFETCH(std::optional<BundleProblem>, problem);
    const QTemporaryDir folder;
    const test::TestSigning signing;
    const QString bundle = signing.makeBundle(folder.filePath(QStringLiteral("Quelta.app")));
    tamper(bundle, signing);
    QElapsedTimer timer;
    timer.start();
    const std::optional<BundleProblem> found = signing.verifier().check(bundle);
    QVERIFY2(timer.elapsed() < 5000, "the check read more than it needed");
    QCOMPARE(found.has_value(), problem.has_value());
    if (problem)
        QCOMPARE(bundleProblemName(*found), bundleProblemName(*problem));
}

void BundleVerifierTest::manifestRoundTrip()
{
    const BundleManifest manifest{{QStringLiteral("id"), QStringLiteral("TEAM")},
                                  {{QStringLiteral("a b/ü"), QByteArray(32, '\x7f'), 9007199254740992, true}}};
    QCOMPARE(BundleManifest::fromJson(manifest.toJson()), manifest);
    for (const char *bad : {"[]", R"({"bundleIdentifier":"i","teamIdentifier":"t","files":[{"path":"a","sha256":"00","size":1,"executable":false}]})",
                            R"({"bundleIdentifier":"i","teamIdentifier":"t","files":[{"path":"a","sha256":"0000000000000000000000000000000000000000000000000000000000000000","size":1.5,"executable":false}]})",
                            R"({"bundleIdentifier":"i","teamIdentifier":"t","files":[{"path":"a","sha256":"0000000000000000000000000000000000000000000000000000000000000000","size":-1,"executable":false}]})"})
        QVERIFY2(!BundleManifest::fromJson(bad), bad);
}

QTEST_GUILESS_MAIN(BundleVerifierTest)
#include "BundleVerifierTest.moc"
