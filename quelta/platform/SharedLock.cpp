#include "SharedLock.h"

#include "Clock.h"
#include "TaskLifetime.h"

#include <QCoroSignal>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace quelta {

namespace {

// Woken when the lock file changes or goes, and once more at the deadline.
class LockWaiter final : public QObject
{
    Q_OBJECT
public:
    bool expired = false;

Q_SIGNALS:
    void poked();
};

} // namespace

QCoro::Task<std::unique_ptr<QLockFile>> acquireSharedLock(QString path, std::chrono::milliseconds wait, Clock &clock,
                                                           std::stop_token stop)
{
    throwIfStopped(stop);
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto lock = std::make_unique<QLockFile>(path);
    if (lock->tryLock(0))
        co_return lock;

    LockWaiter waiter;
    QFileSystemWatcher watcher;
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &waiter, &LockWaiter::poked);
    clock.callAfter(wait, &waiter, [&waiter] {
        waiter.expired = true;
        Q_EMIT waiter.poked();
    });
    // The clock may go with the owner that stops: the wake-up must not wait for it.
    std::stop_callback onStop(stop, [&waiter] { Q_EMIT waiter.poked(); });
    for (;;) {
        // A file that went before it could be watched means the holder let go already.
        if (watcher.addPath(path)) {
            co_await qCoro(&waiter, &LockWaiter::poked);
            watcher.removePath(path);
        }
        throwIfStopped(stop);
        if (lock->tryLock(0))
            co_return lock;
        // Only a lock held by someone else is worth waiting for.
        if (waiter.expired || lock->error() != QLockFile::LockFailedError)
            co_return std::unique_ptr<QLockFile>();
    }
}

} // namespace quelta

#include "SharedLock.moc"
