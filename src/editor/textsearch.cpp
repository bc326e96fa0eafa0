#include "textsearch.h"

namespace editor {
namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

bool standsAlone(QStringView line, qsizetype start, qsizetype length)
{
    return (start == 0 || !isWordCharacter(line[start - 1])) &&
           (start + length >= line.size() || !isWordCharacter(line[start + length]));
}

Qt::CaseSensitivity sensitivity(SearchOptions options)
{
    return options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

} // namespace

qsizetype findNext(QStringView line, QStringView needle, qsizetype from, SearchOptions options)
{
    if (needle.isEmpty() || from < 0)
        return -1;
    for (qsizetype at = from; at + needle.size() <= line.size(); ++at) {
        at = line.indexOf(needle, at, sensitivity(options));
        if (at < 0)
            return -1;
        if (!options.wholeWords || standsAlone(line, at, needle.size()))
            return at;
    }
    return -1;
}

qsizetype findPrevious(QStringView line, QStringView needle, qsizetype before,
                       SearchOptions options)
{
    if (needle.isEmpty())
        return -1;
    // A negative start would count from the end of the line.
    for (qsizetype at = std::min(before, line.size()) - 1; at >= 0; --at) {
        at = line.lastIndexOf(needle, at, sensitivity(options));
        if (at < 0)
            return -1;
        if (!options.wholeWords || standsAlone(line, at, needle.size()))
            return at;
    }
    return -1;
}

QList<qsizetype> findAll(QStringView line, QStringView needle, SearchOptions options)
{
    QList<qsizetype> starts;
    for (qsizetype at = findNext(line, needle, 0, options); at >= 0;
         at = findNext(line, needle, at + needle.size(), options))
        starts.append(at);
    return starts;
}

bool isMatch(QStringView text, QStringView needle, SearchOptions options)
{
    return !needle.isEmpty() && text.size() == needle.size() &&
           text.compare(needle, sensitivity(options)) == 0;
}

} // namespace editor
