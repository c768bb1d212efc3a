#include "commands/CommandLine.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace quelta;

namespace {

// The man page's text as it reads: macro lines become their words (alternating-font macros join
// theirs without spaces), escapes become the characters they stand for.
QString readableManPage(const QString &source)
{
    static const QRegularExpression macro(QStringLiteral("^\\.(B|I|BR|RB|BI|IB|IR|RI)\\s+(.*)$"));
    static const QRegularExpression argument(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    QStringList lines;
    for (const QString &line : source.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = macro.match(line);
        if (!match.hasMatch()) {
            lines << line;
            continue;
        }
        QStringList words;
        for (const QRegularExpressionMatch &word : argument.globalMatch(match.captured(2)))
            words << (word.hasCaptured(1) ? word.captured(1) : word.captured(2));
        lines << words.join(match.captured(1).size() == 1 ? QStringLiteral(" ") : QString());
    }
    static const QRegularExpression fontChange(QStringLiteral("\\\\f[BIRP]"));
    return lines.join(QLatin1Char('\n')).remove(fontChange).replace(QLatin1String("\\-"), QLatin1String("-"));
}

// The headings of the man page's COMMANDS and OPTIONS lists, such as "connect chatgpt|claude".
QStringList manPageEntries(const QString &manPage)
{
    QStringList entries;
    bool listing = false;
    bool heading = false;
    for (const QString &line : manPage.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String(".SH ")))
            listing = line == QLatin1String(".SH COMMANDS") || line == QLatin1String(".SH OPTIONS");
        else if (listing && heading && !line.startsWith(QLatin1Char('.')))
            entries << line;
        heading = line == QLatin1String(".TP");
    }
    return entries;
}

// The help's first column: each line indented by two spaces, up to the gap before its explanation.
QStringList helpEntries(const QString &help)
{
    static const QRegularExpression entry(QStringLiteral("^  (\\S.*?)(?:\\s{2,}|$)"), QRegularExpression::MultilineOption);
    QStringList entries;
    for (const QRegularExpressionMatch &match : entry.globalMatch(help))
        entries << match.captured(1);
    return entries;
}

enum class Part { command, option, argument };

// The commands (an entry's first word), options, or arguments (the other words) of the entries.
QStringList sortedWords(const QStringList &entries, Part part)
{
    static const QRegularExpression separators(QStringLiteral("[\\s\\[\\]|<>=]+"));
    QSet<QString> found;
    for (const QString &entry : entries) {
        const QStringList words = entry.split(separators, Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size(); ++i) {
            const bool option = words[i].startsWith(QLatin1Char('-'));
            const Part kind = option ? Part::option : i == 0 ? Part::command : Part::argument;
            if (kind == part)
                found.insert(words[i]);
        }
    }
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}

} // namespace

// The man page and `quelta --help` name the same commands, options and arguments.
class ManPageTest : public QObject
{
    Q_OBJECT

    QStringList m_manPageEntries;

private Q_SLOTS:
    void initTestCase()
    {
        QFile file(QStringLiteral(QUELTA_MAN_PAGE));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        m_manPageEntries = manPageEntries(readableManPage(QString::fromUtf8(file.readAll())));
    }

    void agreesWithTheHelp_data()
    {
        QTest::addColumn<Part>("part");
        QTest::newRow("commands") << Part::command;
        QTest::newRow("options") << Part::option;
        QTest::newRow("arguments") << Part::argument;
    }

    void agreesWithTheHelp()
    {
        QFETCH(Part, part);
        const QStringList help = sortedWords(helpEntries(commandLineUsage()), part);
        QVERIFY(!help.isEmpty());
        QCOMPARE(sortedWords(m_manPageEntries, part), help);
    }
};

QTEST_GUILESS_MAIN(ManPageTest)
#include "ManPageTest.moc"
