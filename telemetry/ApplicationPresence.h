#pragma once

#include <QObject>
#include <QString>

namespace telemetrydeck {

// The screen and colour scheme of a host that shows windows, for the default payload.
struct DisplayFacts {
    QString screenWidth;
    QString screenHeight;
    QString screenScale;
    bool darkColorScheme = false;
};

// What only a host with windows knows, handed to the client in its configuration; the client
// itself links no windowing. A host without one, such as a command-line program, sends no screen
// facts and counts as active throughout.
class ApplicationPresence : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual DisplayFacts displayFacts() const = 0;
    // Whether one of the application's windows has the focus.
    virtual bool isActive() const = 0;

Q_SIGNALS:
    void activeChanged(bool active);
};

} // namespace telemetrydeck
