#include "AccountsSection.h"

#include "artwork/DesignColors.h"
#include "commands/AccountChanges.h"
#include "core/AllowanceMonitor.h"
#include "platform/Quelta.h"
#include "ui/widgets/PlainLabel.h"
#include "ui/widgets/ProviderIconTile.h"
#include "ui/widgets/Switch.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelta {

namespace {

// The rule between two rows, as the providers' card draws it.
QFrame *divider(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: rgba(128,128,128,60);"));
    return line;
}

// "~/.claude-work" for a folder in the home.
QString shownFolder(const QString &folder, const QString &home)
{
    if (!home.isEmpty() && folder.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + folder.mid(home.size());
    return folder;
}

QString toolName(ProviderID provider)
{
    return provider == ProviderID::codex ? QStringLiteral("Codex") : QStringLiteral("Claude Code");
}

QString problemText(AccountRegistry::Problem problem, ProviderID provider, const QString &name)
{
    switch (problem) {
    case AccountRegistry::Problem::folderMissing:
        return Quelta::tr("That folder doesn’t exist.");
    case AccountRegistry::Problem::noSignIn:
        return Quelta::tr("That folder holds no %1 sign-in. Sign in with %1 there first.").arg(toolName(provider));
    case AccountRegistry::Problem::nameInvalid:
        return Quelta::tr("Name the account with letters, digits, “-”, “_” or “.”.");
    case AccountRegistry::Problem::nameTaken:
        return Quelta::tr("An account named “%1” exists already. Choose another name.").arg(name);
    case AccountRegistry::Problem::unknownAccount:
    case AccountRegistry::Problem::notAdded:
    case AccountRegistry::Problem::lastTracked:
        break;
    }
    return Quelta::tr("That folder can’t be added.");
}

} // namespace

AccountsSection::AccountsSection(AccountChanges &changes, FolderChooser chooseFolder, QWidget *parent)
    : QWidget(parent)
    , m_changes(changes)
    , m_chooseFolder(std::move(chooseFolder))
    , m_accountRows(new QVBoxLayout)
    , m_add(new QPushButton(Quelta::tr("Add account…"), this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_accountRows->setContentsMargins(0, 0, 0, 0);
    m_accountRows->setSpacing(0);
    column->addLayout(m_accountRows);
    auto *addLine = new QHBoxLayout;
    addLine->setContentsMargins(14, 10, 14, 12);
    addLine->addWidget(m_add);
    addLine->addStretch(1);
    column->addLayout(addLine);
    column->addWidget(makeForm());
    showForm(false);

    connect(m_add, &QPushButton::clicked, this, [this] { showForm(true); });
    connect(&m_changes.registry(), &AccountRegistry::accountsChanged, this, &AccountsSection::syncAccounts);
    connect(&m_changes.monitor(), &AllowanceMonitor::enabledProvidersChanged, this, &AccountsSection::syncTracking);
    syncAccounts();
}

QWidget *AccountsSection::makeForm()
{
    m_form = new QWidget(this);
    auto *form = new QVBoxLayout(m_form);
    form->setContentsMargins(14, 0, 14, 14);
    form->setSpacing(8);

    auto *folderLine = new QHBoxLayout;
    folderLine->setSpacing(8);
    m_provider = new QComboBox(m_form);
    m_provider->setAccessibleName(Quelta::tr("Provider"));
    m_provider->addItem(displayName(ProviderID::claudeCode), int(ProviderID::claudeCode));
    m_provider->addItem(displayName(ProviderID::codex), int(ProviderID::codex));
    folderLine->addWidget(m_provider);
    m_folder = new QLineEdit(m_form);
    m_folder->setPlaceholderText(Quelta::tr("Folder"));
    m_folder->setAccessibleName(Quelta::tr("Folder"));
    folderLine->addWidget(m_folder, 1);
    auto *choose = new QPushButton(Quelta::tr("Choose…"), m_form);
    connect(choose, &QPushButton::clicked, this, [this] {
        const QString folder = m_chooseFolder(this);
        if (folder.isEmpty())
            return;
        m_folder->setText(folder);
        if (m_name->text().isEmpty())
            m_name->setPlaceholderText(AccountRegistry::suggestedName(folder));
    });
    folderLine->addWidget(choose);
    form->addLayout(folderLine);

    auto *nameLine = new QHBoxLayout;
    nameLine->setSpacing(8);
    m_name = new QLineEdit(m_form);
    m_name->setPlaceholderText(Quelta::tr("Name, such as work"));
    m_name->setAccessibleName(Quelta::tr("Account name"));
    nameLine->addWidget(m_name, 1);
    auto *cancel = new QPushButton(Quelta::tr("Cancel"), m_form);
    connect(cancel, &QPushButton::clicked, this, [this] { showForm(false); });
    nameLine->addWidget(cancel);
    m_confirm = new QPushButton(Quelta::tr("Add"), m_form);
    m_confirm->setDefault(true);
    connect(m_confirm, &QPushButton::clicked, this, &AccountsSection::submit);
    connect(m_name, &QLineEdit::returnPressed, this, &AccountsSection::submit);
    nameLine->addWidget(m_confirm);
    form->addLayout(nameLine);

    m_problem = plainLabel({}, 11, QFont::Normal, false, m_form);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, designColors::systemRed(warning));
    m_problem->setPalette(warning);
    m_problem->hide();
    form->addWidget(m_problem);
    return m_form;
}

void AccountsSection::showForm(bool shown)
{
    m_form->setVisible(shown);
    m_add->setVisible(!shown);
    m_problem->hide();
    if (shown)
        m_folder->setFocus(Qt::OtherFocusReason);
    if (shown)
        return;
    m_folder->clear();
    m_name->clear();
}

void AccountsSection::submit()
{
    const auto provider = ProviderID(m_provider->currentData().toInt());
    const QString folder = m_folder->text().trimmed();
    const QString name = m_name->text().trimmed();
    if (folder.isEmpty()) {
        m_problem->setText(Quelta::tr("Choose the folder the account is signed in through."));
        m_problem->show();
        return;
    }
    const QString chosen = name.isEmpty() ? AccountRegistry::suggestedName(folder) : name;
    if (const std::optional<AccountRegistry::Problem> problem = m_changes.add(provider, folder, name)) {
        m_problem->setText(problemText(*problem, provider, chosen));
        m_problem->show();
        return;
    }
    // Added here, it is wanted in the popover.
    m_changes.track(AccountID(provider, chosen), true);
    showForm(false);
}

void AccountsSection::syncAccounts()
{
    while (QLayoutItem *item = m_accountRows->takeAt(0)) {
        // Later: the press that removed an account is still being answered by its row.
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    m_switches.clear();
    m_removeButtons.clear();
    const QString &home = m_changes.registry().home();
    for (const AccountFolder &account : m_changes.registry().found().accounts) {
        // The default accounts are the providers above.
        if (account.id.isDefault())
            continue;
        const AccountID id = account.id;
        if (!m_switches.isEmpty())
            m_accountRows->addWidget(divider(this));
        auto *row = new QWidget(this);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(14, 12, 14, 12);
        line->setSpacing(12);
        auto *tile = new ProviderIconTile(row);
        tile->setProvider(id.provider, assetName(id.provider));
        line->addWidget(tile, 0, Qt::AlignVCenter);
        auto *texts = new QVBoxLayout;
        texts->setSpacing(2);
        texts->addWidget(plainLabel(displayName(id), 13, QFont::DemiBold, false, row));
        const QString origin = account.origin == AccountFolder::Origin::added ? Quelta::tr("Added · %1") : Quelta::tr("Found · %1");
        texts->addWidget(plainLabel(origin.arg(shownFolder(account.folder, home)), 11, QFont::Normal, true, row));
        line->addLayout(texts, 1);
        if (account.origin == AccountFolder::Origin::added) {
            auto *remove = new QPushButton(Quelta::tr("Remove"), row);
            remove->setAccessibleName(Quelta::tr("Remove %1").arg(displayName(id)));
            connect(remove, &QPushButton::clicked, this, [this, id] { m_changes.remove(id); });
            line->addWidget(remove, 0, Qt::AlignVCenter);
            m_removeButtons.insert(id, remove);
        }
        auto *track = new Switch(Quelta::tr("Show %1 in Quelta").arg(displayName(id)), row);
        connect(track, &QAbstractButton::toggled, this, [this, id](bool on) {
            if (!m_changes.track(id, on))
                syncTracking();
        });
        line->addWidget(track, 0, Qt::AlignVCenter);
        m_switches.insert(id, track);
        m_accountRows->addWidget(row);
    }
    if (!m_switches.isEmpty())
        m_accountRows->addWidget(divider(this));
    if (m_switches.isEmpty()) {
        auto *none = plainLabel(Quelta::tr("No other accounts found. Claude Code folders such as ~/.claude-work and Codex folders such as "
                                          "~/.codex-work are found on their own."),
                           11, QFont::Normal, true, this);
        none->setContentsMargins(14, 12, 14, 0);
        m_accountRows->addWidget(none);
    }
    syncTracking();
}

void AccountsSection::syncTracking()
{
    for (auto [id, track] : m_switches.asKeyValueRange()) {
        const bool tracked = m_changes.isTracked(id);
        track->setOn(tracked);
        const bool last = tracked && m_changes.monitor().enabledProviderIDs().size() == 1;
        track->setEnabled(!last);
        if (QPushButton *remove = m_removeButtons.value(id))
            remove->setEnabled(!last);
    }
}

} // namespace quelta
