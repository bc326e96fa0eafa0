#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>

#include <optional>

namespace editor {

class ScriptHighlighter;

// The main text box. The text it holds is the program's one document, and it must come back
// exactly as it went in: a file opened and saved again keeps every byte. The document behind
// the box turns CR LF, a lone CR and a lone LF alike into one paragraph break, so when a text
// holds anything but CR LF line ends an exact copy is kept beside it until the user edits.
class MainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MainTextEdit(QWidget *parent = nullptr);

    QString text() const;
    bool isEmpty() const;
    // Replaces the whole text as one step the user can undo.
    void replaceText(const QString &text);
    // Replaces the whole text and starts a fresh undo history (a file was opened).
    void loadText(const QString &text);
    // Appends at the end; costs time in proportion to the appended text only.
    void appendText(const QString &text);

    // Colours for the script language; on by default. The benchmarks compare both.
    void setHighlighting(bool on);
    bool highlighting() const { return m_highlighter != nullptr; }

    // Whether an exact copy is being kept (for tests of the memory-saving path).
    bool keepsExactCopy() const { return m_exact.has_value(); }

private:
    QList<QTextBlock> shownBlocks() const;
    void keepExactCopyIfNeeded(const QString &text);
    void onContentsChange(int position, int removed, int added);

    std::optional<QString> m_exact;
    bool m_programmatic = false;
    ScriptHighlighter *m_highlighter = nullptr;
};

// Whether the document behind a text box would give back a different text than this one.
bool documentAltersText(QStringView text);

} // namespace editor
