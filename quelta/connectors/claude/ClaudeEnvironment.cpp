#include "ClaudeEnvironment.h"

#include "ClaudeCredentialFile.h"

#include "connectors/AccountDiscovery.h"
#include "connectors/AccountIdentity.h"

namespace quelta {

ClaudeEnvironment ClaudeEnvironment::standard(Clock &clock, ProviderHttpSession &session, AuthStatusCache &authStatusCache,
                                              ExecutableSearch search, const QString &folder)
{
    ClaudeEnvironment environment;
    environment.search = std::move(search);
    environment.folder = folder;
    environment.localAccountPath = accountIdentity::claudeAccountFilePath(folder, environment.search.home);
    environment.credentials = std::make_shared<ClaudeCredentialFile>(signInFilePath(ProviderID::claudeCode, folder));
    environment.clock = &clock;
    environment.session = &session;
    environment.authStatusCache = &authStatusCache;
    return environment;
}

} // namespace quelta
