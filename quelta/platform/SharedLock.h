#pragma once

#include <QCoroTask>
#include <QLockFile>
#include <QString>

#include <chrono>
#include <memory>
#include <stop_token>

namespace quelta {

class Clock;

// Takes the lock file at `path`, which every process of the user honours, without blocking the
// caller: when another process holds it, waits until that one lets go or `wait` has passed.
// Nothing at the deadline; a lock left by a process that died is taken over at once. Throws
// OperationCancelled once `stop` is triggered.
QCoro::Task<std::unique_ptr<QLockFile>> acquireSharedLock(QString path, std::chrono::milliseconds wait, Clock &clock,
                                                           std::stop_token stop = {});

} // namespace quelta
