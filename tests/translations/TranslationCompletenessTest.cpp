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
    QHash<MessageKey, Message> m_marked;

private Q_SLOTS:
    // What the sources mark today, whether or not lupdate was run since.
    void initTestCase()
    {
        const QString fresh = m_directory.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        // Includes resolved as the build's lupdate resolves them, so that contexts come out the same.
        const QString sources = QStringLiteral(QUELTA_SOURCES);
        lupdate.start(QStringLiteral(LUPDATE), {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                                QStringLiteral("-extensions"), QStringLiteral("cpp"), QStringLiteral("-I"), sources,
                                                sources, QStringLiteral("-ts"), fresh});
        QVERIFY(lupdate.waitForFinished(60'000));
        QCOMPARE(lupdate.exitCode(), 0);
        m_marked = readTs(fresh);
        QVERIFY(m_marked.size() > 50);
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("tsFile");
        for (const QString &file : QStringLiteral(QUELTA_TS_FILES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(QFileInfo(file).completeBaseName())) << file;
    }

    void everyTextTranslated()
    {
        QFETCH(QString, tsFile);
        const QHash<MessageKey, Message> translated = readTs(tsFile);
        for (auto it = m_marked.cbegin(); it != m_marked.cend(); ++it) {
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
