#include "HistoryWindow.h"

#include "LimitChart.h"
#include "UsageHeatmap.h"

#include "core/AllowanceMonitor.h"
#include "history/DailyPeaks.h"
#include "history/HistoryRecorder.h"
#include "history/RanOutWindows.h"
#include "history/UsageChartLine.h"
#include "platform/Clock.h"
#include "platform/Quelta.h"
#include "ui/widgets/PlainLabel.h"
#include "ui/widgets/TintedCard.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta {

namespace {

// More than a chart has pixels, on a wide window at twice the density.
constexpr int chartColumns = 1200;

// The latest ones; a busy quarter would otherwise make a long column of them.
constexpr qsizetype ranOutShown = 8;

QWidget *section(const QString &title, TintedCard *card, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(plainLabel(title, 17, QFont::DemiBold, false, box));
    card->setParent(box);
    column->addWidget(card);
    return box;
}

QLabel *picker(const QString &title, QComboBox *box, QWidget *parent)
{
    QLabel *label = plainLabel(title, 12, QFont::Normal, false, parent);
    label->setWordWrap(false);
    // Screen readers on Linux speak a combo box's current item as its name, and its label
    // through this relation.
    label->setBuddy(box);
    box->setAccessibleName(title);
    return label;
}

} // namespace

