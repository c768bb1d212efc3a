#include "SingleInstance.h"

#include "CommandsLogging.h"
#include "RemoteCommandTarget.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QThread>

namespace quelta::singleInstance {

namespace {

// The holder may not have its object on the bus yet: it claims the name before it builds.
constexpr unsigned long retryMilliseconds = 50;
constexpr int callTimeout = 5000;

bool holds(QDBusConnection &bus)
{
    return bus.interface()->serviceOwner(queltaBus::service).value() == bus.baseService();
}

} // namespace

bool claim(QDBusConnection bus)
{
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply = bus.interface()->registerService(
        queltaBus::service, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

bool handOver(QDBusConnection bus, std::chrono::milliseconds patience)
{
    // In line, so that a holder quitting right now leaves the name to this launch.
    bus.interface()->registerService(queltaBus::service, QDBusConnectionInterface::QueueService,
                                     QDBusConnectionInterface::DontAllowReplacement);
    const QDBusMessage show = QDBusMessage::createMethodCall(queltaBus::service, queltaBus::path, queltaBus::interface,
                                                             QStringLiteral("ShowPopover"));
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (holds(bus))
            return false;
        if (bus.call(show, QDBus::Block, callTimeout).type() == QDBusMessage::ReplyMessage)
            break;
        if (waited.elapsed() > patience.count()) {
            qCInfo(lcCommands) << "the Quelta holding the bus name does not answer; this one ends";
            break;
        }
        QThread::msleep(retryMilliseconds);
    }
    bus.unregisterService(queltaBus::service);
    return true;
}

} // namespace quelta::singleInstance
