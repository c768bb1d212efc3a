#pragma once

#include "core/AccountID.h"

#include <QHash>
#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quelta {

class AccountChanges;
class Switch;

// The settings' other accounts: each folder found or added beside the default ones, tracked once
// its switch is on; "Add account…" with a folder and a name, whose problems show in place; and
// removing an added folder. Every change goes through `AccountChanges`.
class AccountsSection final : public QWidget
{
    Q_OBJECT
public:
    // Asks the person for a folder; empty when they cancel.
    using FolderChooser = std::function<QString(QWidget *parent)>;

    AccountsSection(AccountChanges &changes, FolderChooser chooseFolder, QWidget *parent = nullptr);

    // For tests and screenshots.
    Switch *trackSwitch(const AccountID &id) const { return m_switches.value(id); }
    QPushButton *removeButton(const AccountID &id) const { return m_removeButtons.value(id); }
    QPushButton *addButton() const { return m_add; }
    QWidget *addForm() const { return m_form; }
    QComboBox *providerPicker() const { return m_provider; }
    QLineEdit *folderField() const { return m_folder; }
    QLineEdit *nameField() const { return m_name; }
    QPushButton *confirmButton() const { return m_confirm; }
    QLabel *problemLabel() const { return m_problem; }

    // What the form's fields hold: added and tracked, or the problem shown.
    void submit();

private:
    QWidget *makeForm();
    void syncAccounts();
    void syncTracking();
    void showForm(bool shown);

    AccountChanges &m_changes;
    FolderChooser m_chooseFolder;
    QVBoxLayout *m_accountRows;
    QHash<AccountID, Switch *> m_switches;
    QHash<AccountID, QPushButton *> m_removeButtons;
    QPushButton *m_add;
    QWidget *m_form = nullptr;
    QComboBox *m_provider = nullptr;
    QLineEdit *m_folder = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_confirm = nullptr;
    QLabel *m_problem = nullptr;
};

} // namespace quelta
