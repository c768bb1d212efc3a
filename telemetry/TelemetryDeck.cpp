#include "TelemetryDeck.h"

#include "ReservedNames.h"
#include "TelemetryClock.h"
#include "TelemetryManager.h"

#include <QPointer>
#include <QReadWriteLock>

namespace telemetrydeck::TelemetryDeck {

namespace {

constexpr auto firstSessionDelay = std::chrono::milliseconds(500);

QReadWriteLock &slotLock()
{
    static QReadWriteLock lock;
    return lock;
}

// The single current manager; replaced by initialize, cleared by terminate.
TelemetryManager *&currentSlot()
{
    static TelemetryManager *manager = nullptr;
    return manager;
}

} // namespace

TelemetryManager *currentManager()
{
    QReadLocker lock(&slotLock());
    return currentSlot();
}

void initialize(SharedConfiguration configuration)
{
    auto *manager = new TelemetryManager(configuration);
    {
        QWriteLocker lock(&slotLock());
        delete currentSlot();
        currentSlot() = manager;
    }
    configuration->clock->callAfter(firstSessionDelay, manager, [manager] { manager->startNewSession(); });
}

void terminate()
{
    QWriteLocker lock(&slotLock());
    delete currentSlot();
    currentSlot() = nullptr;
}

void signal(const QString &name, const Parameters &parameters, std::optional<double> floatValue, std::optional<QString> customUserID)
{
    QReadLocker lock(&slotLock());
    TelemetryManager *manager = currentSlot();
    if (!manager)
        return;
    const SharedConfiguration configuration = manager->configuration();
    if (configuration->isPreviewMode() || configuration->analyticsDisabled)
        return;

    const QString type = configuration->defaultSignalPrefix.value_or(QString()) + name;
    const Parameters own = prefixedParameters(parameters, configuration->defaultParameterPrefix);
    const Parameters defaults = prefixedParameters(configuration->defaultParameters(), configuration->defaultParameterPrefix);
    if (configuration->reservedParameterWarningsEnabled) {
        // Judged on the keys as the caller wrote them: the prefix is the client's, not theirs.
        for (const QString &warning :
             reservedTypeWarnings(type) + reservedKeyWarnings(parameters) + reservedKeyWarnings(configuration->defaultParameters()))
            configuration->log(LogLevel::error, warning);
    }
    Parameters merged = defaults;
    merged.insert(own);

    QPointer<TelemetryManager> target(manager);
    QMetaObject::invokeMethod(
        manager,
        [target, type, merged, floatValue, customUserID] {
            if (target)
                target->processSignal(type, merged, floatValue, customUserID);
        },
        Qt::QueuedConnection);
}

} // namespace telemetrydeck::TelemetryDeck
