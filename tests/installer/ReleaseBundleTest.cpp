#include "engine/BundleInformation.h"
#include "engine/InstallEngine.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The bundle the build makes, signed with the build's key, as the installer program sees it.
class ReleaseBundleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installsWithTheCompiledInKey()
    {
        const QString bundle = QStringLiteral(QUELTA_BUNDLE_DIR);
        QCOMPARE(installer::BundleVerifier::release().check(bundle), std::nullopt);
        QCOMPARE(installer::bundleVersion(bundle), QStringLiteral(QUELTA_BUILD_VERSION));

        const QTemporaryDir root;
        const QString installed = installer::InstallEngine(bundle, root.path()).install();
        QVERIFY(QFileInfo(installer::bundleExecutable(installed)).isExecutable());
        for (const char *helper : {"quelta-app", "quelta-web"})
            QVERIFY2(QFileInfo(installed + QLatin1String("/Contents/Linux/") + QLatin1String(helper)).isExecutable(), helper);
    }
};

QTEST_GUILESS_MAIN(ReleaseBundleTest)
#include "ReleaseBundleTest.moc"
