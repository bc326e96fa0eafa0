#pragma once

#include <QList>
#include <QObject>
#include <QTextBlock>

#include <functional>

class QPlainTextEdit;

namespace editor {

// Colours the lines of a plain text box that are on screen, and only those: a big script
// opens and grows as fast as without colours. It touches neither the text nor its undo
// history; the colours live in the layouts of the shown lines. A line the user edits is
// coloured again within the edit, before the box lays it out, so that the box repaints that
// line only. The pieces of a very long line stay without colours.
class ScriptHighlighter : public QObject
{
    Q_OBJECT
public:
    // The box tells which blocks it shows: only it can ask its layout cheaply.
    using ShownBlocks = std::function<QList<QTextBlock>()>;
    ScriptHighlighter(QPlainTextEdit &box, ShownBlocks shownBlocks);

    // Whether a change of the document comes from the colouring, not from an edit.
    bool isColouring() const { return m_colouring; }

    // Colours the lines now on screen that are not coloured yet.
    void colourVisibleLines();
    // The box's view moved by dy pixels or was redrawn.
    void viewUpdated(const QRect &rect, int dy);
    // The document changed and the box is about to lay out the changed blocks again.
    void documentChanged(int position, int removed, int added);

private:
    // Sets the block's colours; returns whether its formats changed.
    bool colour(QTextBlock block);

    QPlainTextEdit &m_box;
    ShownBlocks m_shownBlocks;
    bool m_colouring = false;
    // A line is coloured when its block's user state equals this; fresh blocks hold -1.
    int m_generation = 1;
    // Whether the shown lines may hold one that is not coloured: set by changes at or
    // before the end of what was shown, by scrolling and by a change of the view's height.
    bool m_dirty = true;
    int m_shownEnd = -1;
    int m_viewHeight = -1;
};

} // namespace editor
