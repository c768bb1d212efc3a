#pragma once

#include "RawValue.h"

#include <exception>
#include <optional>

namespace quelta {

// The only error a connector raises itself. It carries no text: the monitor and the views
// choose every word the user sees.
class ProviderConnectorError : public std::exception
{
public:
    enum class Kind {
        rateLimited,
        connectionRequired,
        executableMissing,
        invalidResponse,
        processFailed,
        timedOut,
        unsupportedPlan,
        usageAccessExpired,
    };

    explicit ProviderConnectorError(Kind kind)
        : m_kind(kind)
    {
    }

    static ProviderConnectorError rateLimited(std::optional<double> retryAfter)
    {
        ProviderConnectorError error(Kind::rateLimited);
        error.m_retryAfter = retryAfter;
        return error;
    }

    Kind kind() const { return m_kind; }
    // Seconds to leave the provider alone; only ever present for rateLimited.
    std::optional<double> retryAfter() const { return m_retryAfter; }

    const char *what() const noexcept override;

    bool operator==(const ProviderConnectorError &other) const
    {
        return m_kind == other.m_kind && m_retryAfter == other.m_retryAfter;
    }

private:
    Kind m_kind;
    std::optional<double> m_retryAfter;
};

template <>
struct RawValues<ProviderConnectorError::Kind> {
    using Kind = ProviderConnectorError::Kind;
    static constexpr std::array<std::pair<Kind, std::string_view>, 8> table{{
        {Kind::rateLimited, "rateLimited"},
        {Kind::connectionRequired, "connectionRequired"},
        {Kind::executableMissing, "executableMissing"},
        {Kind::invalidResponse, "invalidResponse"},
        {Kind::processFailed, "processFailed"},
        {Kind::timedOut, "timedOut"},
        {Kind::unsupportedPlan, "unsupportedPlan"},
        {Kind::usageAccessExpired, "usageAccessExpired"},
    }};
};

} // namespace quelta
