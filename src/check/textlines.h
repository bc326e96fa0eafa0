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

// A name as a message quotes it: control characters as '?', long names cut with an ellipsis.
QString shown(QStringView name);

} // namespace check
