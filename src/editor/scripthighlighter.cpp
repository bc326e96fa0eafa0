#include "scripthighlighter.h"

#include "highlighting.h"

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
    connect(box.document(), &QTextDocument::contentsChange, this,
            &ScriptHighlighter::forgetChangedLines);
}

void ScriptHighlighter::forgetChangedLines(int position, int, int added)
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
    // Text appended below the view, the usual case for a big script, leaves the view alone.
    if (position <= m_shownEnd)
        m_dirty = true;
    const QTextDocument *document = m_box.document();
    const QTextBlock last = document->findBlock(position + added);
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (block == last)
            break;
    }
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
    for (QTextBlock block : shown) {
        if (block.userState() == m_generation)
            continue;
        QList<QTextLayout::FormatRange> ranges;
        const QString text = block.text();
        for (const Span &span : highlightLine(text))
            ranges.append({int(span.start), int(span.length), formatOf(span.token)});
        block.layout()->setFormats(ranges);
        block.setUserState(m_generation);
        // Lays the line out again with its colours; the text stays as it is.
        document->markContentsDirty(block.position(), block.length());
    }
}

} // namespace editor
