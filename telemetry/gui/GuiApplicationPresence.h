#pragma once

#include "ApplicationPresence.h"

class QGuiApplication;

namespace telemetrydeck {

// The presence of a Qt Gui application: its primary screen, its palette and its focus.
class GuiApplicationPresence final : public ApplicationPresence
{
    Q_OBJECT
public:
    explicit GuiApplicationPresence(QGuiApplication &application);

    DisplayFacts displayFacts() const override;
    bool isActive() const override;

private:
    QGuiApplication &m_application;
};

} // namespace telemetrydeck
