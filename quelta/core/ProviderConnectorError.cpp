#include "ProviderConnectorError.h"

namespace quelta {

const char *ProviderConnectorError::what() const noexcept
{
    // The table's names are string literals, so their data ends in a null.
    for (const auto &[kind, name] : RawValues<Kind>::table) {
        if (kind == m_kind)
            return name.data();
    }
    return "ProviderConnectorError";
}

} // namespace quelta
