#include "AccountsCommand.h"

#include "AccountBook.h"
#include "ProviderNames.h"
#include "TerminalText.h"

#include "platform/Quelta.h"

namespace quelta {

namespace {

constexpr int badInput = 2;

int usageError(QTextStream &err, const QString &problem)
{
    err << "quelta: " << problem << "\n\n" << accountsUsage();
    return badInput;
}

// "claude:work", or a bare "work" that only one provider's account is called.
std::optional<AccountID> accountCalled(const QString &typed, const FoundAccounts &found)
{
    if (const std::optional<AccountID> id = accountNamed(typed))
        return id;
    std::optional<AccountID> match;
    for (const AccountFolder &account : found.accounts) {
        if (account.id.name != typed)
            continue;
        if (match)
            return std::nullopt;
        match = account.id;
    }
    return match;
}

int list(const AccountBook &book, QTextStream &out)
{
    const AccountRegistry &registry = book.registry();
    for (const AccountFolder &account : registry.found().accounts) {
        const QString state = book.isTracked(account.id) ? Quelta::tr("tracked") : Quelta::tr("offered");
        out << commandName(account.id).leftJustified(16) << ' ' << state.leftJustified(9)
            << oneLineText(account.folder.isEmpty() ? Quelta::tr("(web session)") : account.folder) << "  "
            << oneLineText(account.identity.value_or(Quelta::tr("(no identity)"))) << '\n';
    }
    for (const FoldedAccount &folded : registry.found().folded)
        out << Quelta::tr("left out: %1: %2").arg(oneLineText(folded.folder.folder), oneLineText(folded.reason)) << '\n';
    return 0;
}

int add(const QStringList &arguments, AccountBook &book, QTextStream &out, QTextStream &err)
{
    QString name;
    QStringList positional;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        if (arguments[index] == QLatin1String("--name") && index + 1 < arguments.size())
            name = arguments[++index];
        else if (arguments[index].startsWith(QLatin1String("--name=")))
            name = arguments[index].mid(7);
        else
            positional << arguments[index];
    }
    if (positional.size() != 2)
        return usageError(err, Quelta::tr("accounts add needs a provider and a folder"));
    const std::optional<ProviderID> provider = providerNamed(positional[0]);
    if (!provider || *provider == ProviderID::framer)
        return usageError(err, Quelta::tr("unknown provider: %1 (choose claude or chatgpt)").arg(oneLineText(positional[0])));
    const QString folder = positional[1];
    switch (book.add(*provider, folder, name).value_or(AccountRegistry::Problem::unknownAccount)) {
    case AccountRegistry::Problem::folderMissing:
        err << "quelta: " << Quelta::tr("no such folder: %1").arg(oneLineText(folder)) << '\n';
        return badInput;
    case AccountRegistry::Problem::noSignIn:
        err << "quelta: " << Quelta::tr("%1 holds no %2 sign-in").arg(oneLineText(folder), displayName(*provider)) << '\n';
        return badInput;
    case AccountRegistry::Problem::nameInvalid:
        err << "quelta: " << Quelta::tr("give the account a name of letters, digits, \"-\", \"_\" or \".\" with --name") << '\n';
        return badInput;
    case AccountRegistry::Problem::nameTaken:
        err << "quelta: " << Quelta::tr("an account of that name exists already: choose another with --name") << '\n';
        return badInput;
    case AccountRegistry::Problem::unknownAccount:
    case AccountRegistry::Problem::notAdded:
    case AccountRegistry::Problem::lastTracked:
        break;
    }
    out << Quelta::tr("Added %1. Track it with: quelta accounts track NAME").arg(oneLineText(folder)) << '\n';
    return 0;
}

int remove(const AccountID &id, AccountBook &book, QTextStream &out, QTextStream &err)
{
    const std::optional<AccountRegistry::Problem> problem = book.remove(id);
    if (problem == AccountRegistry::Problem::unknownAccount) {
        err << "quelta: " << Quelta::tr("no added account named %1: see quelta accounts").arg(commandName(id)) << '\n';
        return badInput;
    }
    if (problem == AccountRegistry::Problem::notAdded) {
        err << "quelta: " << Quelta::tr("%1 was found in its folder, not added: untrack it instead").arg(commandName(id)) << '\n';
        return 1;
    }
    if (problem == AccountRegistry::Problem::lastTracked) {
        err << "quelta: " << Quelta::tr("%1 is the last account tracked").arg(commandName(id)) << '\n';
        return 1;
    }
    out << Quelta::tr("Removed %1.").arg(commandName(id)) << '\n';
    return 0;
}

int track(const AccountID &id, bool on, AccountBook &book, QTextStream &out, QTextStream &err)
{
    if (!book.track(id, on)) {
        err << "quelta: " << Quelta::tr("%1 is the last account tracked").arg(commandName(id)) << '\n';
        return 1;
    }
    out << (on ? Quelta::tr("%1 is tracked.") : Quelta::tr("%1 is no longer tracked.")).arg(commandName(id)) << '\n';
    return 0;
}

} // namespace

QString accountsUsage()
{
    return Quelta::tr("Usage: quelta accounts                 list the accounts, their folders and who is signed in\n"
                      "       quelta accounts add claude|chatgpt FOLDER [--name NAME]\n"
                      "       quelta accounts remove NAME     forget an added folder\n"
                      "       quelta accounts track|untrack NAME\n"
                      "NAME is an account's name, or claude:NAME and chatgpt:NAME where two share it.\n");
}

int runAccountsCommand(const QStringList &arguments, AccountBook &book, QTextStream &out, QTextStream &err)
{
    const AccountRegistry &registry = book.registry();
    if (arguments.isEmpty())
        return list(book, out);
    const QString verb = arguments.first();
    if (verb == QLatin1String("add"))
        return add(arguments.mid(1), book, out, err);
    const bool named = verb == QLatin1String("remove") || verb == QLatin1String("track") || verb == QLatin1String("untrack");
    if (!named)
        return usageError(err, Quelta::tr("unknown accounts command: %1").arg(oneLineText(verb)));
    if (arguments.size() != 2)
        return usageError(err, Quelta::tr("accounts %1 needs one account name").arg(verb));
    const std::optional<AccountID> id = accountCalled(arguments[1], registry.found());
    const bool known = id && (registry.folderOf(*id) || verb == QLatin1String("remove"));
    if (!known) {
        err << "quelta: " << Quelta::tr("no account named %1: see quelta accounts").arg(oneLineText(arguments[1])) << '\n';
        return badInput;
    }
    if (verb == QLatin1String("remove"))
        return remove(*id, book, out, err);
    return track(*id, verb == QLatin1String("track"), book, out, err);
}

} // namespace quelta
