#pragma once

#include <QString>

namespace quelta {

// Whether the application starts when the user logs in: the XDG autostart entry
// `<config home>/autostart/app.quelta.Quelta.desktop`, enabled when it exists and is not
// Hidden=true, its Exec pointing at the `quelta` launcher.
class LoginItem
{
public:
    LoginItem(QString configHome, QString executable);

    // The user's own config home (XDG_CONFIG_HOME or ~/.config) and the launcher of this program.
    static LoginItem standard();

    bool isEnabled() const;
    // False when the entry could not be written or removed, or when the program's path holds a
    // control character, which no entry can carry safely.
    bool setEnabled(bool enabled);

    QString entryPath() const;

private:
    QString m_configHome;
    QString m_executable;
};

} // namespace quelta
