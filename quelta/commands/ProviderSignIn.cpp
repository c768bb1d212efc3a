#include "ProviderSignIn.h"

#include "platform/OperationCancelled.h"

namespace quelta {

QCoro::Task<std::optional<ProviderConnectorError::Kind>> signInFailure(ProviderSignIn signIn, AccountID id)
{
    std::optional<ProviderConnectorError::Kind> failure;
    try {
        co_await signIn(id);
    } catch (const ProviderConnectorError &error) {
        failure = error.kind();
    } catch (const OperationCancelled &) {
        // The owner of the sign-in is going: nobody is left to tell.
        throw;
    } catch (const std::exception &) {
        failure = ProviderConnectorError::Kind::processFailed;
    }
    co_return failure;
}

} // namespace quelta
