#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace quelta {

// The Framer addresses the connector uses; `standard()` holds the production ones.
struct FramerConfiguration {
    // The registrable domain of the Framer site.
    QString framerDomain;
    QString userContentDomain;
    QStringList googleDomains;
    // Host (with a port, if any) of the credits endpoint.
    QString apiHost;
    QUrl startPage;

    static FramerConfiguration standard();

    // The Framer domain, its user content, then Google's domains.
    QStringList allowedInAppDomains() const;
    bool isAllowedInApp(const QUrl &url) const;
    // The Framer domain itself or one of its subdomains.
    bool isFramerHost(const QString &host) const;
};

} // namespace quelta
