#include "Clock.h"

#include "OperationCancelled.h"
#include "SystemClock.h"

#include <QCoroSignal>
#include <QObject>
#include <QPointer>

#include <memory>

namespace quelta {

namespace {

class Waker : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void woken(bool cancelled);
};

} // namespace

QCoro::Task<void> Clock::sleep(Duration delay, std::stop_token token)
{
    if (token.stop_requested())
        throw OperationCancelled();
    auto waker = std::make_unique<Waker>();
    Waker *raw = waker.get();
    callAfter(delay, raw, [raw] { Q_EMIT raw->woken(false); });
    // The token may be triggered from any thread; resume on the waker's own thread.
    std::stop_callback onStop(token, [guard = QPointer<Waker>(raw)] {
        QMetaObject::invokeMethod(
            guard, [guard] {
                if (guard)
                    Q_EMIT guard->woken(true);
            },
            Qt::QueuedConnection);
    });
    const bool cancelled = co_await qCoro(raw, &Waker::woken);
    if (cancelled)
        throw OperationCancelled();
}

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}

} // namespace quelta

#include "Clock.moc"