HistoryWindow::HistoryWindow(AllowanceMonitor &monitor, HistoryRecorder &history, QTimeZone zone, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_monitor(monitor)
    , m_history(history)
    , m_zone(std::move(zone))
    , m_accounts(new QComboBox)
    , m_period(new QComboBox)
{
    setWindowTitle(Quelta::tr("Quelta History"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 640);

    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(20);
    auto *choices = new QHBoxLayout;
    choices->setSpacing(12);
    choices->addWidget(picker(Quelta::tr("Account"), m_accounts, content));
    choices->addWidget(m_accounts, 1);
    choices->addSpacing(12);
    choices->addWidget(picker(Quelta::tr("Period"), m_period, content));
    choices->addWidget(m_period);
    column->addLayout(choices);
    m_sections = new QVBoxLayout;
    m_sections->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_sections);
    column->addStretch(1);

    listAccounts();
    for (const int days : periodDays)
        m_period->addItem(Quelta::tr("Last %n days", nullptr, days), days);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes between the two choices only; the window scrolls with the wheel.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
    auto *whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
    setTabOrder(m_accounts, m_period);
    m_accounts->setFocus();

    connect(m_accounts, &QComboBox::currentIndexChanged, this, &HistoryWindow::reload);
    connect(m_period, &QComboBox::currentIndexChanged, this, &HistoryWindow::reload);
    connect(&m_history, &HistoryRecorder::recordChanged, this, &HistoryWindow::reload);
    connect(&m_monitor, &AllowanceMonitor::enabledProvidersChanged, this, [this] {
        const AccountID shown = account();
        listAccounts();
        if (account() != shown)
            reload();
    });
    reload();
}

void HistoryWindow::listAccounts()
{
    // The account shown stays chosen while it is still there; else the first one on show.
    std::optional<AccountID> chosen;
    if (m_accounts->currentIndex() >= 0)
        chosen = account();
    const QSignalBlocker quiet(m_accounts);
    m_accounts->clear();
    for (const ProviderAllowance &provider : m_monitor.providers())
        m_accounts->addItem(displayName(accountOf(provider)), QVariant::fromValue(accountOf(provider).rawValue()));
    int index = chosen ? m_accounts->findData(chosen->rawValue()) : -1;
    const QList<ProviderAllowance> visible = m_monitor.visibleProviders();
    if (index < 0 && !visible.isEmpty())
        index = m_accounts->findData(accountOf(visible.first()).rawValue());
    m_accounts->setCurrentIndex(std::max(0, index));
}

AccountID HistoryWindow::account() const
{
    return AccountID::fromRawValue(m_accounts->currentData().toString()).value_or(AccountID());
}

void HistoryWindow::showAccount(const AccountID &account)
{
    m_accounts->setCurrentIndex(std::max(0, m_accounts->findData(account.rawValue())));
}

void HistoryWindow::reload()
{
    delete m_body;
    m_heatmap = nullptr;
    m_body = new QWidget;
    auto *column = new QVBoxLayout(m_body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(20);
    m_sections->addWidget(m_body);

    const AccountID shown = account();
    const QDateTime now = m_monitor.clock().now();
    const QDateTime from = now.addDays(-m_period->currentData().toInt());
    // A figure stored shortly before the period still holds at its start.
    const HistoryQuery query{toRawValue(shown.provider), shown.name, std::nullopt,
                             from.addSecs(-std::chrono::seconds(usageChartLine::longestHold).count())};
    const QList<HistorySample> samples = m_history.store().samples(query);

    column->addWidget(makeLimits(samples, from, now));
    auto *calendar = new TintedCard(m_body, {14, 12, 14, 12}, 10);
    QList<HistorySample> inPeriod;
    std::ranges::copy_if(samples, std::back_inserter(inPeriod), [&](const HistorySample &sample) { return sample.takenAt >= from; });
    const QMap<QDate, int> peaks = dailyPeaks(inPeriod, m_zone);
    m_heatmap = new UsageHeatmap(peaks, from.toTimeZone(m_zone).date(), now.toTimeZone(m_zone).date(), calendar);
    m_heatmap->setAccessibleName(Quelta::tr("Daily peak use"));
    const auto busiest = std::ranges::max_element(peaks);
    m_heatmap->setAccessibleDescription(busiest == peaks.end() ? Quelta::tr("No record in this period")
                                                               : Quelta::tr("Highest on %1").arg(m_heatmap->dayText(busiest.key())));
    calendar->rows()->addWidget(m_heatmap, 0, Qt::AlignLeft);
    column->addWidget(section(Quelta::tr("Daily Peak"), calendar, m_body));
    column->addWidget(makeRanOut(samples, from, now));
}

QWidget *HistoryWindow::makeLimits(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &now)
{
    auto *card = new TintedCard(m_body, {14, 12, 14, 12}, 10);
    QStringList limits;
    for (const HistorySample &sample : samples) {
        if (!limits.contains(sample.series.limitID))
            limits.append(sample.series.limitID);
    }
    if (limits.isEmpty())
        card->rows()->addWidget(plainLabel(Quelta::tr("No history for this account yet."), 12, QFont::Normal, true, card));
    const int days = int(from.daysTo(now));
    for (const QString &limit : limits) {
        QList<HistorySample> series;
        std::ranges::copy_if(samples, std::back_inserter(series), [&](const HistorySample &sample) { return sample.series.limitID == limit; });
        int peak = 0;
        for (const HistorySample &sample : series) {
            if (sample.takenAt >= from)
                peak = std::max(peak, sample.usedPercent);
        }
        const HistorySample &latest = series.last();
        const QString name = latest.limitName.isEmpty() ? limit : latest.limitName;
        // A figure whose window has reset since says nothing of now.
        const QString summary = !latest.resetsAt || *latest.resetsAt > now
            ? Quelta::tr("Peak %1 % in the last %n days · now %2 %", nullptr, days).arg(peak).arg(latest.usedPercent)
            : Quelta::tr("Peak %1 % in the last %n days", nullptr, days).arg(peak);
        card->rows()->addWidget(plainLabel(name, 13, QFont::DemiBold, false, card));
        card->rows()->addWidget(plainLabel(summary, 11, QFont::Normal, true, card));
        const QList<QList<QPointF>> lines = usageChartLine::peaksPerColumn(usageChartLine::steps(series, from, now, now), chartColumns);
        auto *chart = new LimitChart(lines, from.toTimeZone(m_zone).date(), card);
        chart->setAccessibleName(name);
        chart->setAccessibleDescription(summary);
        card->rows()->addWidget(chart);
    }
    return section(Quelta::tr("Limits"), card, m_body);
}

QWidget *HistoryWindow::makeRanOut(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &now)
{
    auto *card = new TintedCard(m_body, {14, 12, 14, 12}, 10);
    const AccountID shown = account();
    const QList<WindowReset> resets = m_history.store().resets({toRawValue(shown.provider), shown.name, std::nullopt, from});
    const QList<RanOutWindow> windows = ranOutWindows(resets, samples, now);
    if (windows.isEmpty())
        card->rows()->addWidget(plainLabel(Quelta::tr("No limit ran out in this period."), 12, QFont::Normal, true, card));
    for (const RanOutWindow &window : windows.first(std::min(windows.size(), ranOutShown))) {
        auto *entry = new QWidget(card);
        auto *lines = new QVBoxLayout(entry);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(2);
        lines->addWidget(plainLabel(window.limitName.isEmpty() ? window.series.limitID : window.limitName, 13, QFont::DemiBold, false, entry));
        QLabel *when = plainLabel(ranOutDescription(window, now, m_zone), 11, QFont::Normal, true, entry);
        when->setObjectName(QStringLiteral("ranOut"));
        lines->addWidget(when);
        card->rows()->addWidget(entry);
    }
    if (windows.size() > ranOutShown)
        card->rows()->addWidget(plainLabel(Quelta::tr("And %n earlier.", nullptr, int(windows.size() - ranOutShown)), 11, QFont::Normal, true, card));
    return section(Quelta::tr("Ran Out"), card, m_body);
}

QList<LimitChart *> HistoryWindow::charts() const
{
    return m_body->findChildren<LimitChart *>();
}

QStringList HistoryWindow::ranOutTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_body->findChildren<QLabel *>(QStringLiteral("ranOut")))
        texts.append(label->text());
    return texts;
}

void HistoryWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The faded texts took their colour from the scheme they were made in.
    if (event->type() == QEvent::PaletteChange && m_body)
        reload();
}

void HistoryWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quelta
