#include "GuiApplicationPresence.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace telemetrydeck {

GuiApplicationPresence::GuiApplicationPresence(QGuiApplication &application)
    : m_application(application)
{
    connect(&application, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { Q_EMIT activeChanged(state == Qt::ApplicationActive); });
}

DisplayFacts GuiApplicationPresence::displayFacts() const
{
    DisplayFacts facts;
    if (const QScreen *screen = m_application.primaryScreen()) {
        facts.screenWidth = QString::number(screen->size().width());
        facts.screenHeight = QString::number(screen->size().height());
        facts.screenScale = QString::number(screen->devicePixelRatio());
    }
    facts.darkColorScheme = m_application.palette().color(QPalette::Window).lightness() < 128;
    return facts;
}

bool GuiApplicationPresence::isActive() const
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

} // namespace telemetrydeck
