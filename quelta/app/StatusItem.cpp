#include "StatusItem.h"

#include "TrayIcon.h"
#include "TrayPresence.h"

#include "platform/Clock.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QSystemTrayIcon>

namespace quelta {

namespace {

// The panel's colour where the tray shows where the icon is: the pixels at the icon's corners,
// which the mark leaves free. Elsewhere the desktop's own colour scheme, which panels mostly follow.
QColor panelColor(const QRect &geometry)
{
    const QColor scheme = QGuiApplication::palette().color(QPalette::Window);
    if (geometry.isEmpty())
        return scheme;
    QScreen *screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        return scheme;
    const QImage image = screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height()).toImage();
    if (image.isNull())
        return scheme;
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    qreal red = 0;
    qreal green = 0;
    qreal blue = 0;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        const QColor pixel = image.pixelColor(corner);
        red += pixel.redF() / 4;
        green += pixel.greenF() / 4;
        blue += pixel.blueF() / 4;
    }
    return QColor::fromRgbF(float(red), float(green), float(blue));
}

} // namespace

StatusItem::StatusItem(TrayPresence &presence, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_presence(presence)
    , m_clock(clock)
    , m_menu(std::make_unique<QMenu>())
{
    QAction *open = m_menu->addAction(QStringLiteral("Open Quelta"), this, &StatusItem::activated);
    m_menu->setDefaultAction(open);
    m_menu->addSeparator();
    QAction *quit = m_menu->addAction(QStringLiteral("Quit Quelta"), this, &StatusItem::quitRequested);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(&m_presence, &TrayPresence::kindChanged, this, &StatusItem::follow);
    follow();
}

StatusItem::~StatusItem()
{
    delete m_icon;
}

QRect StatusItem::geometry() const
{
    return m_icon ? m_icon->geometry() : QRect();
}

void StatusItem::updateIcon()
{
    if (m_icon)
        m_icon->setIcon(trayIconFor(panelColor(m_icon->geometry())));
}

void StatusItem::follow()
{
    const bool present = m_presence.isPresent();
    if (present == bool(m_icon))
        return;
    if (!present) {
        // A tray that went away takes its items with it; a new one needs a new registration.
        delete m_icon;
        Q_EMIT shownChanged(false);
        return;
    }
    m_icon = new QSystemTrayIcon(trayIconFor(panelColor({})), this);
    m_icon->setToolTip(QStringLiteral("Quelta"));
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT activated();
    });
    m_icon->show();
    // An XEmbed tray says where the icon sits only once it has embedded it.
    m_clock.callAfter(std::chrono::seconds(1), m_icon, [this] { updateIcon(); });
    Q_EMIT shownChanged(true);
}

} // namespace quelta
