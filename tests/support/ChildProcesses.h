#pragma once

#include <QList>

namespace quelta::test {

// Process ids whose parent is this test process (zombies included), read from /proc.
QList<int> childProcessIds();

} // namespace quelta::test
