#include "maintextedit.h"

#include "scripthighlighter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace editor {

MainTextEdit::MainTextEdit(QWidget *parent) : ui::ExactTextEdit(parent)
{
    setObjectName(u"Text1"_s);
    lookLikeScript();
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
        const auto guard = ownChange(); // only formats change, not the text
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

void MainTextEdit::beforeLayout(int position, int removed, int added)
{
    if (m_highlighter)
        m_highlighter->documentChanged(position, removed, added);
}

void MainTextEdit::setExtraSelectionLayer(SelectionLayer layer,
                                          QList<QTextEdit::ExtraSelection> selections)
{
    m_selectionLayers.at(std::size_t(layer)) = std::move(selections);
    QList<QTextEdit::ExtraSelection> all;
    for (const QList<QTextEdit::ExtraSelection> &selections : m_selectionLayers)
        all += selections;
    setExtraSelections(all);
}

bool MainTextEdit::isOwnChange() const
{
    return ui::ExactTextEdit::isOwnChange() || (m_highlighter && m_highlighter->isColouring());
}

} // namespace editor
