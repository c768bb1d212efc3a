#pragma once

#include <QMetaObject>
#include <QObject>

#include <coroutine>
#include <memory>

namespace quelta {

// Awaits the next emission of `signal` by `sender`, resuming from the event loop, never inside the
// emission. Unlike qCoro(sender, signal) awaited in a loop, a burst of emissions reaches one wait
// only: qCoro queues a call per emission on the long-lived sender, and the second one reaches a
// wait that has already ended (a use after free).
template <typename Sender, typename Signal>
class NextSignal
{
public:
    NextSignal(Sender *sender, Signal signal)
        : m_sender(sender)
        , m_signal(signal)
    {
    }

    bool await_ready() const noexcept { return false; }

    void await_suspend(std::coroutine_handle<> waiting)
    {
        m_connection = QObject::connect(m_sender, m_signal, m_context.get(), [this, waiting] {
            QObject::disconnect(m_connection);
            // Queued on the wait's own object: it goes with the wait, should that end first.
            QMetaObject::invokeMethod(m_context.get(), [waiting] { waiting.resume(); }, Qt::QueuedConnection);
        });
    }

    void await_resume() const noexcept {}

private:
    Sender *m_sender;
    Signal m_signal;
    // Movable, as the coroutine machinery may move an awaiter before it suspends.
    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
    QMetaObject::Connection m_connection;
};

} // namespace quelta
