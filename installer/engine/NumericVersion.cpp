#include "NumericVersion.h"

namespace installer {

namespace {

// Only ASCII digits count: other scripts' digits are ordinary characters here.
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digits starting at position, without leading zeros; position moves past them.
QStringView takeNumber(QStringView text, qsizetype &position)
{
    while (position < text.size() && text[position] == QLatin1Char('0') && position + 1 < text.size() && isDigit(text[position + 1]))
        ++position;
    const qsizetype start = position;
    while (position < text.size() && isDigit(text[position]))
        ++position;
    return text.mid(start, position - start);
}

int sign(qsizetype value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

int compareVersionsNumerically(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            // Without leading zeros a longer run is a larger number, so nothing can overflow.
            const QStringView left = takeNumber(a, i);
            const QStringView right = takeNumber(b, j);
            if (left.size() != right.size())
                return sign(left.size() - right.size());
            if (const int order = left.compare(right); order != 0)
                return sign(order);
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j] ? -1 : 1;
        ++i;
        ++j;
    }
    return sign((a.size() - i) - (b.size() - j));
}

} // namespace installer
