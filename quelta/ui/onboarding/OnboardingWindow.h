#pragma once

#include "OnboardingFlow.h"

#include <QPixmap>
#include <QVariantAnimation>
#include <QWidget>

namespace quelta {

class Clock;

// The dark "Welcome to Quelta" window: the onboarding pages, one at a time, each change drawn as
// the old page leaving (fading, blurring, rising) and the new one arriving (fading in, sharpening,
// settling). With reduce motion on, pages change at once.
class OnboardingWindow final : public QWidget
{
    Q_OBJECT
public:
    OnboardingWindow(OnboardingFlow::Services services, bool reduceMotion, QWidget *parent = nullptr);

    OnboardingFlow &flow() { return m_flow; }
    QWidget *page() const { return m_page; }
    bool isChangingPage() const { return m_transition.state() == QAbstractAnimation::Running; }
    // Centred on the screen under the pointer.
    void showCentred();

Q_SIGNALS:
    // "Open Quelta" on the last page.
    void completed();
    // Closed by the user before finishing.
    void closedEarly();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *makePage();
    void changePage();

    OnboardingFlow m_flow;
    Clock &m_clock;
    bool m_reduceMotion;
    QWidget *m_page = nullptr;
    bool m_completed = false;
    // The page change: time in milliseconds across removal and insertion.
    QVariantAnimation m_transition;
    QPixmap m_leaving;
    QPixmap m_arriving;
};

} // namespace quelta
