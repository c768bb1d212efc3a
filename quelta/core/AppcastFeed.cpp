#include "AppcastFeed.h"

#include <QUrlQuery>
#include <QXmlStreamReader>

#include <algorithm>

namespace quelta {

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// Runs of digits by their value, however long.
int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == QLatin1Char('0'))
        a = a.mid(1);
    while (b.size() > 1 && b.front() == QLatin1Char('0'))
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return sign(a.compare(b));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digits a release part starts with; none counts as 0.
QStringView leadingDigits(QStringView part)
{
    const qsizetype end = std::find_if_not(part.begin(), part.end(), isDigit) - part.begin();
    return end == 0 ? QStringView(u"0") : part.left(end);
}

bool isNumber(QStringView identifier)
{
    return !identifier.isEmpty() && std::all_of(identifier.begin(), identifier.end(), isDigit);
}

int compareReleaseParts(QStringView left, QStringView right)
{
    const QList<QStringView> a = left.split(QLatin1Char('.'));
    const QList<QStringView> b = right.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QStringView x = i < a.size() ? leadingDigits(a[i]) : QStringView(u"0");
        const QStringView y = i < b.size() ? leadingDigits(b[i]) : QStringView(u"0");
        if (const int order = compareNumbers(x, y))
            return order;
    }
    return 0;
}

// Pre-release labels identifier by identifier: numbers by value and before words, words by
// their characters, and a label that runs out first is the earlier.
int comparePreReleases(QStringView left, QStringView right)
{
    const QList<QStringView> a = left.split(QLatin1Char('.'));
    const QList<QStringView> b = right.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        const bool aNumber = isNumber(a[i]);
        const bool bNumber = isNumber(b[i]);
        if (aNumber != bNumber)
            return aNumber ? -1 : 1;
        if (const int order = aNumber ? compareNumbers(a[i], b[i]) : sign(a[i].compare(b[i])))
            return order;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool isShortVersionName(QStringView name)
{
    return name == QLatin1String("shortVersionString");
}

bool isBuildName(QStringView name)
{
    return name == QLatin1String("version");
}

// Only https pages are offered: any other scheme would reach the desktop's opener as it stands.
bool isOfferable(const QUrl &url)
{
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

// What an item says as the reader walks it.
struct ItemReading {
    ReleaseVersion version;
    QUrl link;
    QUrl enclosure;

    std::optional<AppcastRelease> release() const
    {
        const QUrl page = isOfferable(link) ? link : enclosure;
        if ((!version.shortVersion && !version.build) || !isOfferable(page))
            return std::nullopt;
        return AppcastRelease{version, page};
    }
};

std::optional<QString> nonEmpty(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

void readEnclosure(const QXmlStreamAttributes &attributes, ItemReading &item)
{
    for (const QXmlStreamAttribute &attribute : attributes) {
        const QString value = attribute.value().toString().trimmed();
        if (isShortVersionName(attribute.name()) && !item.version.shortVersion)
            item.version.shortVersion = nonEmpty(value);
        else if (isBuildName(attribute.name()) && !item.version.build)
            item.version.build = nonEmpty(value);
        else if (attribute.name() == QLatin1String("url") && item.enclosure.isEmpty())
            item.enclosure = QUrl(value);
    }
}

} // namespace

QString ReleaseVersion::displayed() const
{
    return shortVersion.value_or(build.value_or(QString()));
}

std::optional<AppcastRelease> newestRelease(const QByteArray &feed)
{
    QXmlStreamReader reader(feed);
    std::optional<AppcastRelease> newest;
    std::optional<ItemReading> item;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("item")) {
            item.emplace();
        } else if (item && reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == QLatin1String("enclosure"))
                readEnclosure(reader.attributes(), *item);
            else if (isShortVersionName(name))
                item->version.shortVersion = nonEmpty(reader.readElementText().trimmed());
            else if (isBuildName(name))
                item->version.build = nonEmpty(reader.readElementText().trimmed());
            else if (name == QLatin1String("link"))
                item->link = QUrl(reader.readElementText().trimmed());
        } else if (item && reader.isEndElement() && reader.name() == QLatin1String("item")) {
            const std::optional<AppcastRelease> release = item->release();
            if (release && (!newest || compareReleases(release->version, newest->version) > 0))
                newest = release;
            item.reset();
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return newest;
}

int compareReleases(const ReleaseVersion &left, const ReleaseVersion &right)
{
    if (left.shortVersion && right.shortVersion) {
        if (const int order = compareVersions(*left.shortVersion, *right.shortVersion))
            return order;
    }
    if (left.build && right.build)
        return compareVersions(*left.build, *right.build);
    return 0;
}

int compareVersions(const QString &left, const QString &right)
{
    const qsizetype leftDash = left.indexOf(QLatin1Char('-'));
    const qsizetype rightDash = right.indexOf(QLatin1Char('-'));
    const QStringView leftRelease = QStringView(left).left(leftDash < 0 ? left.size() : leftDash);
    const QStringView rightRelease = QStringView(right).left(rightDash < 0 ? right.size() : rightDash);
    if (const int order = compareReleaseParts(leftRelease, rightRelease))
        return order;
    if (leftDash < 0 || rightDash < 0)
        return leftDash < 0 ? (rightDash < 0 ? 0 : 1) : -1;
    return comparePreReleases(QStringView(left).mid(leftDash + 1), QStringView(right).mid(rightDash + 1));
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
