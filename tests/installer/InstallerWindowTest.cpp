#include "TestBundles.h"
#include "engine/InstallerTexts.h"
#include "window/DragIconView.h"
#include "window/InstallerModel.h"
#include "window/InstallerWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

#include <unistd.h>

using namespace installer;

namespace {

// Delivers a drag carrying token onto the view and drops it; true when the drop was accepted.
bool dropOn(QWidget *view, const QByteArray &token)
{
    QMimeData data;
    data.setData(InstallerModel::dragType(), token);
    const QPoint centre = view->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &drop);
    return drop.isAccepted();
}

QStringList visibleTexts(const QWidget &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->isVisibleTo(&window))
            texts << label->text();
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->isVisibleTo(&window))
            texts << button->text();
    return texts;
}

} // namespace

class InstallerWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    test::TestSigning m_signing;
    QString m_payload;
    bool m_openSucceeds = true;
    QStringList m_opened;
    std::unique_ptr<InstallerModel> m_model;
    std::unique_ptr<InstallerWindow> m_window;

    void waitUntilDone() { QTRY_VERIFY(!m_model->working()); }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void dropFromAnotherLaunchIsRefused();
    void matchingDropHighlightsAndInstalls();
    void spaceInstallsOnlyFromTheFolder();
    void accessibilityPressInstallsOnlyFromTheFolder();
    void afterSuccessIconsAreDone();
    void failureOffersTryAgain();
    void failingOpenKeepsTheWindow();
    void rootDoesNotStartQuelta();
    void speaksTheCompiledInTranslation_data();
    void speaksTheCompiledInTranslation();
};

void InstallerWindowTest::initTestCase()
{
    m_payload = m_signing.makeBundle(m_folder.filePath(QStringLiteral("payload/Quelta.app")));
}

void InstallerWindowTest::init()
{
    const QString root = m_folder.filePath(QStringLiteral("root"));
    QDir(root).removeRecursively();
    QDir().mkpath(root);
    InstallEngine engine(m_payload, root);
    engine.verifier = m_signing.verifier();
    m_openSucceeds = true;
    m_opened.clear();
    m_model = std::make_unique<InstallerModel>(engine, [this](const QString &bundle) {
        m_opened << bundle;
        return m_openSucceeds;
    });
    m_window = std::make_unique<InstallerWindow>(*m_model);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void InstallerWindowTest::cleanup()
{
    m_window.reset();
    m_model.reset();
}

void InstallerWindowTest::dropFromAnotherLaunchIsRefused()
{
    const InstallerModel other{InstallEngine(m_payload)};
    QVERIFY(!dropOn(m_window->folderIcon(), other.dragToken().toUtf8()));
    QVERIFY(!dropOn(m_window->appIcon(), m_model->dragToken().toUtf8()));
    QVERIFY(!m_model->working());
    QCOMPARE(m_window->state(), InstallerWindow::State::idle);
    QVERIFY(visibleTexts(*m_window).contains(QStringLiteral("Or click Applications to install.")));
}

void InstallerWindowTest::matchingDropHighlightsAndInstalls()
{
    QMimeData data;
    data.setData(InstallerModel::dragType(), m_model->dragToken().toUtf8());
    QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window->folderIcon(), &enter);
    QVERIFY(m_model->targeted());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(m_window->folderIcon(), &leave);
    QVERIFY(!m_model->targeted());

    QVERIFY(dropOn(m_window->folderIcon(), m_model->dragToken().toUtf8()));
    QCOMPARE(m_window->state(), InstallerWindow::State::working);
    QVERIFY(visibleTexts(*m_window).contains(QStringLiteral("Installing Quelta…")));
    waitUntilDone();
    QCOMPARE(m_model->installed(), QDir(m_folder.filePath(QStringLiteral("root"))).filePath(QStringLiteral("Quelta.app")));
}

void InstallerWindowTest::spaceInstallsOnlyFromTheFolder()
{
    QTest::keyClick(m_window->appIcon(), Qt::Key_Space);
    QVERIFY(!m_model->working());
    QVERIFY(m_window->folderIcon()->hasFocus());
    QTest::keyClick(m_window->folderIcon(), Qt::Key_Space);
    QVERIFY(m_model->working());
    waitUntilDone();
    QVERIFY(m_model->installed());
}

