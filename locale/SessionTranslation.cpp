#include "SessionTranslation.h"

#include "SessionLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace session {

namespace {

// The translations compiled in, as ":/i18n/quelta_pt_BR.qm".
const QString translationFolder = QStringLiteral(":/i18n");
const QString suffix = QStringLiteral(".qm");

QStringList shippedTranslations(const QString &catalog)
{
    const QString prefix = catalog + QLatin1Char('_');
    QStringList names;
    for (const QString &file : QDir(translationFolder).entryList(QDir::Files)) {
        if (file.startsWith(prefix) && file.endsWith(suffix))
            names << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    }
    return names;
}

void install(QCoreApplication &app, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installSessionTranslation(QCoreApplication &app, const QStringList &catalogs)
{
    const QLocale locale = sessionLocale(QProcessEnvironment::systemEnvironment(), shippedTranslations(catalogs.value(0)));
    QLocale::setDefault(locale);
    // English too: the source has no plural forms of its own.
    for (const QString &catalog : catalogs)
        install(app, locale, catalog, translationFolder);
    // Qt's own words (standard buttons, dialogs), where Debian's Qt translations are installed.
    install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace session
