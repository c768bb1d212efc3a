#pragma once

#include <QString>

#include <exception>
#include <string>

namespace installer {

// An expected failure of the installation; message is what the window shows.
class InstallFailure : public std::exception
{
public:
    explicit InstallFailure(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toStdString())
    {
    }
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

} // namespace installer
