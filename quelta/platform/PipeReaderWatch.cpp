#include "PipeReaderWatch.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>

namespace quelta {

PipeReaderWatch::PipeReaderWatch(int fileDescriptor, QObject *parent)
    : QObject(parent)
{
    struct stat status {};
    // A pipe opened for reading too would wake the notifier with its own unread lines.
    const bool writeOnlyPipe = ::fstat(fileDescriptor, &status) == 0 && S_ISFIFO(status.st_mode)
        && (::fcntl(fileDescriptor, F_GETFL) & O_ACCMODE) == O_WRONLY;
    if (!writeOnlyPipe)
        return;
    std::signal(SIGPIPE, SIG_IGN);
    // The writing end of a pipe never becomes readable; poll reports an error on it once the
    // last reader has closed, and a read notifier is woken by that error.
    m_notifier = new QSocketNotifier(qintptr(fileDescriptor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        m_notifier->setEnabled(false);
        Q_EMIT readerGone();
    });
}

} // namespace quelta
