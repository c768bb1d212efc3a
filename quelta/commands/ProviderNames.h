#pragma once

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quelta {

// The names commands give providers: "chatgpt", "claude" and "framer".
QString commandName(ProviderID id);
// The provider a typed name means, in any case; absent for an unknown name.
std::optional<ProviderID> providerNamed(const QString &typed);
// "claude" for the default account, "claude:work" for a named one.
QString commandName(const AccountID &id);
// The account a typed "claude" or "claude:work" means; absent for an unknown provider or a
// name that cannot be an account's.
std::optional<AccountID> accountNamed(const QString &typed);
// "chatgpt, claude or framer", for messages.
QString commandNameChoices();
// "a, b or c": the choices a message offers.
QString choiceList(QStringList names);

} // namespace quelta
