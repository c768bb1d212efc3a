#include "OnboardingWindow.h"

#include "OnboardingPages.h"
#include "OnboardingStyle.h"

#include "ui/widgets/KeyboardFocus.h"
#include "platform/Quelta.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace quelta {

namespace {

constexpr int removalDuration = 280;
constexpr int insertionDelay = 100;
constexpr int insertionDuration = 580;

} // namespace

OnboardingWindow::OnboardingWindow(OnboardingFlow::Services services, bool reduceMotion, QWidget *parent)
    : QWidget(parent)
    , m_flow(services)
    , m_clock(*services.clock)
    , m_reduceMotion(reduceMotion)
{
    setWindowTitle(Quelta::tr("Welcome to Quelta"));
    setMinimumSize(500, 410);
    resize(500, 410);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    setPalette(dark);
    setAutoFillBackground(true);

    m_transition.setStartValue(0.0);
    m_transition.setEndValue(double(insertionDelay + insertionDuration));
    m_transition.setDuration(insertionDelay + insertionDuration);
    connect(&m_transition, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&m_transition, &QVariantAnimation::finished, this, [this] {
        m_leaving = m_arriving = QPixmap();
        m_page->show();
        focusFirstControl(m_page);
        update();
    });
    connect(&m_flow, &OnboardingFlow::pageChanged, this, &OnboardingWindow::changePage);
    m_page = makePage();
    m_page->show();
    focusFirstControl(m_page);
}

QWidget *OnboardingWindow::makePage()
{
    QWidget *page = nullptr;
    switch (m_flow.phase()) {
    case OnboardingFlow::Phase::welcome: {
        auto *welcome = new WelcomePage(m_clock, m_reduceMotion, this);
        connect(welcome, &WelcomePage::getStarted, &m_flow, &OnboardingFlow::getStarted);
        page = welcome;
        break;
    }
    case OnboardingFlow::Phase::providers:
        page = new ProvidersPage(m_flow, this);
        break;
    case OnboardingFlow::Phase::connection:
        page = new ConnectionPage(m_flow, m_reduceMotion, this);
        break;
    case OnboardingFlow::Phase::complete: {
        auto *complete = new CompletePage(this);
        connect(complete, &CompletePage::openQuelta, this, [this] {
            m_completed = true;
            Q_EMIT completed();
        });
        page = complete;
        break;
    }
    }
    page->setGeometry(rect());
    return page;
}

void OnboardingWindow::changePage()
{
    QWidget *old = m_page;
    m_page = makePage();
    if (m_reduceMotion || !isVisible()) {
        delete old;
        m_page->show();
        focusFirstControl(m_page);
        return;
    }
    m_transition.stop();
    m_leaving = old->grab();
    delete old;
    m_page->setAttribute(Qt::WA_DontShowOnScreen);
    m_page->show();
    m_arriving = m_page->grab();
    m_page->hide();
    m_page->setAttribute(Qt::WA_DontShowOnScreen, false);
    m_transition.start();
}

void OnboardingWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_transition.state() != QAbstractAnimation::Running)
        return;
    const double elapsed = m_transition.currentValue().toDouble();
    const auto drawPage = [&](const QPixmap &pixmap, qreal opacity, qreal blur, qreal offset) {
        if (pixmap.isNull() || opacity <= 0)
            return;
        painter.setOpacity(opacity);
        const QPixmap shown = softened(pixmap, blur);
        painter.drawPixmap(QRectF(0, offset, width(), height()), shown, shown.rect());
    };
    const double removal = pageRemovalCurve().valueForProgress(std::min(1.0, elapsed / removalDuration));
    drawPage(m_leaving, 1 - removal, 3 * removal, -4 * removal);
    const double inserted = std::clamp((elapsed - insertionDelay) / insertionDuration, 0.0, 1.0);
    const double insertion = pageInsertionCurve().valueForProgress(inserted);
    drawPage(m_arriving, insertion, 6 * (1 - insertion), 6 * (1 - insertion));
}

void OnboardingWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Return presses the page's main button.
    QAbstractButton *main = nullptr;
    if (auto *welcome = qobject_cast<WelcomePage *>(m_page))
        main = welcome->getStartedButton();
    else if (auto *providers = qobject_cast<ProvidersPage *>(m_page))
        main = providers->continueButton();
    else if (auto *connection = qobject_cast<ConnectionPage *>(m_page))
        main = connection->primaryButton();
    else if (auto *complete = qobject_cast<CompletePage *>(m_page))
        main = complete->openButton();
    if (main && main->isEnabled())
        main->click();
}

void OnboardingWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_page->setGeometry(rect());
}

void OnboardingWindow::mousePressEvent(QMouseEvent *event)
{
    // The window moves by its background, where the desktop allows it.
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void OnboardingWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (!m_completed)
        Q_EMIT closedEarly();
}

void OnboardingWindow::showCentred()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

} // namespace quelta
