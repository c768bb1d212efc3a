#pragma once

#include <stdexcept>
#include <string>

namespace quelta {

// The operating system could not start the executable.
class ProcessLaunchError : public std::runtime_error
{
public:
    explicit ProcessLaunchError(const std::string &message)
        : std::runtime_error(message)
    {
    }
};

} // namespace quelta
