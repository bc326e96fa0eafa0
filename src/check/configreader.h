#pragma once

#include "check/diagnostics.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <type_traits>

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

// One item of a list as written: a string with its quotes, an unquoted text, or a nested
// list with its braces.
struct ConfigItem
{
    QStringView text; // into ConfigDocument::text
    bool nested = false;
};

// Names, values and items are views into ConfigDocument::text, which keeps them alive, and
// places are offsets into it (ConfigDocument::position gives line and column): a file of
// several megabytes costs neither a copy of its every word nor much more memory than itself.
struct ConfigEntry
{
    enum class Kind : quint8 {
        Class,       // class Name [: Base] { ... };
        Declaration, // class Name;
        Value,       // name = value;
        Array,       // name[] = { ... };
    };
    Kind kind = Kind::Value;
    bool closed = true;   // classes and lists: the closing brace was found
    int parent = -1;      // index of the enclosing class in ConfigDocument::entries, -1 at the top
    int firstChild = -1;  // Class: its first member
    int nextSibling = -1; // the next member of the same class, or of the top level
    qsizetype start = 0;  // the keyword "class" or the member's name
    // One past the last character that belongs to it: the ';' that ends it, else the closing
    // '}' or the value; the end of the text when it is never closed.
    qsizetype end = 0;
    QStringView name; // as written; empty for a class whose name could not be read
    // Value: as written, a string with its quotes (see plainText), a list given without []
    // with its braces. Classes keep their base here, see base().
    QStringView value;
    int firstItem = 0; // Array (and a list given without []): its items in ConfigDocument::items
    int itemCount = 0;

    bool isClass() const { return kind == Kind::Class || kind == Kind::Declaration; }
    QStringView base() const { return isClass() ? value : QStringView(); } // after ':', if any
};

struct ConfigDocument
{
    QString text;                // the text read; everything below points into it
    QList<ConfigEntry> entries;  // in the order they start in the text
    QList<ConfigItem> items;     // the items of every list, list by list
    QList<int> topLevel;         // indices of the members outside any class
    QList<int> derived;          // indices of the classes that name a base
    QList<qsizetype> lineStarts; // the offset each line starts at
    // What the reading itself found: syntax errors and warnings, in the order met.
    QList<Diagnostic> problems;

    TextPosition position(qsizetype offset) const;
    TextPosition position(QStringView part) const { return position(part.data() - text.data()); }
    // Indices of the members of the class at `entry` (-1: the top level), in text order.
    QList<int> members(int entry) const;
    QList<ConfigItem> itemsOf(int entry) const;
};

// A value or item as the game reads it: a string without its quotes, "" as one quote.
QString plainText(QStringView written);

ConfigDocument readConfig(const QString &text);

// Everything the checker says about a description.ext: the reader's problems and those of
// the members (duplicates, base classes, sound lists, empty counts), sorted.
QList<Diagnostic> configDiagnostics(const ConfigDocument &document);

static_assert(std::is_trivially_copyable_v<ConfigEntry>, "a growing list moves entries as bytes");

} // namespace check
