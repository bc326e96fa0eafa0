#pragma once

#include <QPlainTextEdit>
#include <QScopedValueRollback>

#include <optional>

class QGroupBox;

namespace ui {

// A multi-line box that gives back exactly the text the program put into it. The document
// behind a text box turns CR LF, a lone CR and a lone LF alike into one paragraph break, so
// a text holding anything but CR LF line ends is kept aside as it is until the user edits
// the box. After an edit, the box's text is what it shows, with CR LF line ends.
class ExactTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ExactTextEdit(QWidget *parent = nullptr);
    // A box for script text: the script font, no line wrapping, both scroll bars always.
    static ExactTextEdit *forScript(const QString &objectName, QWidget *parent = nullptr);

    QString text() const;
    bool isEmpty() const;
    // Replaces the whole text; undoable when asked for, otherwise with a fresh undo history.
    void setText(const QString &text, bool undoable = false);
    // Appends at the end; costs time in proportion to the appended text only.
    void appendText(const QString &text);

    // Whether an exact copy is being kept (tests of the memory-saving path use it).
    bool keepsExactCopy() const { return m_exact.has_value(); }

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

private:
    void keepExactCopyIfNeeded(const QString &text);
    void onContentsChange(int position, int removed, int added);

    std::optional<QString> m_exact;
    bool m_programmatic = false;
};

// The frame "Ergebnis" (Frame1) that holds a dialog's result box.
QGroupBox *resultFrame(QWidget &box);

// Whether the document behind a text box would give back a different text than this one.
bool documentAltersText(QStringView text);

} // namespace ui
