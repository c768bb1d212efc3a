#include "ApplicationIdentity.h"

#include "artwork/Symbols.h"
#include "core/BundleInformation.h"

#include <QGuiApplication>

namespace quelta {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quelta"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(bundleInformation::shortVersion));
    // A command without the widget application shows nothing.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quelta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("app.quelta.Quelta"));
    QGuiApplication::setWindowIcon(applicationIcon());
}

} // namespace quelta
