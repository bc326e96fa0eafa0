#include "scripthighlighter.h"

#include "highlighting.h"
#include "ui/exacttextedit.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextLayout>

#include <limits>

namespace editor {
namespace {

QTextCharFormat formatOf(Token token)
{
    QTextCharFormat format;
    switch (token) {
    case Token::Comment:
        format.setForeground(QColor(0x6a, 0x8a, 0x6a));
        break;
    case Token::Label:
        format.setForeground(QColor(0x8a, 0x2b, 0x8a));
        break;
    case Token::Wait:
        format.setForeground(QColor(0xb0, 0x5a, 0x00));
        break;
    case Token::Condition:
        format.setForeground(QColor(0x00, 0x6b, 0x8a));
        break;
    case Token::String:
        format.setForeground(QColor(0xa3, 0x15, 0x15));
        break;
    case Token::Class:
    case Token::Brace:
        format.setForeground(QColor(0x1f, 0x3f, 0x9a));
        break;
    case Token::Command:
        format.setForeground(QColor(0x00, 0x50, 0xc8));
        break;
    }
    return format;
}

} // namespace

ScriptHighlighter::ScriptHighlighter(QPlainTextEdit &box, ShownBlocks shownBlocks)
    : QObject(&box), m_box(box), m_shownBlocks(std::move(shownBlocks))
{
    connect(&box, &QPlainTextEdit::updateRequest, this, &ScriptHighlighter::viewUpdated);
}

void ScriptHighlighter::documentChanged(int position, int, int added)
{
    if (m_colouring)
        return;
    // A big change makes every line stale at once instead of visiting each of them; only
    // the shown ones are coloured again.
    constexpr int kManyCharacters = 4096;
    if (added > kManyCharacters) {
        m_generation = m_generation == std::numeric_limits<int>::max() ? 1 : m_generation + 1;
        m_dirty = true;
        return;
    }
    // A few changed lines, as typing makes them, are coloured right away: the box lays them
    // out next. Text appended below the view, the usual case for a big script, waits until
    // it is scrolled into view.
    constexpr int kFewLines = 8;
    const bool shown = position <= m_shownEnd;
    const QTextDocument *document = m_box.document();
    const QTextBlock last = document->findBlock(position + added);
    QScopedValueRollback guard(m_colouring, true);
    int count = 0;
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        if (shown && ++count <= kFewLines)
            colour(block);
        else
            block.setUserState(-1);
        if (block == last)
            break;
    }
    if (count > kFewLines)
        m_dirty = true;
}

bool ScriptHighlighter::colour(QTextBlock block)
{
    QTextLayout &layout = *block.layout();
    QList<QTextLayout::FormatRange> ranges;
    // The pieces of a very long line stay plain: colours would make them slow again.
    if (!ui::ExactTextEdit::isPiece(block) && block.length() <= ui::ExactTextEdit::kLongLine) {
        const QString text = block.text();
        for (const Span &span : highlightLine(text))
            ranges.append({int(span.start), int(span.length), formatOf(span.token)});
    }
    block.setUserState(m_generation);
    if (ranges.isEmpty() && layout.formats().isEmpty())
        return false;
    layout.setFormats(ranges);
    return true;
}

void ScriptHighlighter::viewUpdated(const QRect &, int dy)
{
    const int height = m_box.viewport()->height();
    if (dy != 0 || height != m_viewHeight)
        m_dirty = true;
    m_viewHeight = height;
    if (m_dirty)
        colourVisibleLines();
}

void ScriptHighlighter::colourVisibleLines()
{
    if (m_colouring)
        return;
    m_dirty = false;
    QScopedValueRollback guard(m_colouring, true);
    QTextDocument *document = m_box.document();
    const QList<QTextBlock> shown = m_shownBlocks();
    m_shownEnd = shown.isEmpty() ? -1 : shown.last().position() + shown.last().length();
    int from = -1;
    int to = -1;
    for (const QTextBlock &block : shown) {
        if (block.userState() == m_generation || !colour(block))
            continue;
        if (from < 0)
            from = block.position();
        to = block.position() + block.length() - 1;
    }
    // Lays the recoloured lines out again with their colours, at once; the text stays as it is.
    if (from >= 0)
        document->markContentsDirty(from, std::max(to - from, 1));
}

} // namespace editor
