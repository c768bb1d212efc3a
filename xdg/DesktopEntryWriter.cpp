#include "DesktopEntryWriter.h"

#include "DurableFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace xdg {

namespace {

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString escapedString(const QString &value)
{
    QString escaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\'))
            escaped += QLatin1String("\\\\");
        else if (value[i] == QLatin1Char(' ') && i == 0)
            escaped += QLatin1String("\\s");
        else
            escaped += value[i];
    }
    return escaped;
}

QString quotedArgument(const QString &argument)
{
    QString quoted(QLatin1Char('"'));
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    return quoted + QLatin1Char('"');
}

} // namespace

void DesktopEntryWriter::addString(const char *key, const QString &value)
{
    m_writable = m_writable && !hasControlCharacter(value);
    m_text += QLatin1String(key) + QLatin1Char('=') + escapedString(value) + QLatin1Char('\n');
}

void DesktopEntryWriter::addLocalizedString(const char *key, const QString &locale, const QString &value)
{
    m_writable = m_writable && !hasControlCharacter(value);
    m_text += QLatin1String(key) + QLatin1Char('[') + locale + QLatin1String("]=") + escapedString(value) + QLatin1Char('\n');
}

void DesktopEntryWriter::addExec(const QString &program)
{
    addString("Exec", quotedArgument(program));
}

std::optional<QByteArray> DesktopEntryWriter::text() const
{
    if (!m_writable)
        return std::nullopt;
    return m_text.toUtf8();
}

bool DesktopEntryWriter::write(const QString &path) const
{
    const std::optional<QByteArray> contents = text();
    if (!contents || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return durable::DurableFile().replace(path, *contents);
}

} // namespace xdg
