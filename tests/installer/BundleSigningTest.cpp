#include "TestBundles.h"
#include "signature/BundleSigner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <functional>

using namespace installer;

// Makes an unsigned bundle ready for signing, or ready to fail it.
using Prepare = std::function<void(const QString &bundle)>;
Q_DECLARE_METATYPE(Prepare)

// quelta-sign-bundle as the build runs it, with a key of the test's own.
class BundleSigningTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_key;

private Q_SLOTS:
    void initTestCase()
    {
        m_key = m_folder.filePath(QStringLiteral("key.pem"));
        QCOMPARE(QProcess::execute(QStringLiteral("openssl"), {"genpkey", "-algorithm", "ed25519", "-out", m_key}), 0);
    }

    void signs_data()
    {
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<bool>("signs");
        QTest::newRow("fresh bundle") << Prepare([](const QString &) {}) << true;
        QTest::newRow("a name that is not UTF-8") << Prepare([](const QString &bundle) {
            std::ofstream(bundle.toStdString() + "/Contents/Resources/a\xff", std::ios::binary) << "x";
        }) << false;
        // The manifest is written, then its signature cannot be.
        QTest::newRow("signature cannot be written") << Prepare([](const QString &bundle) {
            QVERIFY(QDir().mkpath(bundle + QLatin1String("/Contents/_CodeSignature/Manifest.sig")));
        }) << false;
    }

    // The bundle is named relative to the working folder, as a build step may name it.
    void signs()
    {
        QFETCH(Prepare, prepare);
        QFETCH(bool, signs);
        const QTemporaryDir work;
        const test::TestSigning layout;
        const QString bundle = layout.writeBundle(work.filePath(QStringLiteral("Quelta.app")));
        prepare(bundle);
        const QByteArrayList before = test::treeOf(work.path());

        QProcess tool;
        tool.setWorkingDirectory(work.path());
        tool.start(QStringLiteral(SIGN_BUNDLE_PROGRAM), {m_key, layout.identity.bundleIdentifier, layout.identity.teamIdentifier, "Quelta.app"});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode() == 0, signs);
        if (!signs) {
            QVERIFY(!tool.readAllStandardError().isEmpty());
            QCOMPARE(test::treeOf(work.path()), before);
            return;
        }
        const BundleVerifier verifier(Ed25519PrivateKey::fromPemFile(m_key).publicKey(), layout.identity);
        QCOMPARE(verifier.check(bundle), std::nullopt);
        QVERIFY(!QFileInfo::exists(bundle + QLatin1String("/Quelta.app")));
    }
};

QTEST_GUILESS_MAIN(BundleSigningTest)
#include "BundleSigningTest.moc"
