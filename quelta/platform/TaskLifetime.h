#pragma once

#include "OperationCancelled.h"

#include <stop_token>

namespace quelta {

// Who owns a task, everywhere in the application: every coroutine is started by an owner that
// outlives it or cancels it (the services, the monitor, a connector, the alerts, a window).
// - Work outside the process and every wait (a child, a request, a sleep, a lock) takes the
//   owner's token. The owner declares its TaskLifetime last, so that its destruction triggers
//   the token first: the child is killed, the request aborted and the sleep ended while all
//   they use still exists, and the frame resumes only to throw OperationCancelled.
// - Awaiting a signal with qCoro() resumes through a connection to the sender, so the frame is
//   never resumed once the sender is gone: waiting on the owner's own signals needs no check.
// - Any other await (another object's task) may resume after the owner is gone: check the
//   owner's token (throwIfStopped) before touching the owner again or, for a QObject owner that
//   starts no outside work, a QPointer to it.
// - A task nobody awaits goes through startDetached() and keeps by value whatever else it uses.
//
// The stop token of everything one owner starts; destroyed first, as the owner's last member.
class TaskLifetime
{
public:
    TaskLifetime() = default;
    ~TaskLifetime() { m_source.request_stop(); }
    TaskLifetime(const TaskLifetime &) = delete;
    TaskLifetime &operator=(const TaskLifetime &) = delete;

    std::stop_token token() const { return m_source.get_token(); }

private:
    std::stop_source m_source;
};

// For a task to call after each suspension, before it touches its owner again.
inline void throwIfStopped(const std::stop_token &token)
{
    if (token.stop_requested())
        throw OperationCancelled();
}

} // namespace quelta
