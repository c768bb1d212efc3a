#pragma once

#include "OperationCancelled.h"

#include <stop_token>

namespace quelta {

// The stop token of everything one owner starts. Declared as the owner's last member, it is
// destroyed first: its tasks are cancelled while every other member still exists (children
// killed, requests aborted), and a task resumed afterwards sees the token triggered and leaves
// without touching the owner.
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
