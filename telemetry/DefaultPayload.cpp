#include "DefaultPayload.h"

#include "ApplicationPresence.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSysInfo>
#include <QTimeZone>

namespace telemetrydeck {

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString hardwareModel()
{
    QFile product(QStringLiteral("/sys/class/dmi/id/product_name"));
    if (!product.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QString name = QString::fromUtf8(product.readAll()).trimmed();
    return name.isEmpty() ? QStringLiteral("unknown") : name;
}

// GNOME and its relatives keep the animation switch in their interface settings.
bool desktopReducesMotion()
{
    return qEnvironmentVariable("GTK_ENABLE_ANIMATIONS") == QLatin1String("0");
}

} // namespace

SystemFacts SystemFacts::current(const ApplicationPresence *presence)
{
    SystemFacts facts;
    facts.systemVersion = QSysInfo::productVersion();
    facts.appVersion = QCoreApplication::applicationVersion();
    facts.buildNumber = QCoreApplication::applicationVersion();
    facts.modelName = hardwareModel();
    facts.architecture = QSysInfo::currentCpuArchitecture();
    const QLocale locale = QLocale::system();
    facts.locale = locale.name();
    facts.region = QLocale::territoryToCode(locale.territory());
    facts.language = QLocale::languageToCode(locale.language());
    facts.preferredLanguage = locale.uiLanguages().value(0, facts.language);
    facts.timeZone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    facts.rightToLeft = locale.textDirection() == Qt::RightToLeft;
    facts.reduceMotion = desktopReducesMotion();
    if (presence) {
        const DisplayFacts display = presence->displayFacts();
        facts.screenWidth = display.screenWidth;
        facts.screenHeight = display.screenHeight;
        facts.screenScale = display.screenScale;
        facts.darkColorScheme = display.darkColorScheme;
    }
    return facts;
}

Parameters defaultPayload(const SystemFacts &facts, const QDateTime &now)
{
    const QString platform = QStringLiteral("Linux");
    const QStringList versionParts = facts.systemVersion.split(QLatin1Char('.'));
    const QString major = versionParts.value(0);
    const QString majorMinor = versionParts.mid(0, 2).join(QLatin1Char('.'));
    const QString systemVersion = platform + QLatin1Char(' ') + facts.systemVersion;
    const QString version = QString::fromLatin1(clientVersion);
    const QDateTime local = now.toLocalTime();
    const QDate date = local.date();

    return Parameters{
        {QStringLiteral("platform"), platform},
        {QStringLiteral("systemVersion"), systemVersion},
        {QStringLiteral("majorSystemVersion"), major},
        {QStringLiteral("majorMinorSystemVersion"), majorMinor},
        {QStringLiteral("appVersion"), facts.appVersion},
        {QStringLiteral("buildNumber"), facts.buildNumber},
        {QStringLiteral("isSimulator"), boolText(false)},
        {QStringLiteral("isDebug"), boolText(false)},
        {QStringLiteral("isTestFlight"), boolText(false)},
        {QStringLiteral("isAppStore"), boolText(false)},
        {QStringLiteral("modelName"), facts.modelName},
        {QStringLiteral("architecture"), facts.architecture},
        {QStringLiteral("operatingSystem"), platform},
        {QStringLiteral("targetEnvironment"), QStringLiteral("native")},
        {QStringLiteral("locale"), facts.locale},
        {QStringLiteral("region"), facts.region},
        {QStringLiteral("appLanguage"), facts.language},
        {QStringLiteral("preferredLanguage"), facts.preferredLanguage},
        {QStringLiteral("telemetryClientVersion"), version},

        {QStringLiteral("TelemetryDeck.AppInfo.buildNumber"), facts.buildNumber},
        {QStringLiteral("TelemetryDeck.AppInfo.version"), facts.appVersion},
        {QStringLiteral("TelemetryDeck.AppInfo.versionAndBuildNumber"),
         QStringLiteral("%1 (build %2)").arg(facts.appVersion, facts.buildNumber)},

        {QStringLiteral("TelemetryDeck.Device.architecture"), facts.architecture},
        {QStringLiteral("TelemetryDeck.Device.modelName"), facts.modelName},
        {QStringLiteral("TelemetryDeck.Device.operatingSystem"), platform},
        {QStringLiteral("TelemetryDeck.Device.orientation"), QStringLiteral("Fixed")},
        {QStringLiteral("TelemetryDeck.Device.platform"), platform},
        {QStringLiteral("TelemetryDeck.Device.screenResolutionHeight"), facts.screenHeight},
        {QStringLiteral("TelemetryDeck.Device.screenResolutionWidth"), facts.screenWidth},
        {QStringLiteral("TelemetryDeck.Device.screenScaleFactor"), facts.screenScale},
        {QStringLiteral("TelemetryDeck.Device.systemMajorMinorVersion"), majorMinor},
        {QStringLiteral("TelemetryDeck.Device.systemMajorVersion"), major},
        {QStringLiteral("TelemetryDeck.Device.systemVersion"), facts.systemVersion},
        {QStringLiteral("TelemetryDeck.Device.timeZone"), facts.timeZone},

        {QStringLiteral("TelemetryDeck.RunContext.isAppStore"), boolText(false)},
        {QStringLiteral("TelemetryDeck.RunContext.isDebug"), boolText(false)},
        {QStringLiteral("TelemetryDeck.RunContext.isSimulator"), boolText(false)},
        {QStringLiteral("TelemetryDeck.RunContext.isTestFlight"), boolText(false)},
        {QStringLiteral("TelemetryDeck.RunContext.language"), facts.language},
        {QStringLiteral("TelemetryDeck.RunContext.locale"), facts.locale},
        {QStringLiteral("TelemetryDeck.RunContext.targetEnvironment"), QStringLiteral("native")},

        {QStringLiteral("TelemetryDeck.SDK.name"), QString::fromLatin1(clientName)},
        {QStringLiteral("TelemetryDeck.SDK.nameAndVersion"), QString::fromLatin1(clientName) + QLatin1Char(' ') + version},
        {QStringLiteral("TelemetryDeck.SDK.version"), version},

        {QStringLiteral("TelemetryDeck.UserPreference.colorScheme"), facts.darkColorScheme ? QStringLiteral("Dark") : QStringLiteral("Light")},
        {QStringLiteral("TelemetryDeck.UserPreference.language"), facts.language},
        {QStringLiteral("TelemetryDeck.UserPreference.layoutDirection"),
         facts.rightToLeft ? QStringLiteral("rightToLeft") : QStringLiteral("leftToRight")},
        {QStringLiteral("TelemetryDeck.UserPreference.region"), facts.region},

        {QStringLiteral("TelemetryDeck.Accessibility.isReduceMotionEnabled"), boolText(facts.reduceMotion)},
        {QStringLiteral("TelemetryDeck.Accessibility.isInvertColorsEnabled"), boolText(false)},

        {QStringLiteral("TelemetryDeck.Calendar.dayOfMonth"), QString::number(date.day())},
        {QStringLiteral("TelemetryDeck.Calendar.dayOfWeek"), QString::number(date.dayOfWeek() % 7 + 1)},
        {QStringLiteral("TelemetryDeck.Calendar.dayOfYear"), QString::number(date.dayOfYear())},
        {QStringLiteral("TelemetryDeck.Calendar.weekOfYear"), QString::number(date.weekNumber())},
        {QStringLiteral("TelemetryDeck.Calendar.isWeekend"), boolText(date.dayOfWeek() >= 6)},
        {QStringLiteral("TelemetryDeck.Calendar.monthOfYear"), QString::number(date.month())},
        {QStringLiteral("TelemetryDeck.Calendar.quarterOfYear"), QString::number((date.month() - 1) / 3 + 1)},
        {QStringLiteral("TelemetryDeck.Calendar.hourOfDay"), QString::number(local.time().hour())},
    };
}

} // namespace telemetrydeck
