#include "TerminalText.h"

namespace quelta {

namespace {

constexpr char16_t escape = 0x1b;
constexpr char16_t bell = 0x07;

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7f || (c >= 0x80 && c <= 0x9f);
}

bool isLineBreakOrTab(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u'\v' || c == u'\f';
}

// The index just after the escape sequence that starts at `at`.
qsizetype skipEscapeSequence(QStringView text, qsizetype at)
{
    const qsizetype size = text.size();
    qsizetype next = at + 1;
    if (next >= size)
        return next;
    const char16_t kind = text[next].unicode();
    if (kind == u'[') {
        // Control sequence: parameters and intermediates up to a final byte.
        for (++next; next < size; ++next) {
            const char16_t c = text[next].unicode();
            if (c >= 0x40 && c <= 0x7e)
                return next + 1;
            if (c < 0x20 || c > 0x3f)
                return next;
        }
        return size;
    }
    if (kind == u']' || kind == u'P' || kind == u'X' || kind == u'^' || kind == u'_') {
        // A string (title, device control) up to BEL or ESC \.
        for (++next; next < size; ++next) {
            const char16_t c = text[next].unicode();
            if (c == bell)
                return next + 1;
            if (c == escape)
                return next + 1 < size && text[next + 1] == u'\\' ? next + 2 : next;
        }
        return size;
    }
    // Intermediates, then one final character.
    while (next < size && text[next].unicode() >= 0x20 && text[next].unicode() <= 0x2f)
        ++next;
    return next < size && text[next].unicode() >= 0x30 && text[next].unicode() <= 0x7e ? next + 1 : next;
}

} // namespace

QString oneLineText(QStringView text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const char16_t c = text[at].unicode();
        if (c == escape) {
            at = skipEscapeSequence(text, at);
            continue;
        }
        if (isLineBreakOrTab(c))
            line += QLatin1Char(' ');
        else if (!isControl(c))
            line += text[at];
        ++at;
    }
    return line;
}

} // namespace quelta