void InstallerWindowTest::accessibilityPressInstallsOnlyFromTheFolder()
{
    QAccessibleInterface *app = QAccessible::queryAccessibleInterface(m_window->appIcon());
    QAccessibleInterface *folder = QAccessible::queryAccessibleInterface(m_window->folderIcon());
    QCOMPARE(app->text(QAccessible::Name), QStringLiteral("Quelta app"));
    QCOMPARE(folder->role(), QAccessible::Button);
    QVERIFY(app->actionInterface()->actionNames().isEmpty());
    folder->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(m_model->working());
    waitUntilDone();
}

void InstallerWindowTest::afterSuccessIconsAreDone()
{
    m_model->install();
    m_model->install(); // ignored while the first runs
    waitUntilDone();
    QCOMPARE(m_window->state(), InstallerWindow::State::installed);
    QVERIFY(!m_window->appIcon()->isEnabled());
    QVERIFY(!m_window->folderIcon()->isEnabled());
    QVERIFY(!QAccessible::queryAccessibleInterface(m_window->folderIcon())->state().focusable);
    QVERIFY(!dropOn(m_window->folderIcon(), m_model->dragToken().toUtf8()));
    const QStringList texts = visibleTexts(*m_window);
    QVERIFY(texts.contains(QStringLiteral("You’re all set")));
    QVERIFY(texts.contains(QStringLiteral("Quelta is ready in Applications.")));
    QVERIFY(texts.contains(QStringLiteral("Open Quelta")));
}

void InstallerWindowTest::failureOffersTryAgain()
{
    QFile::remove(m_payload + QLatin1String("/Contents/_CodeSignature/Manifest.sig"));
    m_model->install();
    waitUntilDone();
    QCOMPARE(m_window->state(), InstallerWindow::State::failed);
    QVERIFY(visibleTexts(*m_window).contains(texts::unverified()));
    QVERIFY(m_window->appIcon()->isEnabled());

    m_signing.makeBundle(m_payload);
    const QList<QAbstractButton *> buttons = m_window->findChildren<QAbstractButton *>();
    const auto tryAgain = std::find_if(buttons.begin(), buttons.end(), [](QAbstractButton *b) { return b->text() == QStringLiteral("Try again"); });
    QVERIFY(tryAgain != buttons.end());
    QTest::mouseClick(*tryAgain, Qt::LeftButton);
    waitUntilDone();
    QVERIFY(m_model->installed());
    QCOMPARE(m_model->error(), std::nullopt);
}

void InstallerWindowTest::failingOpenKeepsTheWindow()
{
    m_model->install();
    waitUntilDone();
    QSignalSpy quit(m_model.get(), &InstallerModel::quitRequested);
    m_openSucceeds = false;
    m_model->openQuelta();
    QCOMPARE(m_opened, QStringList{*m_model->installed()});
    QVERIFY(quit.isEmpty());
    QVERIFY(m_window->isVisible());
    QVERIFY(visibleTexts(*m_window).contains(texts::openFailed()));

    m_openSucceeds = true;
    m_model->openQuelta();
    QCOMPARE(quit.count(), 1);
}

void InstallerWindowTest::rootDoesNotStartQuelta()
{
    if (::geteuid() != 0)
        QSKIP("only a root installer is kept from starting Quelta");
    const QString root = m_folder.filePath(QStringLiteral("root"));
    InstallEngine engine(m_payload, root);
    engine.verifier = m_signing.verifier();
    InstallerModel model(engine);
    InstallerWindow window(model);
    window.show();
    QSignalSpy quit(&model, &InstallerModel::quitRequested);
    model.install();
    QTRY_VERIFY(!model.working());
    model.openQuelta();
    QVERIFY(quit.isEmpty());
    QCOMPARE(window.state(), InstallerWindow::State::installed);
    QVERIFY(visibleTexts(window).contains(texts::openFailed()));
}

void InstallerWindowTest::speaksTheCompiledInTranslation_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("hint");

    QTest::newRow("de") << "de" << "Quelta installieren" << "Oder klicken Sie zum Installieren auf „Programme“.";
    QTest::newRow("ja") << "ja" << "Quelta をインストール" << "または「アプリケーション」をクリックしてインストールします。";
    QTest::newRow("pt_BR") << "pt_BR" << "Instalar o Quelta" << "Ou clique em Aplicativos para instalar.";
}

void InstallerWindowTest::speaksTheCompiledInTranslation()
{
    QFETCH(QString, language);
    QFETCH(QString, heading);
    QFETCH(QString, hint);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/installquelta_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);

    const InstallerWindow window(*m_model);
    const QStringList texts = visibleTexts(window);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(texts.contains(heading), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(texts.contains(hint));
    QCOMPARE(window.windowTitle(), heading);
}

QTEST_MAIN(InstallerWindowTest)
#include "InstallerWindowTest.moc"
