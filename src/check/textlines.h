#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Line handling shared by the script and the description.ext readers.
namespace check {

inline bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// Spaces and tabs; line ends are never blank here, each reader handles them itself.
inline bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// The length of the line end starting at i: 2 for CR LF, 1 for the others, 0 for none.
inline qsizetype lineEndLength(QStringView text, qsizetype i)
{
    if (i >= text.size() || !isLineEnd(text[i]))
        return 0;
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
}

// One line of a text, without its line end.
struct LineSpan
{
    qsizetype start;
    qsizetype length;
};

// Every line; a text that ends in a line end has an empty last line after it.
QList<LineSpan> splitLines(QStringView text);

// Names regardless of case; most are plain ASCII, which needs no table.
inline char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u | 0x20) : u;
    return c.toCaseFolded().unicode();
}
inline bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && folded(a[i]) != folded(b[i]))
            return false;
    }
    return true;
}

// A name compared and hashed regardless of case, without a lower-case copy. The hash is taken
// once: a table that grows or probes need not read the text again.
struct Caseless
{
    explicit Caseless(QStringView name);
    QStringView text;
    size_t hash;
};
inline bool operator==(const Caseless &a, const Caseless &b)
{
    return a.hash == b.hash && sameName(a.text, b.text);
}
inline size_t qHash(const Caseless &key, size_t seed = 0) noexcept
{
    return key.hash ^ seed;
}

// A name as a message quotes it: control characters as '?', long names cut with an ellipsis.
QString shown(QStringView name);

} // namespace check
