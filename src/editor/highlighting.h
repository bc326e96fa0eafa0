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

} // namespace editor
