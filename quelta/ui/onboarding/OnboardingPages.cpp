#include "OnboardingPages.h"

#include "OnboardingFlow.h"
#include "OnboardingStyle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quelta {

namespace {

using namespace std::chrono_literals;
constexpr auto sequenceDelay = 120ms;
constexpr int frameInterval = 16;
// The welcome column: mark 64, gap 16, title 40, gap 10, line 40, gap 24, button 40.
constexpr qreal welcomeHeight = 64 + 16 + 40 + 10 + 40 + 24 + 40;
constexpr qreal welcomeButtonTop = welcomeHeight - 40;

QLabel *text(const QString &content, const QFont &font, qreal opacity, QWidget *parent)
{
    auto *label = new QLabel(content, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    QColor colour(Qt::white);
    colour.setAlphaF(opacity);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QVBoxLayout *centredColumn(QWidget *page)
{
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(40, 24, 40, 24);
    column->setSpacing(0);
    column->addStretch(1);
    return column;
}

void addCentred(QVBoxLayout *column, QWidget *widget, int topPadding)
{
    column->addSpacing(topPadding);
    column->addWidget(widget, 0, Qt::AlignHCenter);
}

// One capsule per step: long for the current one.
class StepIndicator final : public QWidget
{
public:
    StepIndicator(int count, int current, QWidget *parent)
        : QWidget(parent)
        , m_count(count)
        , m_current(current)
    {
        setFixedSize(18 + std::max(0, count - 1) * (5 + 6), 5);
        setAccessibleName(onboardingStepLabel(current, count));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        qreal x = 0;
        for (int step = 0; step < m_count; ++step) {
            const qreal width = step == m_current ? 18 : 5;
            QColor colour(Qt::white);
            colour.setAlphaF(step == m_current ? 0.88 : step < m_current ? 0.42 : 0.18);
            QPainterPath capsule;
            capsule.addRoundedRect(QRectF(x, 0, width, 5), 2.5, 2.5);
            painter.fillPath(capsule, colour);
            x += width + 6;
        }
    }

private:
    int m_count;
    int m_current;
};

} // namespace

WelcomePage::WelcomePage(Clock &clock, bool reduceMotion, QWidget *parent)
    : QWidget(parent)
    , m_clock(clock)
    , m_reduceMotion(reduceMotion)
{
    setFocusPolicy(Qt::StrongFocus);
    m_frames.setInterval(frameInterval);
    connect(&m_frames, &QTimer::timeout, this, [this] {
        update();
        if (stages().f >= 1)
            m_frames.stop();
    });
}

WelcomeStages WelcomePage::stages() const
{
    std::optional<std::chrono::milliseconds> since;
    if (m_animationStart)
        since = std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.elapsed() - *m_animationStart);
    return welcomeStages(welcomeProgress(since, m_reduceMotion));
}

void WelcomePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setFocus();
    if (!m_hasStartedSequence) {
        m_hasStartedSequence = true;
        if (!m_reduceMotion) {
            m_clock.callAfter(sequenceDelay, this, [this] {
                m_animationStart = m_clock.elapsed();
                m_frames.start();
            });
        }
    } else if (stages().f < 1) {
        m_frames.start();
    }
}

void WelcomePage::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_frames.stop();
}

QRectF WelcomePage::buttonRect() const
{
    const QFont label = geist(14, QFont::Medium, -0.28);
    const qreal width = QFontMetricsF(label).horizontalAdvance(QStringLiteral("Get started")) + 44;
    return QRectF((this->width() - width) / 2, (height() - welcomeHeight) / 2 + welcomeButtonTop, width, 40);
}

void WelcomePage::paintEvent(QPaintEvent *)
{
    ++m_framesPainted;
    const WelcomeStages s = stages();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    qreal y = (height() - welcomeHeight) / 2;
    const qreal centreX = width() / 2.0;

    // The mark: fades in, sharpens, and settles from a larger size lower down.
    const QPixmap icon = softened(queltaAppIcon(64, devicePixelRatioF()), (1 - s.b) * 16);
    const qreal scale = 1.3125 - 0.3125 * s.c;
    const QSizeF iconSize(64 * scale, 64 * scale);
    const QPointF iconCentre(centreX, y + 32 + (1 - s.c) * 54);
    painter.setOpacity(s.a);
    painter.drawPixmap(QRectF(iconCentre - QPointF(iconSize.width() / 2, iconSize.height() / 2), iconSize), icon, icon.rect());
    y += 64 + 16;

    const auto drawLine = [&](const QString &line, const QFont &font, qreal colourOpacity, qreal opacity, qreal offset, qreal lineScale) {
        painter.save();
        painter.setOpacity(opacity);
        painter.setFont(font);
        QColor colour(Qt::white);
        colour.setAlphaF(colourOpacity);
        painter.setPen(colour);
        const QRectF box(0, y + offset, width(), 40);
        painter.translate(box.center());
        painter.scale(lineScale, lineScale);
        painter.translate(-box.center());
        painter.drawText(box, Qt::AlignCenter, line);
        painter.restore();
    };
    drawLine(QStringLiteral("Welcome to Quelta"), geist(32, QFont::Medium, -1.28), 1.0, s.d, (1 - s.d) * 6, 0.99 + 0.01 * s.d);
    y += 40 + 10;
    drawLine(QStringLiteral("See your usage in the system tray."), geist(14, QFont::Normal, -0.14), 0.58, s.e, (1 - s.e) * 5, 1.0);

    QRectF button = buttonRect();
    button.translate(0, (1 - s.f) * 8);
    painter.setOpacity(s.f);
    QPainterPath capsule;
    capsule.addRoundedRect(button, 20, 20);
    painter.fillPath(capsule, Qt::white);
    painter.setFont(geist(14, QFont::Medium, -0.28));
    painter.setPen(Qt::black);
    painter.drawText(button, Qt::AlignCenter, QStringLiteral("Get started"));
}

