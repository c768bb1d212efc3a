#pragma once

#include <QString>

namespace quelta {

// The body of the async page function that finds the user's team and reads its credits with the
// page's own cookies. Called with one argument, `preferredTeamID`. Answers one of
// { waiting: true }, { rateLimited: true }, { connectionRequired: true } or
// { teamID, availableCredits, funds }.
QString framerCreditScript(const QString &apiHost);

} // namespace quelta
