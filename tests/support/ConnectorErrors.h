#pragma once

#include "WaitFor.h"
#include "core/ProviderConnectorError.h"

#include <optional>

namespace quelta::test {

// The kind of connector error `task` ends with; absent when it ends any other way.
template <typename T>
std::optional<ProviderConnectorError::Kind> connectorErrorOf(QCoro::Task<T> &task)
{
    try {
        quelta::test::waitFor(task);
    } catch (const ProviderConnectorError &error) {
        return error.kind();
    }
    return std::nullopt;
}

template <typename T>
std::optional<ProviderConnectorError::Kind> connectorErrorOf(QCoro::Task<T> &&task)
{
    return connectorErrorOf(task);
}

} // namespace quelta::test
