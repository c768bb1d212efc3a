#include "OnboardingPages.h"

#include "AccountChip.h"
#include "OnboardingFlow.h"
#include "OnboardingStyle.h"

#include "ui/widgets/KeyboardFocus.h"
#include "platform/Quelta.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quelta {

namespace {

using namespace std::chrono_literals;
constexpr auto sequenceDelay = 120ms;
constexpr int frameInterval = 16;
constexpr int messageWidth = 340;
// The welcome column: mark 64, gap 16, title 40, gap 10, line 40, gap 24, button 40.
constexpr int welcomeHeight = 64 + 16 + 40 + 10 + 40 + 24 + 40;
constexpr int welcomeTitleTop = 64 + 16;
constexpr int welcomeLineTop = welcomeTitleTop + 40 + 10;
constexpr int welcomeButtonTop = welcomeHeight - 40;

QLabel *text(const QString &content, const QFont &font, qreal opacity, QWidget *parent)
{
    auto *label = new QLabel(content, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    QColor colour(Qt::white);
    colour.setAlphaF(opacity);
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// Fades `widget` through an opacity effect that is switched off once it is fully shown, so that
// the finished page draws as crisply as any other.
void setEntranceOpacity(QWidget *widget, qreal opacity)
{
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(widget->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(widget);
        widget->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
    effect->setEnabled(opacity < 1);
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
    , m_title(text(Quelta::tr("Welcome to Quelta"), geist(32, QFont::Medium, -1.28), 1.0, this))
    , m_line(text(Quelta::tr("See your usage in the system tray."), geist(14, QFont::Normal, -0.14), 0.58, this))
    , m_button(new WelcomeButton(Quelta::tr("Get started"), this))
{
    m_frames.setInterval(frameInterval);
    connect(&m_frames, &QTimer::timeout, this, [this] {
        applyStages();
        update();
        if (stages().f >= 1)
            m_frames.stop();
    });
    connect(m_button, &QAbstractButton::clicked, this, &WelcomePage::press);
    applyStages();
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

void WelcomePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyStages();
}

void WelcomePage::applyStages()
{
    const WelcomeStages s = stages();
    const int top = (height() - welcomeHeight) / 2;
    m_title->setGeometry(0, top + welcomeTitleTop + qRound((1 - s.d) * 6), width(), 40);
    setEntranceOpacity(m_title, s.d);
    m_line->setGeometry(0, top + welcomeLineTop + qRound((1 - s.e) * 5), width(), 40);
    setEntranceOpacity(m_line, s.e);
    const QSize button = m_button->sizeHint();
    m_button->setGeometry((width() - button.width()) / 2, top + welcomeButtonTop + qRound((1 - s.f) * 8), button.width(), button.height());
    setEntranceOpacity(m_button, s.f);
}

void WelcomePage::paintEvent(QPaintEvent *)
{
    ++m_framesPainted;
    const WelcomeStages s = stages();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal y = (height() - welcomeHeight) / 2;
    const qreal centreX = width() / 2.0;

    // The mark: fades in, sharpens, and settles from a larger size lower down.
    const QPixmap icon = softened(queltaAppIcon(64, devicePixelRatioF()), (1 - s.b) * 16);
    const qreal scale = 1.3125 - 0.3125 * s.c;
    const QSizeF iconSize(64 * scale, 64 * scale);
    const QPointF iconCentre(centreX, y + 32 + (1 - s.c) * 54);
    painter.setOpacity(s.a);
    painter.drawPixmap(QRectF(iconCentre - QPointF(iconSize.width() / 2, iconSize.height() / 2), iconSize), icon, icon.rect());
}

void WelcomePage::press()
{
    if (welcomeButtonAcceptsClicks(stages()))
        Q_EMIT getStarted();
}

ProvidersPage::ProvidersPage(OnboardingFlow &flow, QWidget *parent)
    : QWidget(parent)
    , m_flow(flow)
{
    QVBoxLayout *column = centredColumn(this);
    addCentred(column, text(Quelta::tr("Choose your providers"), geist(26, QFont::Medium, -1.04), 1.0, this), 0);
    addCentred(column, text(Quelta::tr("Select the services you want Quelta to track."), geist(14, QFont::Normal, -0.14), 0.58, this), 4);
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
    const QList<AccountID> others = m_flow.otherAccounts();
    if (others.isEmpty()) {
        addCentred(column, text(Quelta::tr("More providers coming soon"), geist(12, QFont::Normal, -0.12), 0.36, this), 18);
    } else {
        addCentred(column, text(Quelta::tr("Also signed in on this computer"), geist(12, QFont::Normal, -0.12), 0.58, this), 18);
        auto *chips = new QHBoxLayout;
        chips->setSpacing(8);
        for (const AccountID &id : others) {
            auto *chip = new AccountChip(id, this);
            connect(chip, &QAbstractButton::clicked, this, [this, id] { m_flow.toggleAccount(id); });
            m_chips.append(chip);
            chips->addWidget(chip);
        }
        column->addSpacing(10);
        column->addLayout(chips);
        column->setAlignment(chips, Qt::AlignHCenter);
    }
    // Made after the cards: Tab reaches the cards first, as the eye does.
    m_continue = new WelcomeButton(Quelta::tr("Continue"), this);
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
    for (AccountChip *chip : m_chips)
        chip->setSelected(m_flow.isTracked(chip->account()));
}

ConnectionPage::ConnectionPage(OnboardingFlow &flow, bool reduceMotion, QWidget *parent)
    : QWidget(parent)
    , m_flow(flow)
    , m_steps(new StepIndicator(int(flow.selectedProviders().size()), flow.connectionIndex(), this))
    , m_icon(new QLabel(this))
    , m_title(text({}, geist(28, QFont::Medium, -1.12), 1.0, this))
    , m_message(text({}, geist(14, QFont::Normal, -0.14), 0.58, this))
    , m_primary(new WelcomeButton({}, this))
    , m_later(new QuietButton(Quelta::tr("Set up later"), this))
{
    QVBoxLayout *column = centredColumn(this);
    addCentred(column, m_steps, 8);
    if (const std::optional<ProviderID> provider = flow.currentProvider())
        m_icon->setPixmap(providerAppIcon(*provider, 64, devicePixelRatioF()));
    addCentred(column, m_icon, 24);
    addCentred(column, m_title, 16);
    m_message->setFixedWidth(messageWidth);
    m_message->setWordWrap(true);
    m_primary->setSpinnerTurns(!reduceMotion);
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
    // Centred in the column, the label would be asked its height for the column's width.
    m_message->setFixedHeight(m_message->heightForWidth(messageWidth));
    m_primary->setText(m_flow.buttonTitle());
    m_primary->setBusy(state == State::connecting);
    m_primary->setDone(state == State::connected);
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
    , m_open(new WelcomeButton(Quelta::tr("Open Quelta"), this))
{
    QVBoxLayout *column = centredColumn(this);
    auto *icon = new QLabel(this);
    icon->setPixmap(queltaAppIcon(64, devicePixelRatioF()));
    addCentred(column, icon, 0);
    addCentred(column, text(Quelta::tr("You’re all set"), geist(28, QFont::Medium, -1.12), 1.0, this), 16);
    addCentred(column, text(Quelta::tr("Quelta is ready in your system tray."), geist(14, QFont::Normal, -0.14), 0.58, this), 8);
    addCentred(column, m_open, 26);
    column->addStretch(1);
    connect(m_open, &QAbstractButton::clicked, this, &CompletePage::openQuelta);
}

} // namespace quelta
