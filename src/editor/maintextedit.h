#pragma once

#include "ui/exacttextedit.h"

#include <QTextBlock>
#include <QTextEdit>

#include <array>

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

    // Several features mark parts of the text at once; each owns one layer of extra selections
    // and the box shows them all.
    enum class SelectionLayer { CurrentLine, Brackets, Find, Problems };
    void setExtraSelectionLayer(SelectionLayer layer, QList<QTextEdit::ExtraSelection> selections);

protected:
    bool isOwnChange() const override;
    void beforeLayout(int position, int removed, int added) override;

private:
    QList<QTextBlock> shownBlocks() const;

    ScriptHighlighter *m_highlighter = nullptr;
    std::array<QList<QTextEdit::ExtraSelection>, 4> m_selectionLayers;
};

} // namespace editor
