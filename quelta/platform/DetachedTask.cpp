#include "DetachedTask.h"

#include "OperationCancelled.h"

#include <exception>

namespace quelta {

namespace {

QCoro::Task<void> guarded(QCoro::Task<void> task, LoggingCategory category, const char *what)
{
    try {
        co_await std::move(task);
    } catch (const OperationCancelled &) {
        // Its owner went away: what it was for is gone too.
    } catch (const std::exception &error) {
        qCWarning(category) << what << "failed:" << error.what();
    } catch (...) {
        qCWarning(category) << what << "failed";
    }
}

} // namespace

void startDetached(QCoro::Task<void> task, LoggingCategory category, const char *what)
{
    guarded(std::move(task), category, what);
}

} // namespace quelta
