#include "PopoverWindow.h"

#include "ContentView.h"

#include "artwork/DesignColors.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>
#include <QVBoxLayout>

#include <cmath>

namespace quelta {

namespace {
constexpr int gap = 4;
constexpr qreal cornerRadius = 10;
}

std::optional<int> popoverHeightFor(qreal reportedHeight, int currentHeight)
{
    if (reportedHeight <= 0)
        return std::nullopt;
    const int height = int(std::ceil(reportedHeight));
    if (std::abs(height - currentHeight) < 1)
        return std::nullopt;
    return height;
}

int popoverHeightLimit(const QRect &available)
{
    return std::max(0, available.height() - 2 * gap);
}

QPoint popoverPosition(const QSize &size, const QRect &anchor, const std::optional<QPoint> &pointer, const QRect &available)
{
    // A gap from the panel and the screen's edges, as the height limit leaves one.
    const QRect inside = available.adjusted(gap, gap, -gap, -gap);
    const auto keptInside = [&](QPoint position) {
        position.setX(std::clamp(position.x(), inside.left(), std::max(inside.left(), inside.right() - size.width() + 1)));
        position.setY(std::clamp(position.y(), inside.top(), std::max(inside.top(), inside.bottom() - size.height() + 1)));
        return position;
    };
    const bool useAnchor = anchor.isValid() && !anchor.isEmpty();
    // As GNOME opens its panel menus; its panel is at the top.
    if (!useAnchor && !pointer)
        return keptInside(QPoint(inside.right() + 1 - size.width(), inside.top()));
    const QPoint reference = useAnchor ? anchor.center() : *pointer;
    // The panel's side: the half of the screen the icon or pointer is in.
    const bool fromTop = reference.y() < available.center().y();
    const int edge = useAnchor ? (fromTop ? anchor.bottom() : anchor.top()) : reference.y();
    return keptInside(QPoint(reference.x() - size.width() / 2, fromTop ? edge + gap : edge - gap - size.height()));
}

PopoverWindow::PopoverWindow(ContentView *content, Mode mode, QWidget *parent)
    : QWidget(parent, mode == Mode::popup ? Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint : Qt::Window)
    , m_content(content)
    , m_mode(mode)
{
    if (mode == Mode::popup)
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setWindowTitle(QStringLiteral("Quelta"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setFixedWidth(content->neededWidth());
    connect(content, &ContentView::contentHeightChanged, this, &PopoverWindow::applyContentHeight);
    applyContentHeight(content->neededHeight());
    // Where the popup cannot grab the pointer and keyboard (an X11 client under a Wayland
    // compositor), Qt neither sees an outside click nor tells the widgets of a lost activation.
    if (mode == Mode::popup)
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &PopoverWindow::onFocusWindowChanged);
}

void PopoverWindow::onFocusWindowChanged(QWindow *window)
{
    if (!isVisible())
        return;
    if (window == windowHandle()) {
        m_hadFocus = true;
        return;
    }
    if (m_hadFocus)
        hide();
}

void PopoverWindow::applyContentHeight(qreal height)
{
    setFixedWidth(m_content->size().width());
    if (const std::optional<int> next = popoverHeightFor(height, this->height()))
        setFixedHeight(*next);
}

void PopoverWindow::showAt(const QRect &anchor, const std::optional<QPoint> &pointer)
{
    // The panel's screen, where nothing tells where the click was.
    const QScreen *screen = nullptr;
    if (anchor.isValid() || pointer)
        screen = QGuiApplication::screenAt(anchor.isValid() ? anchor.center() : *pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    m_content->setHeightLimit(popoverHeightLimit(screen->availableGeometry()));
    if (m_mode == Mode::popup)
        move(popoverPosition(size(), anchor, pointer, screen->availableGeometry()));
    show();
    raise();
    activateWindow();
    // Screen readers learn of a popup only through focus: it goes to the first control.
    m_content->controls().constFirst()->setFocus(Qt::PopupFocusReason);
}

void PopoverWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath background;
    const qreal radius = m_mode == Mode::popup ? cornerRadius : 0;
    background.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(background, designColors::windowBackground(palette()));
    if (m_mode == Mode::popup) {
        painter.setPen(QPen(designColors::withOpacity(designColors::primary(palette()), 0.12), 1));
        painter.drawPath(background);
    }
    Q_EMIT painted();
}

void PopoverWindow::closeEvent(QCloseEvent *event)
{
    // The window of a trayless desktop only hides: a second launch shows it again.
    event->ignore();
    hide();
}

void PopoverWindow::mousePressEvent(QMouseEvent *event)
{
    if (m_mode == Mode::popup && !rect().contains(event->position().toPoint()))
        Q_EMIT pressedOutside(event->globalPosition().toPoint(), event->button());
    QWidget::mousePressEvent(event);
}

void PopoverWindow::hideEvent(QHideEvent *event)
{
    m_hadFocus = false;
    QWidget::hideEvent(event);
    Q_EMIT closed();
}

} // namespace quelta
