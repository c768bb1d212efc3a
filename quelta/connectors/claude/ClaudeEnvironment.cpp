#include "ClaudeEnvironment.h"

#include "ClaudeCredentialFile.h"
#include "ClaudeLocalAccount.h"

namespace quelta {

ClaudeEnvironment ClaudeEnvironment::standard(Clock &clock, ProviderHttpSession &session, AuthStatusCache &authStatusCache,
                                              ExecutableSearch search)
{
    ClaudeEnvironment environment;
    environment.search = std::move(search);
    environment.localAccountPath = ClaudeLocalAccount::defaultPath(environment.search.home);
    environment.credentials = std::make_shared<ClaudeCredentialFile>(ClaudeCredentialFile::defaultPath(environment.search.home));
    environment.clock = &clock;
    environment.session = &session;
    environment.authStatusCache = &authStatusCache;
    return environment;
}

} // namespace quelta
