#pragma once

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextBlock>

#include <functional>
#include <optional>
#include <vector>

class QGroupBox;

namespace ui {

// A multi-line box that gives back exactly the text the program put into it. The document
// behind a text box turns CR LF, a lone CR and a lone LF alike into one paragraph break, so
// a text holding anything but CR LF line ends is kept aside as it is until the user edits
// the box. After an edit, the box's text is what it shows, with CR LF line ends.
//
// Lines and blocks. A line of the text longer than kLongLine characters would make every key
// press and repaint in it slow, so the box holds it as several blocks of about kPiece
// characters: the line is broken for display only. Every block of such a line after its
// first is a continuation (isContinuation); everything that turns the box back into text
// (text(), writeText(), copying to the clipboard, saving) joins a continuation to the block
// before it without a line end, and the user's edits and their undo keep the pieces as they
// were. Lines are counted from 0 like blocks; use lineNumberOf() and blockOfLine() to move
// between the two, never blockNumber() as a line number.
class ExactTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int kLongLine = 3000;
    static constexpr int kPiece = 1000;

    explicit ExactTextEdit(QWidget *parent = nullptr);
    // A box for script text: the script font, no line wrapping, both scroll bars always.
    static ExactTextEdit *forScript(const QString &objectName, QWidget *parent = nullptr);

    QString text() const;
    // Hands the text to the sink in pieces, in order, without building it whole: text() is
    // the pieces joined. A surrogate pair is never split between two pieces.
    void writeText(const std::function<void(QStringView)> &sink) const;
    bool isEmpty() const;
    // Replaces the whole text; undoable when asked for, otherwise with a fresh undo history.
    void setText(const QString &text, bool undoable = false);
    // Appends at the end; costs time in proportion to the appended text only.
    void appendText(const QString &text);

    // Replaces what the cursor selects with the text as a paste would: its line ends make
    // lines, its long lines pieces. One undo step, or part of the edit block open around it.
    void replaceSelection(QTextCursor &cursor, QStringView text);

    // Whether an exact copy is being kept (tests of the memory-saving path use it).
    bool keepsExactCopy() const { return m_exact.has_value(); }

    // Whether the block continues the line of the block before it.
    static bool isContinuation(const QTextBlock &block);
    // Whether the block is one of the pieces of a long line.
    static bool isPiece(const QTextBlock &block);
    // The first block of the block's line.
    static QTextBlock lineStart(QTextBlock block);
    int lineCount() const;
    // The line (from 0) the block belongs to.
    int lineNumberOf(const QTextBlock &block) const;
    // The first block of the line (from 0); invalid when there is no such line.
    QTextBlock blockOfLine(int line) const;

protected:
    // The script font, no line wrapping, both scroll bars always.
    void lookLikeScript();
    // Whether a change of the document now comes from the program rather than the user;
    // subclasses that change formats add their own.
    virtual bool isOwnChange() const { return m_programmatic; }
    // Marks the changes made while the returned guard lives as the program's own.
    [[nodiscard]] QScopedValueRollback<bool> ownChange()
    {
        return QScopedValueRollback<bool>(m_programmatic, true);
    }
    // Called for every change of the document (and for formats marked dirty) just before the
    // box lays the changed blocks out again: formats set on their layouts here are shown at
    // once, with no second layout or repaint.
    virtual void beforeLayout(int position, int removed, int added);

    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void keepExactCopyIfNeeded(const QString &text);
    void onContentsChange(int position, int removed, int added);
    // Inserts the text at the cursor: its line ends as line ends, its long lines in pieces.
    // Returns whether it made pieces.
    static bool insertLines(QTextCursor &cursor, QStringView text);
    void indexLines() const;
    // After an insertion: whether it made pieces of a long line.
    void notePieces(bool made);

    std::optional<QString> m_exact;
    bool m_programmatic = false;
    // Block numbers of the continuations, in order; rebuilt when asked for after a change
    // that added or removed blocks.
    mutable std::vector<int> m_continuations;
    mutable bool m_linesIndexed = false;
    mutable int m_indexedBlocks = 0;
    // Whether the document may hold pieces of long lines (undo can bring them back).
    bool m_hasPieces = false;
};

// The frame "Ergebnis" (Frame1) that holds a dialog's result box.
QGroupBox *resultFrame(QWidget &box);

// Whether the document behind a text box would give back a different text than this one.
bool documentAltersText(QStringView text);

} // namespace ui
