#pragma once

#include <QList>
#include <QStringView>

// Which parts of a line of game script or description.ext text get a colour. Pure text work,
// so that the colouring can be tested without a window.
namespace editor {

enum class Token { Comment, Label, Wait, Condition, String, Class, Brace, Command };

struct Span
{
    qsizetype start;
    qsizetype length;
    Token token;

    friend bool operator==(const Span &, const Span &) = default;
};

QList<Span> highlightLine(QStringView line);

// The bracket that pairs with the one of ( [ { ) ] } at `at`, in a text whose lines end in
// "\n". Brackets inside strings ("...") count for nothing.
inline constexpr qsizetype kNotABracket = -2; // no bracket there, or one inside a string
inline constexpr qsizetype kUnmatched = -1;   // a bracket without a partner in the text
qsizetype matchingBracket(QStringView text, qsizetype at);

} // namespace editor
