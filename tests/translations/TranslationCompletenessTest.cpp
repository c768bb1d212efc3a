#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// One message of a .ts file.
struct Message {
    QString source;
    QStringList translations;
    bool finished = false;
};

namespace {

// Context, source and disambiguation: what a translator is looked up by.
using MessageKey = QString;

// A plural's numerusforms, or the one text of a singular; the reader ends on </translation>.
QStringList translationTexts(QXmlStreamReader &xml)
{
    QStringList forms;
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
        if (xml.atEnd())
            break;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            forms << xml.readElementText();
    }
    return forms.isEmpty() ? QStringList{text} : forms;
}

QHash<MessageKey, Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<MessageKey, Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString comment;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message"))
            messages.insert(context + QChar(0) + message.source + QChar(0) + comment, message);
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {};
            comment.clear();
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translations = translationTexts(xml);
        }
    }
    return messages;
}

// %1, %L2, %n: what a translation must keep.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TranslationCompletenessTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_directory;
    // What each program's sources mark today, whether or not lupdate was run since.
    QHash<QString, QHash<MessageKey, Message>> m_marked;

    QHash<MessageKey, Message> markedIn(const QString &sources, const QString &extensions)
    {
        const QString fresh = m_directory.filePath(QFileInfo(sources).fileName() + QStringLiteral(".ts"));
        QProcess lupdate;
        // Includes resolved as the build's lupdate resolves them, so that contexts come out the same.
        lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                                QStringLiteral("-extensions"), extensions, QStringLiteral("-I"), sources,
                                                sources, QStringLiteral("-ts"), fresh});
        if (!lupdate.waitForFinished(60'000) || lupdate.exitCode() != 0)
            return {};
        return readTs(fresh);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_marked.insert(QStringLiteral(QUELTA_SOURCES), markedIn(QStringLiteral(QUELTA_SOURCES), QStringLiteral("cpp")));
        // The installer keeps its sentences in a header.
        m_marked.insert(QStringLiteral(INSTALLER_SOURCES), markedIn(QStringLiteral(INSTALLER_SOURCES), QStringLiteral("cpp,h")));
        QVERIFY(m_marked.value(QStringLiteral(QUELTA_SOURCES)).size() > 50);
        QVERIFY(m_marked.value(QStringLiteral(INSTALLER_SOURCES)).size() > 10);
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("sources");
        QTest::addColumn<QString>("tsFile");
        const QList<std::pair<QString, QString>> programs{{QStringLiteral(QUELTA_SOURCES), QStringLiteral(QUELTA_TS_FILES)},
                                                          {QStringLiteral(INSTALLER_SOURCES), QStringLiteral(INSTALLER_TS_FILES)}};
        for (const auto &[sources, tsFiles] : programs) {
            for (const QString &file : tsFiles.split(QLatin1Char(',')))
                QTest::newRow(qPrintable(QFileInfo(file).completeBaseName())) << sources << file;
        }
    }

    void everyTextTranslated()
    {
        QFETCH(QString, sources);
        QFETCH(QString, tsFile);
        const QHash<MessageKey, Message> translated = readTs(tsFile);
        const QHash<MessageKey, Message> marked = m_marked.value(sources);
        for (auto it = marked.cbegin(); it != marked.cend(); ++it) {
            const QString &source = it->source;
            const auto found = translated.constFind(it.key());
            QVERIFY2(found != translated.cend(), qPrintable(QStringLiteral("missing: ") + source));
            QVERIFY2(found->finished, qPrintable(QStringLiteral("unfinished: ") + source));
            for (const QString &translation : found->translations) {
                QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(QStringLiteral("empty: ") + source));
                QVERIFY2(placeholders(translation) == placeholders(source),
                         qPrintable(QStringLiteral("placeholders of \"%1\" in \"%2\"").arg(source, translation)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TranslationCompletenessTest)
#include "TranslationCompletenessTest.moc"
