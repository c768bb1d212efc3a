#pragma once

#include <stdexcept>

namespace quelta {

// Thrown through a task whose stop token was triggered.
class OperationCancelled : public std::runtime_error
{
public:
    OperationCancelled()
        : std::runtime_error("operation cancelled")
    {
    }
};

} // namespace quelta
