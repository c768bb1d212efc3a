#pragma once

#include <QString>

#include <optional>

namespace quelta {

// Who is signed in through a tool's folder, from the tool's own files; absent when the file is
// missing or names nobody. Only ids are read, never a token.
namespace accountIdentity {

// Claude Code keeps its account file beside the default folder (~/.claude.json for ~/.claude),
// and inside any other folder it is pointed at.
QString claudeAccountFilePath(const QString &folder, const QString &home);
// The account and organisation ids of the account file, as "account/organisation".
std::optional<QString> claude(const QString &accountFilePath);
// The ChatGPT account id that Codex keeps in the home's auth.json.
std::optional<QString> codex(const QString &codexHome);

} // namespace accountIdentity

} // namespace quelta
