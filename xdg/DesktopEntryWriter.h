#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace xdg {

// One [Desktop Entry] group, its values escaped as the desktop entry format asks. A value holding
// a control character makes the whole entry unwritable: a newline would end its key and start
// another, and readers disagree on the rest.
class DesktopEntryWriter
{
public:
    // A string value: backslashes doubled, a leading space kept.
    void addString(const char *key, const QString &value);
    // The same value in one language: Key[de]=…, locale as the desktop entry format names it (pt_BR).
    void addLocalizedString(const char *key, const QString &locale, const QString &value);
    // Exec, starting program without arguments: quoted, the characters reserved inside quotes
    // escaped, "%" doubled so that it is no field code, then written as a string.
    void addExec(const QString &program);

    // The entry, or nothing when a value cannot be written.
    std::optional<QByteArray> text() const;
    // Writes the entry to path in one step, creating its folder; false when it cannot.
    bool write(const QString &path) const;

private:
    QString m_text = QStringLiteral("[Desktop Entry]\n");
    bool m_writable = true;
};

} // namespace xdg
