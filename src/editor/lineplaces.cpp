#include "lineplaces.h"

#include "ui/exacttextedit.h"

#include <QList>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace editor {

void LinePlaces::learn(const ui::ExactTextEdit &box, int textLines)
{
    m_breaks.clear();
    // A copy kept aside gives the text as it went in: its line breaks inside a block are no
    // line ends there either.
    if (textLines == box.lineCount() || box.keepsExactCopy())
        return;
    int boxLine = -1;
    int before = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (!ui::ExactTextEdit::isContinuation(block))
            ++boxLine;
        const int count = int(block.text().count(QChar::LineSeparator));
        if (count == 0)
            continue;
        if (!m_breaks.empty() && m_breaks.back().boxLine == boxLine)
            m_breaks.back().count += count;
        else
            m_breaks.push_back({boxLine, count, before});
        before += count;
    }
}

int LinePlaces::textLineOf(int boxLine) const
{
    const auto after = std::lower_bound(m_breaks.begin(), m_breaks.end(), boxLine,
                                        [](const Breaks &b, int line) { return b.boxLine < line; });
    if (after == m_breaks.begin())
        return boxLine;
    const Breaks &last = *std::prev(after);
    return boxLine + last.before + last.count;
}

std::pair<int, int> LinePlaces::boxLineOf(int textLine) const
{
    // The last box line with breaks that starts at or before the text line.
    const auto after =
        std::upper_bound(m_breaks.begin(), m_breaks.end(), textLine,
                         [](int line, const Breaks &b) { return line < b.boxLine + b.before; });
    if (after == m_breaks.begin())
        return {textLine, 0};
    const Breaks &b = *std::prev(after);
    const int part = textLine - (b.boxLine + b.before);
    if (part <= b.count)
        return {b.boxLine, part};
    return {textLine - b.before - b.count, 0};
}

LinePlaces::Span LinePlaces::span(const ui::ExactTextEdit &box, int line, int column) const
{
    auto [boxLine, part] = boxLineOf(std::max(line - 1, 0));
    if (boxLine >= box.lineCount()) {
        boxLine = box.lineCount() - 1;
        part = std::numeric_limits<int>::max();
        column = std::numeric_limits<int>::max();
    }
    const bool hasBreaks =
        std::binary_search(m_breaks.begin(), m_breaks.end(), Breaks{boxLine, 0, 0},
                           [](const Breaks &a, const Breaks &b) { return a.boxLine < b.boxLine; });

    // The stretches of the box's blocks that make up the text line, in order.
    QList<std::pair<int, int>> stretches; // position and length
    int lineEnd = 0;
    int passed = 0; // line breaks passed
    const QTextBlock first = box.blockOfLine(boxLine);
    for (QTextBlock block = first; block.isValid() && passed <= part; block = block.next()) {
        if (block != first && !ui::ExactTextEdit::isContinuation(block))
            break;
        const int position = block.position();
        const int length = block.length() - 1;
        lineEnd = position + length;
        if (!hasBreaks) {
            stretches.append({position, length});
            continue;
        }
        const QString text = block.text();
        int from = 0;
        for (int i = 0; i <= length && passed <= part; ++i) {
            if (i < length && text[i] != QChar::LineSeparator)
                continue;
            if (passed == part)
                stretches.append({position + from, i - from});
            if (i < length) {
                ++passed;
                from = i + 1;
            }
        }
    }
    if (stretches.isEmpty()) // a part past the line's last break: its end
        return {lineEnd, lineEnd, lineEnd};

    const int start = stretches.first().first;
    const int end = stretches.last().first + stretches.last().second;
    int at = end;
    qint64 left = std::max(column - 1, 0);
    for (const auto &[position, length] : std::as_const(stretches)) {
        if (left <= length) {
            at = position + int(left);
            break;
        }
        left -= length;
    }
    return {start, at, end};
}

} // namespace editor
