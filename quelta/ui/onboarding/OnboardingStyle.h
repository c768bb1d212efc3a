#pragma once

#include "ui/widgets/StyledButton.h"

#include "core/ProviderAllowance.h"

#include <QFont>
#include <QPixmap>

namespace quelta {

class Spinner;

// The onboarding's look: Geist at the design's sizes and tracking, its buttons and artwork.
QFont geist(int pixelSize, QFont::Weight weight, qreal tracking);
// A softened copy of `pixmap`, as if blurred by `radius` points; cheap enough for every frame.
QPixmap softened(const QPixmap &pixmap, qreal radius);
// The provider's app icon: its mark in white on a tile of its own colour.
QPixmap providerAppIcon(ProviderID id, int size, qreal devicePixelRatio);
QPixmap queltaAppIcon(int size, qreal devicePixelRatio);

// White capsule, black Geist label: the onboarding's main buttons.
class WelcomeButton final : public StyledButton
{
    Q_OBJECT
public:
    explicit WelcomeButton(const QString &text, QWidget *parent = nullptr);
    // A turning indicator before the label: waiting for something.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }
    void setSpinnerTurns(bool turns);
    Spinner *spinner() const { return m_spinner; }
    // A check mark before the label: the step is done.
    void setDone(bool done);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Spinner *m_spinner;
    bool m_busy = false;
    bool m_done = false;
};

// "Set up later": quiet white text.
class QuietButton final : public StyledButton
{
    Q_OBJECT
public:
    explicit QuietButton(const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A provider's 132 × 132 card: its app icon, name and a selection mark. It is checkable, but a
// press only asks for the change: the checked state follows the monitor through `setSelected`.
class ProviderCard final : public StyledButton
{
    Q_OBJECT
public:
    ProviderCard(ProviderID id, QWidget *parent = nullptr);
    ProviderID provider() const { return m_provider; }
    void setSelected(bool selected) { setChecked(selected); }
    bool isSelected() const { return isChecked(); }
    QSize sizeHint() const override { return {132, 132}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override {}

private:
    ProviderID m_provider;
};

} // namespace quelta
