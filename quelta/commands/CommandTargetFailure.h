#pragma once

#include <QString>

namespace quelta {

// Thrown by a command target that cannot answer, with what the command tells the user (empty
// when the reason was told already).
struct CommandTargetFailure {
    QString message;
};

} // namespace quelta
