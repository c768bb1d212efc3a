#pragma once

#include <QCoroTask>
#include <QStringList>
#include <QTextStream>

namespace quelta {

class Clock;

// The commands of the Framer web helper, `quelta-web`; each answers in the lines of
// FramerHelperProtocol on `out` and returns the exit status. Quelta runs one at a time: it holds
// the profile's lock for as long as a helper runs.
//   fetch [-- TEAM-ID]     load Framer and print the allowance or the error, and the team id
//   connect                show the Framer connection window and print its progress
QCoro::Task<int> runFramerHelper(QStringList arguments, Clock &clock, QTextStream &out);

} // namespace quelta
