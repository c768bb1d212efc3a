#pragma once

#include "WelcomeStages.h"

#include "platform/Clock.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;

namespace quelta {

class AccountChip;
class OnboardingFlow;
class ProviderCard;
class QuietButton;
class WelcomeButton;

// The welcome page: the mark, the title, the line under it and "Get started", entering in six
// stages over 3.2 s. Frames are drawn only while the page is shown and the entrance runs. The
// mark is painted by the page; the texts and the button are widgets of their own, so that a
// screen reader finds them.
class WelcomePage final : public QWidget
{
    Q_OBJECT
public:
    WelcomePage(Clock &clock, bool reduceMotion, QWidget *parent = nullptr);

    WelcomeStages stages() const;
    WelcomeButton *getStartedButton() const { return m_button; }
    int framesPainted() const { return m_framesPainted; }

Q_SIGNALS:
    void getStarted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void press();
    // Places and fades the texts and the button for the current stages.
    void applyStages();

    Clock &m_clock;
    bool m_reduceMotion;
    bool m_hasStartedSequence = false;
    std::optional<Clock::Duration> m_animationStart;
    QTimer m_frames;
    int m_framesPainted = 0;
    QLabel *m_title;
    QLabel *m_line;
    WelcomeButton *m_button;
};

// "Choose your providers": a card per provider and a chip per other account found, toggled in
// the monitor at once.
class ProvidersPage final : public QWidget
{
    Q_OBJECT
public:
    ProvidersPage(OnboardingFlow &flow, QWidget *parent = nullptr);
    QList<ProviderCard *> cards() const { return m_cards; }
    QList<AccountChip *> accountChips() const { return m_chips; }
    WelcomeButton *continueButton() const { return m_continue; }

private:
    void sync();

    OnboardingFlow &m_flow;
    QList<ProviderCard *> m_cards;
    QList<AccountChip *> m_chips;
    WelcomeButton *m_continue = nullptr;
};

// One provider's connection page: the steps, its icon, what stands, and what to do.
class ConnectionPage final : public QWidget
{
    Q_OBJECT
public:
    // With `reduceMotion`, the waiting indicator stands still.
    ConnectionPage(OnboardingFlow &flow, bool reduceMotion, QWidget *parent = nullptr);
    QString titleText() const;
    QString messageText() const;
    const QLabel *messageLabel() const { return m_message; }
    QString stepText() const;
    WelcomeButton *primaryButton() const { return m_primary; }
    QuietButton *laterButton() const { return m_later; }

private:
    void sync();

    OnboardingFlow &m_flow;
    QWidget *m_steps;
    QLabel *m_icon;
    QLabel *m_title;
    QLabel *m_message;
    WelcomeButton *m_primary;
    QuietButton *m_later;
};

// "You're all set", with "Open Quelta".
class CompletePage final : public QWidget
{
    Q_OBJECT
public:
    explicit CompletePage(QWidget *parent = nullptr);
    WelcomeButton *openButton() const { return m_open; }

Q_SIGNALS:
    void openQuelta();

private:
    WelcomeButton *m_open;
};

} // namespace quelta
