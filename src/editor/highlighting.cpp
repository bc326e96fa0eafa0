#include "highlighting.h"

#include <QString>

#include <algorithm>

namespace editor {
namespace {

// The command words the program itself writes, and the common ones around them.
constexpr QStringView kCommands[] = {u"action",
                                     u"addaction",
                                     u"removeaction",
                                     u"createvehicle",
                                     u"setpos",
                                     u"getpos",
                                     u"camcreate",
                                     u"exec",
                                     u"goto",
                                     u"exit",
                                     u"select",
                                     u"units",
                                     u"count",
                                     u"unassignvehicle",
                                     u"hint",
                                     u"if",
                                     u"then",
                                     u"else",
                                     u"setdammage",
                                     u"setmarkerpos",
                                     u"getmarkerpos",
                                     u"random",
                                     u"onmapsingleclick",
                                     u"player"};

bool isCommand(QStringView word)
{
    return std::any_of(std::begin(kCommands), std::end(kCommands), [word](QStringView command) {
        return word.compare(command, Qt::CaseInsensitive) == 0;
    });
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Where the brackets of one kind stand in the line from `start` to the next "\n", outside
// strings.
QList<qsizetype> bracketsOfLine(QStringView text, qsizetype start, QChar open, QChar close)
{
    QList<qsizetype> found;
    bool inString = false;
    for (qsizetype i = start; i < text.size() && text[i] != u'\n'; ++i) {
        if (text[i] == u'"')
            inString = !inString;
        else if (!inString && (text[i] == open || text[i] == close))
            found.append(i);
    }
    return found;
}

} // namespace

qsizetype matchingBracket(QStringView text, qsizetype at)
{
    constexpr QStringView kOpen = u"([{";
    constexpr QStringView kClose = u")]}";
    if (at < 0 || at >= text.size())
        return kNotABracket;
    const qsizetype opening = kOpen.indexOf(text[at]);
    const qsizetype closing = kClose.indexOf(text[at]);
    if (opening < 0 && closing < 0)
        return kNotABracket;
    const QChar open = kOpen[std::max(opening, closing)];
    const QChar close = kClose[std::max(opening, closing)];
    const bool forward = opening >= 0;

    qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
    QList<qsizetype> brackets = bracketsOfLine(text, lineStart, open, close);
    qsizetype index = brackets.indexOf(at);
    if (index < 0)
        return kNotABracket;
    int depth = 0;
    while (true) {
        for (; index >= 0 && index < brackets.size(); index += forward ? 1 : -1) {
            depth += text[brackets[index]] == open ? 1 : -1;
            if (depth == 0)
                return brackets[index];
        }
        // On to the next line in the direction of the search.
        if (forward) {
            lineStart = text.indexOf(u'\n', lineStart) + 1;
            if (lineStart == 0)
                return kUnmatched;
            brackets = bracketsOfLine(text, lineStart, open, close);
            index = 0;
        } else {
            if (lineStart == 0)
                return kUnmatched;
            // A negative start would search from the end of the text.
            lineStart = lineStart < 2 ? 0 : text.lastIndexOf(u'\n', lineStart - 2) + 1;
            brackets = bracketsOfLine(text, lineStart, open, close);
            index = brackets.size() - 1;
        }
    }
}

QList<Span> highlightLine(QStringView line)
{
    QList<Span> spans;
    qsizetype first = 0;
    while (first < line.size() && (line[first] == u' ' || line[first] == u'\t'))
        ++first;
    if (first == line.size())
        return spans;

    // Whole-line forms of the script language.
    switch (line[first].unicode()) {
    case u';':
        spans.append({first, line.size() - first, Token::Comment});
        return spans;
    case u'#':
        spans.append({first, line.size() - first, Token::Label});
        return spans;
    case u'~':
        spans.append({first, line.size() - first, Token::Wait});
        return spans;
    case u'?': {
        const qsizetype colon = line.indexOf(u':', first);
        const qsizetype end = colon < 0 ? line.size() : colon + 1;
        spans.append({first, end - first, Token::Condition});
        first = end;
        break;
    }
    default:
        break;
    }

    for (qsizetype i = first; i < line.size();) {
        const QChar c = line[i];
        if (c == u'"') {
            qsizetype end = line.indexOf(u'"', i + 1);
            end = end < 0 ? line.size() : end + 1;
            spans.append({i, end - i, Token::String});
            i = end;
        } else if (c == u'{' || c == u'}') {
            spans.append({i, 1, Token::Brace});
            ++i;
        } else if (isWordChar(c)) {
            qsizetype end = i;
            while (end < line.size() && isWordChar(line[end]))
                ++end;
            const QStringView word = line.sliced(i, end - i);
            if (word == u"class")
                spans.append({i, end - i, Token::Class});
            else if (isCommand(word))
                spans.append({i, end - i, Token::Command});
            i = end;
        } else {
            ++i;
        }
    }
    return spans;
}

} // namespace editor
