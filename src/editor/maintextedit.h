#pragma once

#include "ui/exacttextedit.h"

#include <QTextBlock>

namespace editor {

class ScriptHighlighter;

// The main text box: the program's one document, coloured for the script language.
class MainTextEdit : public ui::ExactTextEdit
{
    Q_OBJECT
public:
    explicit MainTextEdit(QWidget *parent = nullptr);

    // Colours for the script language; on by default. The benchmarks compare both.
    void setHighlighting(bool on);
    bool highlighting() const { return m_highlighter != nullptr; }

protected:
    bool isOwnChange() const override;
    void beforeLayout(int position, int removed, int added) override;

private:
    QList<QTextBlock> shownBlocks() const;

    ScriptHighlighter *m_highlighter = nullptr;
};

} // namespace editor
