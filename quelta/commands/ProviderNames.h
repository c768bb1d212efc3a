#pragma once

#include "core/ProviderAllowance.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quelta {

// The names commands give providers: "chatgpt", "claude" and "framer".
QString commandName(ProviderID id);
// The provider a typed name means, in any case; absent for an unknown name.
std::optional<ProviderID> providerNamed(const QString &typed);
// "chatgpt, claude or framer", for messages.
QString commandNameChoices();
// "a, b or c": the choices a message offers.
QString choiceList(QStringList names);

} // namespace quelta
