#pragma once

#include "ProcessRequest.h"

#include <QCoroTask>

#include <stop_token>

namespace quelta {

class Clock;

// Output beyond this many bytes is refused.
constexpr qsizetype processOutputLimit = 2'097'152;

// Runs one child to completion or to its deadline, without blocking the calling thread, and
// reports how it ended. Standard output and standard error share one buffer in write order.
// Throws only OperationCancelled, when `token` is triggered. Whatever the ending, the child and
// anything left in its process group are terminated, then killed 0.1 s later, before the call
// returns.
QCoro::Task<ProcessResult> runProcess(ProcessRequest request, std::stop_token token, Clock &clock);
QCoro::Task<ProcessResult> runProcess(ProcessRequest request, std::stop_token token = {});

} // namespace quelta
