#pragma once

#include <QList>

namespace quelta::test {

// Process ids whose parent is this test process (zombies included), read from /proc.
QList<int> childProcessIds();

// Live processes whose process group is `groupId`.
QList<int> processGroupMembers(int groupId);

} // namespace quelta::test
