#include "ApplicationIdentity.h"

#include "core/BundleInformation.h"

#include <QCoreApplication>

namespace quelta {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quelta"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(bundleInformation::shortVersion));
}

} // namespace quelta
