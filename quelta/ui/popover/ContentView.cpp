#include "ContentView.h"

#include "ConnectButton.h"
#include "FooterButton.h"
#include "GroupDivider.h"
#include "ProviderRow.h"
#include "RowScrollArea.h"

#include "analytics/AnalyticsManager.h"
#include "core/AllowanceMonitor.h"
#include "history/HistoryRecorder.h"
#include "platform/Clock.h"
#include "platform/Quelta.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta {

ContentView::ContentView(AllowanceMonitor &monitor, AnalyticsManager *analytics, HistoryRecorder *history, QWidget *parent)
    : QWidget(parent)
    , m_monitor(monitor)
    , m_analytics(analytics)
    , m_history(history)
    , m_rows(new QWidget(this))
    , m_rowList(new QVBoxLayout(m_rows))
    , m_rowArea(new RowScrollArea(m_rows, this))
    , m_refresh(new FooterButton(QStringLiteral("arrow.clockwise"), 11, this))
    , m_settings(new FooterButton(QStringLiteral("gearshape"), 13, this))
{
    setFixedWidth(width);
    m_rowList->setSpacing(4);
    m_rowList->setContentsMargins(0, 0, 0, 8);

    m_refresh->setAccessibleName(Quelta::tr("Refresh allowances"));
    m_settings->setAccessibleName(Quelta::tr("Settings"));
    m_settings->setFixedSize(28, 28);
    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(8, 0, 8, 0);
    footer->setSpacing(12);
    footer->addWidget(m_refresh, 0, Qt::AlignVCenter);
    footer->addStretch(1);
    footer->addWidget(m_settings, 0, Qt::AlignVCenter);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(8);
    column->addWidget(m_rowArea);
    column->addLayout(footer);

    connect(m_refresh, &QAbstractButton::clicked, this, &ContentView::refreshAllowances);
    connect(m_settings, &QAbstractButton::clicked, this, &ContentView::openSettingsRequested);
    auto *refreshShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(refreshShortcut, &QShortcut::activated, this, &ContentView::refreshAllowances);

    m_statusClock.setInterval(std::chrono::seconds(30));
    connect(&m_statusClock, &QTimer::timeout, this, &ContentView::sync);
    connect(&m_monitor, &AllowanceMonitor::providerChanged, this, &ContentView::syncRow);
    connect(&m_monitor, &AllowanceMonitor::enabledProvidersChanged, this, &ContentView::syncRows);
    connect(&m_monitor, &AllowanceMonitor::refreshStateChanged, this, &ContentView::syncStatus);
    if (m_history)
        connect(m_history, &HistoryRecorder::recordChanged, this, &ContentView::syncRows);
    sync();
}

QList<ProviderRow *> ContentView::rows() const
{
    QList<ProviderRow *> rows;
    for (int i = 0; i < m_rowList->count(); ++i) {
        if (auto *row = qobject_cast<ProviderRow *>(m_rowList->itemAt(i)->widget()))
            rows.append(row);
    }
    return rows;
}

void ContentView::refreshAllowances()
{
    m_refresh->clearHover();
    if (m_analytics)
        m_analytics->track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::manualRefreshRequested));
    m_monitor.refresh(true);
}

void ContentView::syncRows()
{
    const QList<ProviderAllowance> visible = m_monitor.visibleProviders();
    QList<ProviderRow *> existing = rows();
    while (QLayoutItem *item = m_rowList->takeAt(0))
        delete item;
    qDeleteAll(std::exchange(m_dividers, {}));
    const auto gone = std::ranges::partition(existing, [&visible](const ProviderRow *row) {
        return std::ranges::any_of(visible, [row](const ProviderAllowance &p) { return accountOf(p) == row->account(); });
    });
    qDeleteAll(gone);
    existing.erase(gone.begin(), gone.end());
    // Dividers only where some provider shows several accounts: one account each needs none.
    const bool grouped = std::ranges::adjacent_find(visible, {}, &ProviderAllowance::id) != visible.end();
    for (int index = 0; index < visible.size(); ++index) {
        const ProviderAllowance &provider = visible[index];
        // Rows are kept per account, so hover and fades survive a redraw.
        const auto found = std::ranges::find(existing, accountOf(provider), &ProviderRow::account);
        ProviderRow *row = found != existing.end() ? *found : nullptr;
        if (!row) {
            row = new ProviderRow(m_rows);
            connect(row, &ProviderRow::connectRequested, this, &ContentView::connectRequested);
        }
        if (grouped && index > 0 && visible[index - 1].id != provider.id) {
            m_dividers.append(new GroupDivider(m_rows));
            m_rowList->addWidget(m_dividers.last());
        }
        m_rowList->addWidget(row);
        row->display(provider, rowStateOf(m_monitor, provider));
        row->setSparkline(sparklineOf(provider));
        row->show();
    }
}

