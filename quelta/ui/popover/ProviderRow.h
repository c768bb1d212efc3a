#pragma once

#include "core/AccountID.h"

#include "commands/AllowancePresentation.h"
#include "history/UsageSparkline.h"

#include <QWidget>

class QLabel;
class QSpacerItem;

namespace quelta {

class AllowanceBar;
class ConnectButton;
class FadingLabel;
class UsageSparklineView;

// One provider in the popover: its mark, name and subtitle (wrapped, never cut short), then
// either its Connect button or its allowance bar and percentage. It keeps only its hover flag.
// The mark is painted by the row itself, so that screen readers pass over it.
class ProviderRow final : public QWidget
{
    Q_OBJECT
public:
    explicit ProviderRow(QWidget *parent = nullptr);

    void display(const ProviderAllowance &provider, const ProviderRowState &state);
    AccountID account() const { return accountOf(m_provider); }

    QString subtitleText() const;
    const FadingLabel *subtitleLabel() const { return m_subtitle; }
    QString percentageText() const;
    const AllowanceBar *bar() const { return m_bar; }
    ConnectButton *connectButton() const { return m_connect; }
    bool showsConnectButton() const;

    // The tracked limit's window so far, shown in the bar's place while the row is hovered or
    // has keyboard focus; a row with one is reached by Tab and describes it in words.
    void setSparkline(const std::optional<UsageSparkline> &sparkline);
    bool showsSparkline() const;

Q_SIGNALS:
    void connectRequested(const AccountID &id);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setHovered(bool hovered);
    void refresh();
    void applyPalette();

    ProviderAllowance m_provider;
    ProviderRowState m_state;
    QSpacerItem *m_iconSlot;
    QLabel *m_name;
    FadingLabel *m_subtitle;
    QWidget *m_barGroup;
    AllowanceBar *m_bar;
    QLabel *m_percent;
    ConnectButton *m_connect;
    UsageSparklineView *m_sparkline;
    std::optional<UsageSparkline> m_sparklineData;
    bool m_keyboardFocus = false;
};

} // namespace quelta
