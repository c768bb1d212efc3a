#include "ProviderRow.h"

#include "AllowanceBar.h"
#include "ConnectButton.h"

#include "ui/history/UsageSparklineView.h"
#include "ui/widgets/FadingLabel.h"
#include "ui/widgets/KeyboardFocus.h"
#include "ui/widgets/PlainToolTip.h"
#include "ui/widgets/ProviderIconTile.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "artwork/Symbols.h"
#include "platform/Quelta.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QEvent>
#include <QFocusEvent>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quelta {

namespace {

constexpr int iconTile = 28;

} // namespace

ProviderRow::ProviderRow(QWidget *parent)
    : QWidget(parent)
    , m_iconSlot(new QSpacerItem(iconTile, iconTile, QSizePolicy::Fixed, QSizePolicy::Fixed))
    , m_name(new QLabel(this))
    , m_subtitle(new FadingLabel(this))
    , m_barGroup(new QWidget(this))
    , m_bar(new AllowanceBar(4, m_barGroup))
    , m_percent(new QLabel(m_barGroup))
    , m_connect(new ConnectButton(this))
    , m_sparkline(new UsageSparklineView(m_barGroup))
{
    setAttribute(Qt::WA_Hover);
    // Names and figures come from providers and stored files: shown as written, never as markup.
    m_name->setTextFormat(Qt::PlainText);
    m_percent->setTextFormat(Qt::PlainText);
    m_name->setFont(pixelFont(font(), 13, QFont::DemiBold));
    m_subtitle->setFont(pixelFont(font(), 11, QFont::Normal));

    QFont percent = pixelFont(font(), 13, QFont::DemiBold);
    m_percent->setFont(percent);
    m_percent->setFixedWidth(42);
    m_bar->setFixedWidth(56);
    m_sparkline->setFixedWidth(56);
    m_sparkline->hide();
    auto *barRow = new QHBoxLayout(m_barGroup);
    barRow->setContentsMargins(0, 0, 0, 0);
    barRow->setSpacing(10);
    barRow->addWidget(m_bar, 0, Qt::AlignVCenter);
    barRow->addWidget(m_sparkline, 0, Qt::AlignVCenter);
    barRow->addWidget(m_percent, 0, Qt::AlignVCenter);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_name);
    texts->addWidget(m_subtitle);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(8);
    row->addItem(m_iconSlot);
    row->addLayout(texts, 1);
    row->addWidget(m_barGroup, 0, Qt::AlignVCenter);
    row->addWidget(m_connect, 0, Qt::AlignVCenter);

    connect(m_connect, &QAbstractButton::clicked, this, [this] { Q_EMIT connectRequested(accountOf(m_provider)); });
    applyPalette();
}

void ProviderRow::display(const ProviderAllowance &provider, const ProviderRowState &state)
{
    const bool hovered = m_state.isHovered;
    const bool markChanged = provider.id != m_provider.id || provider.assetName != m_provider.assetName;
    m_provider = provider;
    m_state = state;
    m_state.isHovered = hovered;
    if (markChanged)
        update();
    refresh();
}

void ProviderRow::refresh()
{
    m_name->setText(m_provider.name);
    m_subtitle->setText(subtitle(m_provider, m_state));
    setToolTip(plainToolTip(rowTooltip(m_provider, m_state)));

    const bool showsConnect = m_provider.connectionState == ConnectionState::needsConnection
        || m_state.attemptState == ProviderConnectionAttemptState::failed;
    m_connect->setVisible(showsConnect);
    m_connect->setConnecting(m_state.attemptState == ProviderConnectionAttemptState::connecting);
    m_connect->setAccessibleName(Quelta::tr("Connect %1").arg(m_provider.name));
    m_barGroup->setVisible(!showsConnect);
    m_bar->setValue(shownValue(m_provider), m_provider.percentageStyle);
    m_percent->setText(percentText(m_provider));

    setAccessibleName(m_provider.name);
    setAccessibleDescription(m_sparklineData ? m_sparklineData->description : QString());
    if (m_sparklineData)
        m_sparkline->setSparkline(*m_sparklineData, m_provider.percentageStyle);
    const bool sparklineShown = showsSparkline();
    m_sparkline->setVisible(sparklineShown);
    m_bar->setVisible(!sparklineShown);
}

void ProviderRow::setSparkline(const std::optional<UsageSparkline> &sparkline)
{
    m_sparklineData = sparkline;
    setFocusPolicy(sparkline ? Qt::TabFocus : Qt::NoFocus);
    refresh();
}

bool ProviderRow::showsSparkline() const
{
    return m_sparklineData && (m_state.isHovered || m_keyboardFocus) && !showsConnectButton();
}

QString ProviderRow::subtitleText() const
{
    return m_subtitle->text();
}

QString ProviderRow::percentageText() const
{
    return m_percent->text();
}

bool ProviderRow::showsConnectButton() const
{
    return !m_connect->isHidden();
}

void ProviderRow::setHovered(bool hovered)
{
    if (m_state.isHovered == hovered)
        return;
    m_state.isHovered = hovered;
    refresh();
}

void ProviderRow::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    setHovered(true);
}

void ProviderRow::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    setHovered(false);
}

void ProviderRow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    setHovered(false);
}

void ProviderRow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
}

void ProviderRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect slot = m_iconSlot->geometry();
    const QRectF tile(slot.left(), QRectF(slot).center().y() - iconTile / 2.0, iconTile, iconTile);
    paintProviderIconTile(painter, tile, m_provider.id, m_provider.assetName, palette(), devicePixelRatioF());
    if (m_keyboardFocus && hasFocus()) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 8, 8);
        paintFocusRing(painter, shape, palette());
    }
}

void ProviderRow::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_keyboardFocus = isKeyboardFocus(event->reason());
    refresh();
    update();
}

void ProviderRow::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_keyboardFocus = false;
    refresh();
    update();
}

void ProviderRow::applyPalette()
{
    m_subtitle->setColor(designColors::secondary(palette()));
}

} // namespace quelta
