#include "AppcastFeed.h"

#include <QUrlQuery>
#include <QXmlStreamReader>

namespace quelta {

namespace {

bool namesVersion(QStringView name)
{
    return name == QLatin1String("shortVersionString") || name == QLatin1String("version");
}

} // namespace

std::optional<AppcastRelease> newestRelease(const QByteArray &feed)
{
    QXmlStreamReader reader(feed);
    std::optional<AppcastRelease> newest;
    AppcastRelease item;
    bool inItem = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("item")) {
            inItem = true;
            item = {};
        } else if (inItem && reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == QLatin1String("enclosure")) {
                for (const QXmlStreamAttribute &attribute : reader.attributes()) {
                    if (namesVersion(attribute.name()) && item.version.isEmpty())
                        item.version = attribute.value().toString();
                    if (attribute.name() == QLatin1String("url") && item.downloadPage.isEmpty())
                        item.downloadPage = QUrl(attribute.value().toString());
                }
            } else if (namesVersion(name)) {
                item.version = reader.readElementText().trimmed();
            } else if (name == QLatin1String("link")) {
                item.downloadPage = QUrl(reader.readElementText().trimmed());
            }
        } else if (reader.isEndElement() && reader.name() == QLatin1String("item")) {
            inItem = false;
            const bool usable = !item.version.isEmpty() && item.downloadPage.isValid() && !item.downloadPage.isEmpty();
            if (usable && (!newest || compareVersions(item.version, newest->version) > 0))
                newest = item;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return newest;
}

int compareVersions(const QString &left, const QString &right)
{
    const QStringList a = left.split(QLatin1Char('.'));
    const QStringList b = right.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const qulonglong x = i < a.size() ? a[i].toULongLong() : 0;
        const qulonglong y = i < b.size() ? b[i].toULongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

QUrl feedbackAddress(const QUrl &form, const std::optional<QString> &appVersion, const QString &systemName)
{
    if (!form.isValid())
        return {};
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("source"), QStringLiteral("App"));
    query.addQueryItem(QStringLiteral("app_version"), appVersion && !appVersion->isEmpty() ? *appVersion : QStringLiteral("Unknown"));
    query.addQueryItem(QStringLiteral("macos_version"), systemName);
    QUrl address = form;
    address.setQuery(query);
    return address;
}

} // namespace quelta
