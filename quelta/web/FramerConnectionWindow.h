#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QWebEngineView;

namespace quelta {

class Clock;
class FramerWebSession;
class TintedStrip;

// The Framer connection window: a header with "Back", a strip that follows the sign-in's
// progress with "Paste Link", and the session's own page below, so that the web session
// survives closing and reopening. It closes itself 0.45 s after the sign-in succeeds.
class FramerConnectionWindow final : public QWidget
{
    Q_OBJECT
public:
    FramerConnectionWindow(FramerWebSession &session, Clock &clock, QWidget *parent = nullptr);

    QPushButton *pasteLinkButton() const { return m_pasteLink; }
    QLabel *statusTitle() const { return m_statusTitle; }
    QLabel *statusDetail() const { return m_statusDetail; }
    // The name of the symbol painted beside the status.
    QString statusSymbol() const;

Q_SIGNALS:
    // The window closed, by the user or by itself; whether Framer was connected then.
    void closed(bool connected);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makeHeader();
    QWidget *makeStatusStrip();
    void applyScheme();
    void showProgress();
    void goBack();
    void pasteLink();

    FramerWebSession &m_session;
    Clock &m_clock;
    TintedStrip *m_strip = nullptr;
    QLabel *m_statusTitle = nullptr;
    QLabel *m_statusDetail = nullptr;
    QPushButton *m_pasteLink = nullptr;
    QWebEngineView *m_view = nullptr;
    // The automatic close has been scheduled; once per opening.
    bool m_isCompletingConnection = false;
};

} // namespace quelta
