#include "InstallerScreenshots.h"

#include "TestBundles.h"
#include "window/InstallerModel.h"
#include "window/InstallerStyle.h"
#include "window/InstallerWindow.h"

#include <QDir>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace installer;

namespace {

void shoot(InstallerWindow &window, const QString &path)
{
    QTest::qWait(300);
    window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

void renderInstaller(const QString &folder)
{
    style::registerFonts(QString::fromUtf8(QUELTA_FONT_DIRECTORY));
    const QTemporaryDir scratch;
    const test::TestSigning signing;
    const QString payload = signing.makeBundle(scratch.filePath(QStringLiteral("payload/Quelta.app")));

    // The copy waits for the screenshot of the working state.
    QSemaphore copyMayStart;
    InstallEngine engine(payload, scratch.filePath(QStringLiteral("root")));
    engine.verifier = signing.verifier();
    engine.copyBundle = [&copyMayStart](const QString &from, const QString &to) {
        copyMayStart.acquire();
        copyBundleTree(from, to);
    };
    InstallerModel model(engine, [](const QString &) { return false; });
    InstallerWindow window(model);
    window.show();
    shoot(window, folder + QStringLiteral("/installer-idle.png"));
    model.setTargeted(true);
    shoot(window, folder + QStringLiteral("/installer-targeted.png"));
    model.setTargeted(false);
    model.install();
    shoot(window, folder + QStringLiteral("/installer-working.png"));
    copyMayStart.release();
    while (model.working())
        QTest::qWait(20);
    shoot(window, folder + QStringLiteral("/installer-installed.png"));
    model.openQuelta();
    shoot(window, folder + QStringLiteral("/installer-open-failed.png"));

    InstallerModel failing(InstallEngine(scratch.filePath(QStringLiteral("missing.app")), scratch.filePath(QStringLiteral("root2"))));
    InstallerWindow failed(failing);
    failed.show();
    failing.install();
    while (failing.working())
        QTest::qWait(20);
    shoot(failed, folder + QStringLiteral("/installer-failed.png"));
}
