#include "ClaudeCredentialFile.h"

#include "platform/ProcessRunner.h"


#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quelta {

ClaudeCredentialFile::ClaudeCredentialFile(QString path)
    : m_path(std::move(path))
{
}

QCoro::Task<std::optional<QByteArray>> ClaudeCredentialFile::readCredentialText(std::stop_token)
{
    if (!QFileInfo(m_path).isFile())
        co_return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        co_return std::nullopt;
    // The same bound as the keychain command's output.
    QByteArray text = file.read(processOutputLimit + 1);
    if (text.size() > processOutputLimit)
        co_return std::nullopt;
    co_return text;
}

} // namespace quelta
