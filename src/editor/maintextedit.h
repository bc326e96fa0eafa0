#pragma once

#include "ui/exacttextedit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <array>

namespace editor {

class ScriptHighlighter;

// The kinds of marks laid over the text, each kept apart from the others; later ones are
// drawn over earlier ones.
enum class SelectionLayer { CurrentLine, Brackets, Find, Problems };

// The main text box: the program's one document, coloured for the script language, with the
// line numbers in a margin, the cursor's line and the brackets around it marked, and zoom.
class MainTextEdit : public ui::ExactTextEdit
{
    Q_OBJECT
public:
    explicit MainTextEdit(QWidget *parent = nullptr);

    // Colours for the script language; on by default. The benchmarks compare both.
    void setHighlighting(bool on);
    bool highlighting() const { return m_highlighter != nullptr; }

    // Replaces the marks of one layer; the box shows those of every layer.
    void setExtraSelectionLayer(SelectionLayer layer, QList<QTextEdit::ExtraSelection> selections);

    // The cursor's line and column as the user counts them, from 1: a long line held in
    // pieces is one line.
    struct Place
    {
        int line;
        int column;
    };
    Place cursorPlace() const;
    // Puts the cursor at the start of the line (from 1; beyond the ends: the first or last).
    void goToLine(int line);

    // A point size more or less per step, within readable bounds; back to the script font.
    void zoomBy(int steps);
    void resetZoom();

protected:
    bool isOwnChange() const override;
    void beforeLayout(int position, int removed, int added) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    class Margin;
    friend class Margin;

    QList<QTextBlock> shownBlocks() const;
    int marginWidth() const;
    void updateMarginWidth();
    void paintMargin(QPaintEvent *event);
    void markCurrentLine();
    // Where the block's row lies in the view, as wide as the view.
    QRect rowRect(const QTextBlock &block) const;
    void markBrackets();

    ScriptHighlighter *m_highlighter = nullptr;
    Margin *m_margin = nullptr;
    int m_marginDigits = 0;
    // What the numbers in the margin depend on, as last painted.
    struct Numbering
    {
        int firstShown = -1;
        int blocks = 0;
        int lines = 0;
        friend bool operator==(const Numbering &, const Numbering &) = default;
    };
    Numbering m_numbering;
    QTextCursor m_currentLine; // in the block whose row is marked
    std::array<QList<QTextEdit::ExtraSelection>, 4> m_layers;
};

} // namespace editor
