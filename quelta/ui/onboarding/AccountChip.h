#pragma once

#include "ui/widgets/StyledButton.h"

#include "core/AccountID.h"

namespace quelta {

// Another account found on this computer, as a capsule with a selection mark: like the provider
// cards, a press only asks for the change, and the mark follows the monitor through `setSelected`.
class AccountChip final : public StyledButton
{
    Q_OBJECT
public:
    AccountChip(const AccountID &account, QWidget *parent = nullptr);
    const AccountID &account() const { return m_account; }
    void setSelected(bool selected) { setChecked(selected); }
    bool isSelected() const { return isChecked(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override {}

private:
    AccountID m_account;
};

} // namespace quelta
