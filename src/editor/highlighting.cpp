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

} // namespace

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
