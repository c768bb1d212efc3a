#include "FramerConnectionWindow.h"

#include "FramerWebSession.h"
#include "WebPage.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "artwork/Symbols.h"
#include "platform/Clock.h"
#include "platform/Quelta.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace quelta {

namespace {

using Kind = FramerConnectionProgress::Kind;
constexpr auto closeDelay = std::chrono::milliseconds(450);

struct StatusLook {
    const char *symbol;
    QString title;
    QString detail;
};

StatusLook lookOf(const FramerConnectionProgress &progress)
{
    switch (progress.kind) {
    case Kind::idle:
        break;
    case Kind::openingMagicLink:
        return {"link", Quelta::tr("Opening your magic link…"), Quelta::tr("Quelta is completing the sign-in inside this window.")};
    case Kind::connected:
        return {"checkmark.circle.fill", Quelta::tr("Framer connected"),
                Quelta::tr("You can close this window and refresh your allowances.")};
    case Kind::failed:
        return {"exclamationmark.triangle.fill", Quelta::tr("That link didn't work"), progress.message};
    }
    return {"envelope", Quelta::tr("Using email?"),
            Quelta::tr("Open Framer’s email. Right-click Open Framer, choose Copy Link, then click Paste Link.")};
}

QFrame *divider()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    return line;
}

constexpr int stripPadding = 16;
constexpr int symbolFrame = 22;
constexpr int symbolSize = 16;

} // namespace

// The strip's faint tint of the primary colour, and the status symbol in its leading frame:
// painted, not a widget, because it only repeats the title's news.
class TintedStrip final : public QWidget
{
public:
    void setSymbol(const QString &name, const QPixmap &symbol)
    {
        m_symbolName = name;
        m_symbol = symbol;
        update();
    }
    const QString &symbolName() const { return m_symbolName; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), designColors::withOpacity(designColors::primary(palette()), 0.035));
        const QRectF frame(stripPadding + (symbolFrame - symbolSize) / 2.0, (height() - symbolSize) / 2.0, symbolSize, symbolSize);
        painter.drawPixmap(frame, m_symbol, m_symbol.rect());
    }

private:
    QString m_symbolName;
    QPixmap m_symbol;
};

FramerConnectionWindow::FramerConnectionWindow(FramerWebSession &session, Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_clock(clock)
{
    setWindowTitle(Quelta::tr("Connect Framer"));
    setMinimumSize(860, 700);
    resize(860, 700);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeHeader());
    layout->addWidget(divider());
    layout->addWidget(makeStatusStrip());
    layout->addWidget(divider());

    // Loads the start page the first time; the same page, and session, every time after.
    m_session.prepareForConnection();
    m_view = new QWebEngineView(this);
    m_view->setPage(&m_session.page());
    m_view->setMinimumSize(820, 560);
    layout->addWidget(m_view, 1);

    connect(&m_session, &FramerWebSession::connectionProgressChanged, this, &FramerConnectionWindow::showProgress);
    showProgress();
}

QWidget *FramerConnectionWindow::makeHeader()
{
    auto *header = new QWidget;
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(12);

    auto *back = new QPushButton(Quelta::tr("Back"));
    back->setShortcut(Qt::Key_Escape);
    back->setIcon(symbolPixmap(QStringLiteral("chevron.left"), designColors::primary(palette()), 12, devicePixelRatioF()));
    connect(back, &QPushButton::clicked, this, &FramerConnectionWindow::goBack);
    row->addWidget(back, 0, Qt::AlignVCenter);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto *title = new QLabel(Quelta::tr("Connect Framer"));
    title->setFont(pixelFont(QFont(), 13, QFont::DemiBold));
    auto *caption = new QLabel(Quelta::tr("Choose Google or email below."));
    caption->setFont(pixelFont(QFont(), 10, QFont::Normal));
    caption->setObjectName(QStringLiteral("secondary"));
    texts->addWidget(title);
    texts->addWidget(caption);
    row->addLayout(texts);
    row->addStretch(1);
    return header;
}

QWidget *FramerConnectionWindow::makeStatusStrip()
{
    m_strip = new TintedStrip;
    auto *row = new QHBoxLayout(m_strip);
    row->setContentsMargins(stripPadding, 14, stripPadding, 14);
    row->setSpacing(12);
    row->addSpacing(symbolFrame);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_statusTitle = new QLabel;
    m_statusTitle->setObjectName(QStringLiteral("statusTitle"));
    m_statusTitle->setFont(pixelFont(QFont(), 13, QFont::Medium));
    m_statusDetail = new QLabel;
    // The failure detail can carry the page's own words: shown as written.
    m_statusDetail->setTextFormat(Qt::PlainText);
    m_statusDetail->setFont(pixelFont(QFont(), 10, QFont::Normal));
    m_statusDetail->setWordWrap(true);
    m_statusDetail->setObjectName(QStringLiteral("secondary"));
    texts->addWidget(m_statusTitle);
    texts->addWidget(m_statusDetail);
    row->addLayout(texts, 1);

    m_pasteLink = new QPushButton(Quelta::tr("Paste Link"));
    m_pasteLink->setDefault(true);
    connect(m_pasteLink, &QPushButton::clicked, this, &FramerConnectionWindow::pasteLink);
    row->addWidget(m_pasteLink, 0, Qt::AlignVCenter);
    return m_strip;
}

void FramerConnectionWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyScheme();
}

QString FramerConnectionWindow::statusSymbol() const
{
    return m_strip->symbolName();
}

void FramerConnectionWindow::applyScheme()
{
    // Secondary text follows the scheme's primary colour.
    QPalette faded = palette();
    faded.setColor(QPalette::WindowText, designColors::secondary(palette()));
    for (QLabel *label : findChildren<QLabel *>(QStringLiteral("secondary")))
        label->setPalette(faded);
    showProgress();
}

void FramerConnectionWindow::showProgress()
{
    const FramerConnectionProgress progress = m_session.connectionProgress();
    const StatusLook look = lookOf(progress);
    const QColor colour = progress.kind == Kind::connected ? designColors::systemGreen(palette())
        : progress.kind == Kind::failed                    ? designColors::systemOrange(palette())
                                                           : designColors::secondary(palette());
    const QString symbol = QString::fromLatin1(look.symbol);
    m_strip->setSymbol(symbol, symbolPixmap(symbol, colour, symbolSize, devicePixelRatioF()));
    m_statusTitle->setText(look.title);
    m_statusDetail->setText(look.detail);
    m_pasteLink->setEnabled(progress.kind != Kind::openingMagicLink);

    if (progress.kind != Kind::connected || m_isCompletingConnection || !isVisible())
        return;
    m_isCompletingConnection = true;
    m_clock.callAfter(closeDelay, this, [this] { close(); });
}

bool FramerConnectionWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Inside the page, Escape would reach the page, not the shortcut: it means "Back" here too.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        goBack();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FramerConnectionWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QWidget *page = m_view->focusProxy())
        page->installEventFilter(this);
    m_isCompletingConnection = false;
    applyScheme();
}

void FramerConnectionWindow::goBack()
{
    if (m_session.navigateBack())
        return;
    close();
}

void FramerConnectionWindow::pasteLink()
{
    m_session.openMagicLink(QGuiApplication::clipboard()->text());
}

void FramerConnectionWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed(m_session.connectionProgress().kind == Kind::connected);
}

} // namespace quelta
