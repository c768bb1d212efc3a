#include "FramerConfiguration.h"

#include "core/ServiceAddresses.h"

#include <algorithm>

namespace quelta {

namespace {

bool isDomainOrSubdomain(const QString &host, const QString &domain)
{
    const QString lower = host.toLower();
    return lower == domain || lower.endsWith(QLatin1Char('.') + domain);
}

} // namespace

FramerConfiguration FramerConfiguration::standard()
{
    return FramerConfiguration{serviceAddresses::framerSite(), serviceAddresses::framerUserContentDomain(),
                               serviceAddresses::googleDomains(), serviceAddresses::framerApiHost(),
                               serviceAddresses::framerStartPage()};
}

QStringList FramerConfiguration::allowedInAppDomains() const
{
    return QStringList{framerDomain, userContentDomain} + googleDomains;
}

bool FramerConfiguration::isAllowedInApp(const QUrl &url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("about"))
        return true;
    if (scheme != QLatin1String("https"))
        return false;
    const QStringList domains = allowedInAppDomains();
    return std::any_of(domains.begin(), domains.end(),
                       [&](const QString &domain) { return isDomainOrSubdomain(url.host(), domain); });
}

bool FramerConfiguration::isFramerHost(const QString &host) const
{
    return isDomainOrSubdomain(host, framerDomain);
}

} // namespace quelta
