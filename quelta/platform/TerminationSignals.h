#pragma once

#include <QObject>

class QCoreApplication;
class QSocketNotifier;

namespace quelta {

// Turns SIGTERM, SIGINT and SIGHUP (logout, `systemctl --user stop`, Ctrl+C, a closed terminal)
// into a Qt signal on the owner's thread, so that the process ends through its normal quit path
// and writes what it writes on quit. One instance per process; destroying it restores the
// default handlers.
class TerminationSignals final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Ends `app`'s event loop on a signal, with the shell's status for it (128 + its number),
    // which is also left in `status`.
    void endLoopOf(QCoreApplication &app, int &status);

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace quelta
