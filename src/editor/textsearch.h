#pragma once

#include <QList>
#include <QStringView>

// Finding text within one line of the main text. Pure text work, so that the rules can be
// tested without a window; the find bar walks the lines of the text box with it.
namespace editor {

struct SearchOptions
{
    bool matchCase = false;
    // A match must not have a letter, digit or underscore right before or after it.
    bool wholeWords = false;
};

// The first match that starts at or after `from`; -1 when there is none.
qsizetype findNext(QStringView line, QStringView needle, qsizetype from, SearchOptions options);
// The last match that starts before `before`; -1 when there is none.
qsizetype findPrevious(QStringView line, QStringView needle, qsizetype before,
                       SearchOptions options);
// Where every match starts, left to right, none overlapping the one before.
QList<qsizetype> findAll(QStringView line, QStringView needle, SearchOptions options);
// Whether the text is one match and nothing else, as a selection must be to be replaced.
bool isMatch(QStringView text, QStringView needle, SearchOptions options);

} // namespace editor
