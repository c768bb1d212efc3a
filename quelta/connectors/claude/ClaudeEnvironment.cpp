#include "ClaudeEnvironment.h"

#include "AuthStatusCache.h"
#include "ClaudeCredentialFile.h"
#include "ClaudeLocalAccount.h"
#include "connectors/ProviderHttpSession.h"
#include "platform/Clock.h"

namespace quelta {

ClaudeEnvironment ClaudeEnvironment::standard()
{
    ClaudeEnvironment environment;
    environment.localAccountPath = ClaudeLocalAccount::defaultPath();
    environment.credentials = std::make_shared<ClaudeCredentialFile>();
    environment.clock = &Clock::system();
    environment.session = &ProviderHttpSession::shared();
    environment.authStatusCache = &AuthStatusCache::shared();
    return environment;
}

} // namespace quelta
