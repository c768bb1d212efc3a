#pragma once

#include <stdexcept>
#include <string>

namespace quelta {

// The request got no HTTP reply: no connection, TLS failure, or a time-out.
class HttpTransportError : public std::runtime_error
{
public:
    HttpTransportError(const std::string &message, bool timedOut)
        : std::runtime_error(message)
        , m_timedOut(timedOut)
    {
    }

    bool timedOut() const { return m_timedOut; }

private:
    bool m_timedOut;
};

} // namespace quelta
