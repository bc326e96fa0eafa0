#pragma once

#include "textsearch.h"

#include <QTextCursor>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace editor {

class MainTextEdit;

// The bar below the main text that finds and replaces (findBar). It searches line by line,
// a long line held in pieces as the one line it is, wraps around at either end with a note
// in the bar, and replaces every match as one undo step.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    explicit FindBar(MainTextEdit &box, QWidget *parent = nullptr);

    // Shows the bar, with the replace row when replacing, and the selection as the search
    // text when it lies within one line.
    void start(bool replacing);
    // Hides the bar and hands the keyboard back to the text.
    void finish();

    // Each selects the match it finds; false when there is none.
    bool findNext();
    bool findPrevious();
    // Replaces the selected match, if it is one, and finds the next.
    void replaceOne();
    // Returns how many matches were replaced.
    int replaceAll();

    bool hasSearchText() const;
    QString note() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SearchOptions options() const;
    bool find(bool forward, int from);
    void showMatch(const QTextCursor &match);
    void setNote(const QString &note);

    MainTextEdit &m_box;
    QLineEdit *m_findText = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWords = nullptr;
    QLabel *m_note = nullptr;
    QList<QWidget *> m_replaceRow;
};

} // namespace editor
