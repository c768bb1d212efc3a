#pragma once

#include <QCoroTask>
#include <QLockFile>
#include <QString>

#include <chrono>
#include <memory>

namespace quelta {

class Clock;

// Takes the lock file at `path`, which every process of the user honours, without blocking the
// caller: when another process holds it, waits until that one lets go or `wait` has passed.
// Nothing at the deadline; a lock left by a process that died is taken over at once.
QCoro::Task<std::unique_ptr<QLockFile>> acquireSharedLock(QString path, std::chrono::milliseconds wait, Clock &clock);

} // namespace quelta
