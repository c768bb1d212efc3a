#pragma once

#include <QCoroTask>
#include <QEventLoop>

#include <exception>
#include <optional>
#include <type_traits>

namespace quelta::test {

// Runs the event loop until `task` is done, then returns its value or rethrows its exception.
// QCoro's own waitFor swallows exceptions and then never returns.
template <typename T>
T waitFor(QCoro::Task<T> &task)
{
    QEventLoop loop;
    bool done = false;
    std::exception_ptr error;
    std::conditional_t<std::is_void_v<T>, bool, std::optional<T>> result{};
    auto observe = [&]() -> QCoro::Task<void> {
        try {
            if constexpr (std::is_void_v<T>)
                co_await task;
            else
                result.emplace(co_await task);
        } catch (...) {
            error = std::current_exception();
        }
        done = true;
        loop.quit();
    };
    auto observer = observe();
    if (!done)
        loop.exec();
    if (error)
        std::rethrow_exception(error);
    if constexpr (!std::is_void_v<T>)
        return std::move(*result);
}

template <typename T>
T waitFor(QCoro::Task<T> &&task)
{
    return quelta::test::waitFor(task);
}

} // namespace quelta::test
