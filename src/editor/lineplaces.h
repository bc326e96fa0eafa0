#pragma once

#include <vector>

namespace ui {
class ExactTextEdit;
}

namespace editor {

// Where a line and column of the text as it is saved stand in a text box. The two count lines
// differently in two ways: the box holds a very long line in several blocks, and a line break
// typed with Shift+Return stays inside its block, while the saved text ends a line there.
class LinePlaces
{
public:
    // Learns the line breaks inside blocks of the box as it is now; textLines is the number
    // of lines of its text() (the box holds none of them when that equals its own count).
    void learn(const ui::ExactTextEdit &box, int textLines);
    // Forgets them: the box's lines are the text's lines.
    void clear() { m_breaks.clear(); }

    // Positions in the box: where the text line starts, where its column stands and where the
    // line ends. A column past the end of the line stands at its end; a line past the end of
    // the text is the end of the last line.
    struct Span
    {
        int start;
        int from;
        int to;
    };
    // Line and column from 1, as the checker gives them.
    Span span(const ui::ExactTextEdit &box, int line, int column) const;

    // The text line (from 0) where the box's line (from 0) starts.
    int textLineOf(int boxLine) const;

private:
    // The box's line (from 0) that holds the text line, and which of its parts that is.
    std::pair<int, int> boxLineOf(int textLine) const;

    // A line of the box with line breaks inside it, and the breaks in the lines before it.
    struct Breaks
    {
        int boxLine;
        int count;
        int before;
    };
    std::vector<Breaks> m_breaks; // by line
};

} // namespace editor
