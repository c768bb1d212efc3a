#pragma once

#include "engine/InstallEngine.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QThread;

namespace installer {

// The installer's state, on the main thread; the engine runs on a thread of its own.
class InstallerModel : public QObject
{
    Q_OBJECT

public:
    // Starts the installed bundle detached; false when it could not be started, or must not be
    // because this process runs as root.
    using Opener = std::function<bool(const QString &bundle)>;

    static bool startInstalledApplication(const QString &bundle);
    // "Quelta.app" in the Resources folder beside the installer program.
    static QString standardPayload();
    // The private type a drag of this installer's icon carries.
    static QString dragType();

    explicit InstallerModel(InstallEngine engine, Opener opener = startInstalledApplication, QObject *parent = nullptr);
    ~InstallerModel() override;

    bool working() const { return m_working; }
    const std::optional<QString> &installed() const { return m_installed; }
    const std::optional<QString> &error() const { return m_error; }
    bool targeted() const { return m_targeted; }
    // Icons take part only while nothing runs and nothing is installed yet.
    bool iconsEnabled() const { return !m_working && !m_installed; }
    // New at every launch, so a drag from another installer never matches.
    const QString &dragToken() const { return m_dragToken; }
    bool matchesDrag(const QMimeData *data) const;

    // Ignored while an installation runs or once one succeeded.
    void install();
    void openQuelta();
    void setTargeted(bool targeted);

Q_SIGNALS:
    void changed();
    // Quelta was started; the installer's work is done.
    void quitRequested();

private:
    struct Outcome {
        std::optional<QString> installed;
        QString error;
    };
    void finish(const Outcome &outcome);

    InstallEngine m_engine;
    Opener m_opener;
    QString m_dragToken;
    QThread *m_worker = nullptr;
    bool m_working = false;
    std::optional<QString> m_installed;
    std::optional<QString> m_error;
    bool m_targeted = false;
};

} // namespace installer