void WelcomePage::press()
{
    if (welcomeButtonAcceptsClicks(stages()))
        Q_EMIT getStarted();
}

void WelcomePage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && buttonRect().contains(event->position()))
        press();
}

void WelcomePage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        press();
        return;
    }
    QWidget::keyPressEvent(event);
}

ProvidersPage::ProvidersPage(OnboardingFlow &flow, QWidget *parent)
    : QWidget(parent)
    , m_flow(flow)
    , m_continue(new WelcomeButton(QStringLiteral("Continue"), this))
{
    QVBoxLayout *column = centredColumn(this);
    addCentred(column, text(QStringLiteral("Choose your providers"), geist(26, QFont::Medium, -1.04), 1.0, this), 0);
    addCentred(column, text(QStringLiteral("Select the services you want Quelta to track."), geist(14, QFont::Normal, -0.14), 0.58, this), 4);
    column->addSpacing(26);
    auto *cards = new QHBoxLayout;
    cards->setSpacing(12);
    for (ProviderID id : displayOrder) {
        auto *card = new ProviderCard(id, this);
        connect(card, &QAbstractButton::clicked, this, [this, id] { m_flow.toggleProvider(id); });
        m_cards.append(card);
        cards->addWidget(card);
    }
    column->addLayout(cards);
    column->setAlignment(cards, Qt::AlignHCenter);
    addCentred(column, text(QStringLiteral("More providers coming soon"), geist(12, QFont::Normal, -0.12), 0.36, this), 18);
    addCentred(column, m_continue, 20);
    column->addStretch(1);
    connect(m_continue, &QAbstractButton::clicked, &m_flow, &OnboardingFlow::continueFromProviders);
    connect(&m_flow, &OnboardingFlow::changed, this, &ProvidersPage::sync);
    sync();
}

void ProvidersPage::sync()
{
    for (ProviderCard *card : m_cards)
        card->setSelected(m_flow.isSelected(card->provider()));
}

ConnectionPage::ConnectionPage(OnboardingFlow &flow, QWidget *parent)
    : QWidget(parent)
    , m_flow(flow)
    , m_steps(new StepIndicator(int(flow.selectedProviders().size()), flow.connectionIndex(), this))
    , m_icon(new QLabel(this))
    , m_title(text({}, geist(28, QFont::Medium, -1.12), 1.0, this))
    , m_message(text({}, geist(14, QFont::Normal, -0.14), 0.58, this))
    , m_primary(new WelcomeButton({}, this))
    , m_later(new QuietButton(QStringLiteral("Set up later"), this))
{
    QVBoxLayout *column = centredColumn(this);
    addCentred(column, m_steps, 8);
    if (const std::optional<ProviderID> provider = flow.currentProvider())
        m_icon->setPixmap(providerAppIcon(*provider, 64, devicePixelRatioF()));
    addCentred(column, m_icon, 24);
    addCentred(column, m_title, 16);
    m_message->setFixedWidth(340);
    m_message->setWordWrap(true);
    addCentred(column, m_message, 8);
    addCentred(column, m_primary, 26);
    addCentred(column, m_later, 12);
    column->addStretch(1);
    connect(m_primary, &QAbstractButton::clicked, &m_flow, &OnboardingFlow::primaryAction);
    connect(m_later, &QAbstractButton::clicked, &m_flow, &OnboardingFlow::advance);
    connect(&m_flow, &OnboardingFlow::changed, this, &ConnectionPage::sync);
    sync();
}

void ConnectionPage::sync()
{
    using State = OnboardingConnectionState;
    const State state = m_flow.connectionState();
    m_title->setText(m_flow.title());
    m_message->setText(m_flow.message());
    m_primary->setText(m_flow.buttonTitle());
    m_primary->setBusy(state == State::connecting);
    m_primary->setChecked(state == State::connected);
    const bool working = state == State::connecting || state == State::connected;
    m_primary->setEnabled(!working);
    m_later->setVisible(state != State::unsupported);
    m_later->setEnabled(!working);
}

QString ConnectionPage::titleText() const
{
    return m_title->text();
}

QString ConnectionPage::messageText() const
{
    return m_message->text();
}

QString ConnectionPage::stepText() const
{
    return m_steps->accessibleName();
}

CompletePage::CompletePage(QWidget *parent)
    : QWidget(parent)
    , m_open(new WelcomeButton(QStringLiteral("Open Quelta"), this))
{
    QVBoxLayout *column = centredColumn(this);
    auto *icon = new QLabel(this);
    icon->setPixmap(queltaAppIcon(64, devicePixelRatioF()));
    addCentred(column, icon, 0);
    addCentred(column, text(QStringLiteral("You’re all set"), geist(28, QFont::Medium, -1.12), 1.0, this), 16);
    addCentred(column, text(QStringLiteral("Quelta is ready in your system tray."), geist(14, QFont::Normal, -0.14), 0.58, this), 8);
    addCentred(column, m_open, 26);
    column->addStretch(1);
    connect(m_open, &QAbstractButton::clicked, this, &CompletePage::openQuelta);
}

} // namespace quelta
