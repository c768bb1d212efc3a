#pragma once

#include "Clock.h"

namespace quelta {

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    Duration elapsed() const override;
    void callAfter(Duration delay, QObject *context, std::function<void()> callback) override;
};

} // namespace quelta
