#include "StatusItem.h"

#include "StatusNotifierItem.h"
#include "TrayFigureOf.h"
#include "TrayIcon.h"
#include "TrayPresence.h"

#include "core/AllowanceMonitor.h"
#include "platform/Clock.h"
#include "platform/MarkupText.h"
#include "ui/widgets/PlainToolTip.h"
#include "platform/Quelta.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

namespace quelta {

namespace {

// The panel's colour where the tray shows where the icon is: the pixels at the icon's corners,
// which the mark leaves free. Unknown elsewhere: the desktop's scheme says nothing of its bar,
// which on GNOME is dark in a light scheme too.
std::optional<QColor> panelColor(const QRect &geometry)
{
    if (geometry.isEmpty())
        return std::nullopt;
    QScreen *screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        return std::nullopt;
    const QImage image = screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height()).toImage();
    if (image.isNull())
        return std::nullopt;
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

const QString toolTipTitle = QStringLiteral("Quelta");

} // namespace

StatusItem::StatusItem(TrayPresence &presence, AllowanceMonitor &monitor, Clock &clock, QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_presence(presence)
    , m_monitor(monitor)
    , m_clock(clock)
    , m_bus(std::move(bus))
    , m_menu(std::make_unique<QMenu>())
{
    QAction *open = m_menu->addAction(Quelta::tr("Open Quelta"), this, &StatusItem::activated);
    m_menu->setDefaultAction(open);
    m_menu->addAction(Quelta::tr("Show History…"), this, &StatusItem::historyRequested);
    m_menu->addSeparator();
    QAction *quit = m_menu->addAction(Quelta::tr("Quit Quelta"), this, &StatusItem::quitRequested);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(&m_presence, &TrayPresence::kindChanged, this, &StatusItem::follow);
    connect(&m_monitor, &AllowanceMonitor::providerChanged, this, &StatusItem::followMonitor);
    connect(&m_monitor, &AllowanceMonitor::enabledProvidersChanged, this, &StatusItem::followMonitor);
    connect(&m_monitor, &AllowanceMonitor::panelAllowanceChanged, this, &StatusItem::followMonitor);
    follow();
}

StatusItem::~StatusItem()
{
    delete m_icon;
    delete m_item;
}

QRect StatusItem::geometry() const
{
    return m_icon ? m_icon->geometry() : QRect();
}

void StatusItem::updateIcon()
{
    const std::optional<TrayFigure> figure = trayFigure(m_monitor.visibleProviders(), m_monitor.panelAllowance());
    if (m_icon)
        m_icon->setIcon(trayIconFor(panelColor(m_icon->geometry()), figure));
    if (m_item)
        m_item->setIcon(trayIconFor(std::nullopt, figure));
}

void StatusItem::followMonitor()
{
    updateIcon();
    updateTexts();
}

void StatusItem::updateTexts()
{
    const QList<ProviderAllowance> shown = m_monitor.visibleProviders();
    const QStringList lines = trayFigureLines(shown);
    if (m_icon)
        m_icon->setToolTip(plainToolTip((QStringList{toolTipTitle} + lines).join(QLatin1Char('\n'))));
    if (!m_item)
        return;
    QStringList escaped;
    for (const QString &line : lines)
        escaped << markupEscaped(line);
    m_item->setToolTipDescription(escaped.join(QLatin1Char('\n')));
    const std::optional<TrayFigure> figure = trayFigure(shown, m_monitor.panelAllowance());
    m_item->setLabel(figure ? trayLabel(*figure) : QString());
}

void StatusItem::popUpMenu(const QPoint &position)
{
    // Hosts that do not know where the click was send 0, 0.
    m_menu->popup(position.isNull() ? QCursor::pos() : position);
}

void StatusItem::follow()
{
    const TrayPresence::Kind kind = m_presence.kind();
    if (kind != TrayPresence::Kind::xembed)
        delete m_icon;
    // A tray that went away takes its items with it; a new one needs a new registration.
    if (kind != TrayPresence::Kind::statusNotifier)
        delete m_item;
    if (kind == TrayPresence::Kind::statusNotifier && !m_item) {
        m_item = new StatusNotifierItem(m_bus, m_menu.get(), this);
        connect(m_item, &StatusNotifierItem::activated, this, &StatusItem::activated);
        connect(m_item, &StatusNotifierItem::menuRequested, this, &StatusItem::menuRequested);
        updateIcon();
    }
    if (kind == TrayPresence::Kind::xembed && !m_icon) {
        m_icon = new QSystemTrayIcon(this);
        m_icon->setContextMenu(m_menu.get());
        updateIcon();
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                Q_EMIT activated();
        });
        m_icon->show();
        // An XEmbed tray says where the icon sits only once it has embedded it.
        m_clock.callAfter(std::chrono::seconds(1), m_icon, [this] { updateIcon(); });
    }
    updateTexts();
}

} // namespace quelta
