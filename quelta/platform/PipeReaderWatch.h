#pragma once

#include <QObject>

class QSocketNotifier;

namespace quelta {

// Tells when the reader of a pipe this process writes to has gone, as when a status bar that
// reads a command's lines closes. Other outputs (a terminal, a file) are never reported. While a
// pipe is watched, writing to it after its reader left fails instead of raising SIGPIPE, so the
// process can still end cleanly.
class PipeReaderWatch final : public QObject
{
    Q_OBJECT
public:
    explicit PipeReaderWatch(int fileDescriptor, QObject *parent = nullptr);

    bool watchesPipe() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void readerGone();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace quelta
