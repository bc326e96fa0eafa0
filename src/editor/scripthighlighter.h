#pragma once

#include <QObject>

class QPlainTextEdit;

namespace editor {

// Colours the lines of a plain text box that are on screen, and only those: a big script
// opens and grows as fast as without colours. It touches neither the text nor its undo
// history; the colours live in the layouts of the shown lines.
class ScriptHighlighter : public QObject
{
    Q_OBJECT
public:
    explicit ScriptHighlighter(QPlainTextEdit &box);

    // Whether a change of the document comes from the colouring, not from an edit.
    bool isColouring() const { return m_colouring; }

    // Colours the lines now on screen that are not coloured yet.
    void colourVisibleLines();

private:
    void forgetChangedLines(int position, int removed, int added);

    QPlainTextEdit &m_box;
    bool m_colouring = false;
    // A line is coloured when its block's user state equals this; fresh blocks hold -1.
    int m_generation = 1;
};

} // namespace editor
