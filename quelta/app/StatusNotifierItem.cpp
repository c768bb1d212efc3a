#include "StatusNotifierItem.h"

#include "AppLogging.h"
#include "DBusMenuExporter.h"
#include "StatusNotifierItemAdaptor.h"
#include "platform/Quelta.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QtEndian>

namespace quelta {

namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The sizes panels draw tray icons at.
constexpr int pixmapSizes[] = {16, 22, 24, 32, 48};

StatusNotifierImages imagesOf(const QIcon &icon)
{
    StatusNotifierImages images;
    for (const int side : pixmapSizes) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        QByteArray pixels(image.width() * image.height() * 4, Qt::Uninitialized);
        auto *out = reinterpret_cast<quint32 *>(pixels.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian<quint32>(line[x]);
        }
        images.append({image.width(), image.height(), pixels});
    }
    return images;
}

QString nextServiceName()
{
    static int count = 0;
    return QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(++count);
}

} // namespace

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_serviceName(nextServiceName())
    , m_watcher(watcherService, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
    , m_menu(new DBusMenuExporter(menu, this))
{
    registerStatusNotifierTypes();
    new StatusNotifierItemAdaptor(this);
    if (!m_bus.registerObject(QLatin1String(objectPath), this) || !m_bus.registerObject(QLatin1String(menuPath), m_menu)
        || !m_bus.registerService(m_serviceName)) {
        qCWarning(lcApp) << "the tray item could not take its place on the bus:" << m_bus.lastError().message();
    }
    // A watcher that starts, or starts again, knows of no items yet.
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this](const QString &, const QString &, const QString &owner) {
        if (!owner.isEmpty())
            registerWithWatcher();
    });
    registerWithWatcher();
}

StatusNotifierItem::~StatusNotifierItem()
{
    m_bus.unregisterService(m_serviceName);
    m_bus.unregisterObject(QLatin1String(menuPath));
    m_bus.unregisterObject(QLatin1String(objectPath));
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher *answer) {
        if (answer->isError())
            qCInfo(lcApp) << "the tray did not take the item:" << answer->error().message();
        answer->deleteLater();
    });
}

void StatusNotifierItem::setIcon(const QIcon &icon)
{
    const QString name = icon.name();
    StatusNotifierImages pixmap = imagesOf(icon);
    if (name == m_iconName && pixmap == m_iconPixmap)
        return;
    m_iconName = name;
    m_iconPixmap = std::move(pixmap);
    Q_EMIT NewIcon();
}

StatusNotifierToolTip StatusNotifierItem::toolTip() const
{
    return {{}, {}, title(), m_toolTipDescription};
}

void StatusNotifierItem::setToolTipDescription(const QString &description)
{
    if (description == m_toolTipDescription)
        return;
    m_toolTipDescription = description;
    Q_EMIT NewToolTip();
}

QString StatusNotifierItem::labelGuide() const
{
    return m_label.isEmpty() ? QString() : Quelta::tr("%1%", "a percentage").arg(100);
}

void StatusNotifierItem::setLabel(const QString &label)
{
    if (label == m_label)
        return;
    m_label = label;
    Q_EMIT XAyatanaNewLabel(m_label, labelGuide());
}

void StatusNotifierItem::Activate(int, int)
{
    Q_EMIT activated();
}

void StatusNotifierItem::SecondaryActivate(int, int)
{
    // A middle click has no action of its own.
}

void StatusNotifierItem::ContextMenu(int x, int y)
{
    Q_EMIT menuRequested(QPoint(x, y));
}

void StatusNotifierItem::Scroll(int, const QString &)
{
    // Nothing to scroll through.
}

} // namespace quelta
