#include "AccountsCommand.h"

#include "AccountBook.h"
#include "ProviderNames.h"
#include "TerminalText.h"

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
        out << commandName(account.id).leftJustified(16) << ' ' << (book.isTracked(account.id) ? "tracked  " : "offered  ")
            << oneLineText(account.folder.isEmpty() ? QStringLiteral("(web session)") : account.folder) << "  "
            << oneLineText(account.identity.value_or(QStringLiteral("(no identity)"))) << '\n';
    }
    for (const FoldedAccount &folded : registry.found().folded)
        out << "left out: " << oneLineText(folded.folder.folder) << ": " << oneLineText(folded.reason) << '\n';
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
        return usageError(err, QStringLiteral("accounts add needs a provider and a folder"));
    const std::optional<ProviderID> provider = providerNamed(positional[0]);
    if (!provider || *provider == ProviderID::framer)
        return usageError(err, QStringLiteral("unknown provider: %1 (choose claude or chatgpt)").arg(oneLineText(positional[0])));
    const QString folder = positional[1];
    switch (book.add(*provider, folder, name).value_or(AccountRegistry::Problem::unknownAccount)) {
    case AccountRegistry::Problem::folderMissing:
        err << "quelta: no such folder: " << oneLineText(folder) << '\n';
        return badInput;
    case AccountRegistry::Problem::noSignIn:
        err << "quelta: " << oneLineText(folder) << " holds no " << displayName(*provider) << " sign-in\n";
        return badInput;
    case AccountRegistry::Problem::nameInvalid:
        err << "quelta: give the account a name of letters, digits, \"-\", \"_\" or \".\" with --name\n";
        return badInput;
    case AccountRegistry::Problem::nameTaken:
        err << "quelta: an account of that name exists already: choose another with --name\n";
        return badInput;
    case AccountRegistry::Problem::unknownAccount:
    case AccountRegistry::Problem::notAdded:
    case AccountRegistry::Problem::lastTracked:
        break;
    }
    out << "Added " << oneLineText(folder) << ". Track it with: quelta accounts track NAME\n";
    return 0;
}

int remove(const AccountID &id, AccountBook &book, QTextStream &out, QTextStream &err)
{
    const std::optional<AccountRegistry::Problem> problem = book.remove(id);
    if (problem == AccountRegistry::Problem::unknownAccount) {
        err << "quelta: no added account named " << commandName(id) << ": see quelta accounts\n";
        return badInput;
    }
    if (problem == AccountRegistry::Problem::notAdded) {
        err << "quelta: " << commandName(id) << " was found in its folder, not added: untrack it instead\n";
        return 1;
    }
    if (problem == AccountRegistry::Problem::lastTracked) {
        err << "quelta: " << commandName(id) << " is the last account tracked\n";
        return 1;
    }
    out << "Removed " << commandName(id) << ".\n";
    return 0;
}

int track(const AccountID &id, bool on, AccountBook &book, QTextStream &out, QTextStream &err)
{
    if (!book.track(id, on)) {
        err << "quelta: " << commandName(id) << " is the last account tracked\n";
        return 1;
    }
    out << commandName(id) << (on ? " is tracked.\n" : " is no longer tracked.\n");
    return 0;
}

} // namespace

QString accountsUsage()
{
    return QStringLiteral("Usage: quelta accounts                 list the accounts, their folders and who is signed in\n"
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
        return usageError(err, QStringLiteral("unknown accounts command: ") + oneLineText(verb));
    if (arguments.size() != 2)
        return usageError(err, QStringLiteral("accounts %1 needs one account name").arg(verb));
    const std::optional<AccountID> id = accountCalled(arguments[1], registry.found());
    const bool known = id && (registry.folderOf(*id) || verb == QLatin1String("remove"));
    if (!known) {
        err << "quelta: no account named " << oneLineText(arguments[1]) << ": see quelta accounts\n";
        return badInput;
    }
    if (verb == QLatin1String("remove"))
        return remove(*id, book, out, err);
    return track(*id, verb == QLatin1String("track"), book, out, err);
}

} // namespace quelta
