// Claude Code's stored sign-in and its account file.
#include "FuzzInput.h"

#include "connectors/claude/ClaudeCredentials.h"
#include "connectors/claude/ClaudeLocalAccount.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text = fuzz::bytes(data, size);
    quelta::ClaudeCredentials::parse(text);
    quelta::ClaudeLocalAccount::fromJson(text, fuzz::now());
    return 0;
}
