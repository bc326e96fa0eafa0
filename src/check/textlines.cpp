#include "textlines.h"

namespace check {

QList<LineSpan> splitLines(QStringView text)
{
    QList<LineSpan> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype end = lineEndLength(text, i)) {
            lines.append({start, i - start});
            i += end;
            start = i;
        } else {
            ++i;
        }
    }
    lines.append({start, text.size() - start});
    return lines;
}

Caseless::Caseless(QStringView name) : text(name), hash(14695981039346656037ULL)
{
    for (const QChar c : name)
        hash = (hash ^ folded(c)) * 1099511628211ULL;
}

QString shown(QStringView name)
{
    constexpr qsizetype kLongest = 60;
    QString result = name.left(kLongest).toString();
    for (QChar &c : result) {
        if (c.category() == QChar::Other_Control || c.isSurrogate())
            c = u'?';
    }
    if (name.size() > kLongest)
        result += u'…';
    return result;
}

} // namespace check