// One provider's row only: the others are not redrawn.
void ContentView::syncRow(const AccountID &id)
{
    const QList<ProviderRow *> shown = rows();
    const auto row = std::ranges::find(shown, id, &ProviderRow::account);
    if (row == shown.end())
        return;
    const auto provider = std::ranges::find(m_monitor.providers(), id, [](const ProviderAllowance &p) { return accountOf(p); });
    (*row)->display(*provider, rowStateOf(m_monitor, *provider));
    (*row)->setSparkline(sparklineOf(*provider));
}

std::optional<UsageSparkline> ContentView::sparklineOf(const ProviderAllowance &provider) const
{
    // Read only while shown: an idle tray keeps no record in memory; showing syncs the rows. A
    // refresh under way keeps the line the record already tells.
    const bool figures = provider.connectionState == ConnectionState::connected || provider.connectionState == ConnectionState::loading;
    if (!m_history || !isVisible() || !figures)
        return std::nullopt;
    const std::optional<ProviderLimit> limit = provider.displayedLimit();
    if (!limit || !limit->windowDuration)
        return std::nullopt;
    // This window and the one before, with room for a pause between them.
    const QDateTime now = m_monitor.clock().now();
    const HistoryQuery query{toRawValue(provider.id), provider.accountName, limit->id, now.addSecs(-qint64(3 * *limit->windowDuration))};
    return usageSparkline(m_history->store().samples(query), now);
}

QList<QWidget *> ContentView::controls() const
{
    QList<QWidget *> controls;
    for (ProviderRow *row : rows()) {
        if (row->focusPolicy() & Qt::TabFocus)
            controls.append(row);
        if (row->showsConnectButton() && row->connectButton()->isEnabled())
            controls.append(row->connectButton());
    }
    controls.append(m_refresh);
    controls.append(m_settings);
    return controls;
}

bool ContentView::focusNextPrevChild(bool next)
{
    const QList<QWidget *> order = controls();
    const qsizetype current = order.indexOf(focusWidget());
    const qsizetype count = order.size();
    const qsizetype target = current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    order[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (m_rows->isAncestorOf(order[target]))
        m_rowArea->ensureWidgetVisible(order[target]);
    return true;
}

void ContentView::sync()
{
    syncRows();
    syncStatus();
}

void ContentView::syncStatus()
{
    const QString status = m_monitor.statusText();
    m_refresh->setLabel(status);
    m_refresh->setBusy(m_monitor.isShowingManualRefresh());
    m_refresh->updateGeometry();
}

bool ContentView::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)
        reportHeight();
    return handled;
}

int ContentView::neededWidth() const
{
    const QMargins margins = layout()->contentsMargins();
    // Once the rows scroll, their scroll bar takes its width beside them.
    const QScrollBar *scrollBar = m_rowArea->verticalScrollBar();
    const int beside = scrollBar->isVisible() ? scrollBar->sizeHint().width() : 0;
    return std::clamp(m_rowList->minimumSize().width() + beside + margins.left() + margins.right(), width, widestWidth);
}

int ContentView::neededHeight() const
{
    // A wrapped subtitle makes its row taller: the height is the one this width needs.
    const QLayout *column = layout();
    return column->hasHeightForWidth() ? column->totalHeightForWidth(neededWidth()) : column->totalMinimumSize().height();
}

void ContentView::setHeightLimit(int limit)
{
    m_heightLimit = limit;
    reportHeight();
}

void ContentView::reportHeight()
{
    // With room for every row, no scroll bar: its width would rewrap a row taller and keep
    // itself there once a text grew while the popover was open.
    m_rowArea->setVerticalScrollBarPolicy(neededHeight() <= m_heightLimit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    const int height = std::min(neededHeight(), m_heightLimit);
    const int wide = neededWidth();
    if (height == m_reportedHeight && wide == size().width())
        return;
    m_reportedHeight = height;
    setFixedSize(wide, height);
    Q_EMIT contentHeightChanged(height);
}

void ContentView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    sync();
    m_statusClock.start();
}

void ContentView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_statusClock.stop();
    m_refresh->clearHover();
    m_settings->clearHover();
}

} // namespace quelta
