#include "maintextedit.h"

#include "scripthighlighter.h"
#include "ui/look.h"

#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace editor {

bool documentAltersText(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case u'\r':
            if (i + 1 < size && text[i + 1] == u'\n') {
                ++i;
                break;
            }
            return true;
        case u'\n':
        case 0x2029: // paragraph separator
        case 0xFDD0: // frame markers of the document
        case 0xFDD1:
            return true;
        default:
            break;
        }
    }
    return false;
}

MainTextEdit::MainTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setObjectName(u"Text1"_s);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(ui::scriptFont());
    connect(document(), &QTextDocument::contentsChange, this, &MainTextEdit::onContentsChange);
    setHighlighting(true);
}

void MainTextEdit::setHighlighting(bool on)
{
    if (on == highlighting())
        return;
    if (on) {
        m_highlighter = new ScriptHighlighter(*this, [this] { return shownBlocks(); });
        m_highlighter->colourVisibleLines();
    } else {
        delete m_highlighter;
        m_highlighter = nullptr;
        // Drop the colours: lay out every block afresh without them.
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            block.layout()->clearFormats();
            block.setUserState(-1);
        }
        QScopedValueRollback guard(m_programmatic, true);
        document()->markContentsDirty(0, document()->characterCount());
    }
}

QList<QTextBlock> MainTextEdit::shownBlocks() const
{
    // From the line above the view to the line below it, so that scrolling by one line
    // already shows colour.
    QList<QTextBlock> blocks;
    QTextBlock block = firstVisibleBlock();
    if (block.previous().isValid())
        block = block.previous();
    const qreal bottom = viewport()->height();
    const QPointF offset = contentOffset();
    for (int below = 0; block.isValid() && below < 2; block = block.next()) {
        blocks.append(block);
        if (blockBoundingGeometry(block).translated(offset).bottom() >= bottom)
            ++below;
    }
    return blocks;
}

QString MainTextEdit::text() const
{
    if (m_exact)
        return *m_exact;
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, "\r\n"_L1);
    return raw;
}

bool MainTextEdit::isEmpty() const
{
    return m_exact ? m_exact->isEmpty() : document()->isEmpty();
}

void MainTextEdit::keepExactCopyIfNeeded(const QString &text)
{
    if (documentAltersText(text))
        m_exact = text;
    else
        m_exact.reset();
}

void MainTextEdit::replaceText(const QString &text)
{
    QScopedValueRollback guard(m_programmatic, true);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    keepExactCopyIfNeeded(text);
}

void MainTextEdit::loadText(const QString &text)
{
    QScopedValueRollback guard(m_programmatic, true);
    setPlainText(text);
    keepExactCopyIfNeeded(text);
}

void MainTextEdit::appendText(const QString &text)
{
    QScopedValueRollback guard(m_programmatic, true);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_exact) {
        cursor.insertText(text);
        m_exact->append(text);
        return;
    }
    // Appended text with other line ends than CR LF needs the exact copy from here on.
    if (documentAltersText(text)) {
        QString whole = this->text();
        cursor.insertText(text);
        whole.append(text);
        m_exact = std::move(whole);
        return;
    }
    cursor.insertText(text);
}

void MainTextEdit::onContentsChange(int, int, int)
{
    // Once the user edits, the text is what the box shows, with CR LF line ends.
    if (!m_programmatic && !(m_highlighter && m_highlighter->isColouring()))
        m_exact.reset();
}

} // namespace editor
