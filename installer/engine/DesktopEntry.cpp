#include "DesktopEntry.h"

#include "BundleInformation.h"
#include "DesktopEntryWriter.h"

#include <QDir>
#include <QStandardPaths>

#include <span>

namespace installer {

namespace {

// The menu entry's own translations (quelta/artwork/desktop), language by language.
struct Translation {
    const char *locale;
    const char *text;
};

const Translation genericNames[] = {
    {"de", "Nutzungskontingente"},
    {"fr", "Quotas d’utilisation"},
    {"es", "Cuotas de uso"},
    {"pt_BR", "Cotas de uso"},
    {"ru", "Лимиты использования"},
    {"ja", "利用枠"},
    {"zh_CN", "用量额度"},
    {"ko", "사용량 한도"},
};

const Translation comments[] = {
    {"de", "Sehen, wie viel von Ihren KI-Kontingenten übrig ist"},
    {"fr", "Voyez ce qu’il reste de vos quotas d’IA"},
    {"es", "Consulta cuánto te queda de tus cuotas de IA"},
    {"pt_BR", "Veja quanto resta das suas cotas de IA"},
    {"ru", "Сколько осталось от ваших лимитов ИИ"},
    {"ja", "AI の利用枠の残りを確認"},
    {"zh_CN", "查看你的 AI 额度还剩多少"},
    {"ko", "AI 사용량이 얼마나 남았는지 확인"},
};

void addTranslations(xdg::DesktopEntryWriter &entry, const char *key, std::span<const Translation> translations)
{
    for (const Translation &translation : translations)
        entry.addLocalizedString(key, QString::fromLatin1(translation.locale), QString::fromUtf8(translation.text));
}

xdg::DesktopEntryWriter desktopEntry(const QString &bundle)
{
    xdg::DesktopEntryWriter entry;
    entry.addString("Type", QStringLiteral("Application"));
    entry.addString("Name", QStringLiteral("Quelta"));
    entry.addString("GenericName", QStringLiteral("Usage allowances"));
    addTranslations(entry, "GenericName", genericNames);
    entry.addString("Comment", QStringLiteral("See how much of your AI allowances is left"));
    addTranslations(entry, "Comment", comments);
    entry.addExec(bundleExecutable(bundle));
    entry.addString("Icon", bundleIcon(bundle));
    entry.addString("Terminal", QStringLiteral("false"));
    entry.addString("Categories", QStringLiteral("Utility;"));
    entry.addString("StartupNotify", QStringLiteral("false"));
    return entry;
}

} // namespace

std::optional<QByteArray> desktopEntryText(const QString &bundle)
{
    return desktopEntry(bundle).text();
}

QString standardDesktopEntryDirectory(const QString &bundle)
{
    if (bundle.startsWith(QLatin1String("/opt/")))
        return QStringLiteral("/usr/local/share/applications");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1String("/applications");
}

bool writeDesktopEntry(const QString &bundle, const QString &directory)
{
    return desktopEntry(bundle).write(QDir(directory).filePath(QLatin1String(desktopEntryFileName)));
}

} // namespace installer
