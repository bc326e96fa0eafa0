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

ScriptHighlighter::ScriptHighlighter(QPlainTextEdit &box) : QObject(&box), m_box(box)
{
    connect(&box, &QPlainTextEdit::updateRequest, this, &ScriptHighlighter::colourVisibleLines);
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
        return;
    }
    const QTextDocument *document = m_box.document();
    const QTextBlock last = document->findBlock(position + added);
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        block.setUserState(-1);
        if (block == last)
            break;
    }
}

void ScriptHighlighter::colourVisibleLines()
{
    if (m_colouring)
        return;
    QScopedValueRollback guard(m_colouring, true);
    QTextDocument *document = m_box.document();
    // From the line above the view to the line below it, so that scrolling by one line
    // already shows colour.
    QTextBlock block = m_box.cursorForPosition(QPoint(0, 0)).block();
    QTextBlock last = m_box.cursorForPosition(QPoint(0, m_box.viewport()->height())).block();
    if (block.previous().isValid())
        block = block.previous();
    if (last.next().isValid())
        last = last.next();
    for (;; block = block.next()) {
        if (!block.isValid())
            break;
        if (block.userState() != m_generation) {
            QList<QTextLayout::FormatRange> ranges;
            const QString text = block.text();
            for (const Span &span : highlightLine(text))
                ranges.append({int(span.start), int(span.length), formatOf(span.token)});
            block.layout()->setFormats(ranges);
            block.setUserState(m_generation);
            document->markContentsDirty(block.position(), block.length());
        }
        if (block == last)
            break;
    }
}

} // namespace editor
