#include "TelemetryClock.h"

#include <QTimer>

namespace telemetrydeck {

namespace {

class SystemTelemetryClock final : public TelemetryClock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }

    void callAfter(std::chrono::milliseconds delay, QObject *context, std::function<void()> callback) override
    {
        QTimer::singleShot(delay, Qt::PreciseTimer, context, std::move(callback));
    }
};

} // namespace

TelemetryClock &TelemetryClock::system()
{
    static SystemTelemetryClock clock;
    return clock;
}

} // namespace telemetrydeck
