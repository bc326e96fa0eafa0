#pragma once

#include "check/diagnostics.h"

#include <QList>
#include <QString>

// The one reader of description.ext texts: the checker takes the members and problems from it,
// the merge the names and exact extents of the top-level classes. It keeps its own stack, so
// no nesting depth can exhaust the program's.
namespace check {

// A place in the text: the offset and the 1-based line and column it is shown at.
struct TextPosition
{
    qsizetype offset = 0;
    int line = 1;
    int column = 1;
};

// One item of a list: a string (without its quotes), an unquoted text, or a nested list
// (written as it stands, braces included).
struct ConfigItem
{
    TextPosition position;
    QString text;
    bool nested = false;
};

struct ConfigEntry
{
    enum class Kind {
        Class,       // class Name [: Base] { ... };
        Declaration, // class Name;
        Value,       // name = value;
        Array,       // name[] = { ... };
    };
    Kind kind = Kind::Value;
    QString name;       // as written; empty for a class whose name could not be read
    int parent = -1;    // index of the enclosing class in ConfigDocument::entries, -1 at the top
    TextPosition start; // the keyword "class" or the member's name
    // One past the last character that belongs to it: the ';' that ends it, else the closing
    // '}' or the value; the end of the text when it is never closed.
    qsizetype end = 0;
    bool closed = true; // classes and lists: the closing brace was found

    QString base;              // Class: the class after ':', if any
    TextPosition basePosition; // Class: where the base name stands
    QString value;             // Value: the text; a string without quotes, "" read as one "
    QList<ConfigItem> items;   // Array (and a list given without []): the items in order
    QList<int> children;       // Class: indices of its members in text order
};

struct ConfigDocument
{
    QList<ConfigEntry> entries; // in the order they start in the text
    QList<int> topLevel;        // indices of the members outside any class
    // What the reading itself found: syntax errors and warnings, in the order met.
    QList<Diagnostic> problems;
};

ConfigDocument readConfig(const QString &text);

// Everything the checker says about a description.ext: the reader's problems and those of
// the members (duplicates, base classes, sound lists, empty counts), sorted.
QList<Diagnostic> configDiagnostics(const ConfigDocument &document);

} // namespace check
