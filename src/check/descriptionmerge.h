#pragma once

#include <QString>

namespace check {

// text is the merged file when ok; otherwise it is empty, and errorLine (1-based, a line of
// the existing text; 0 when the problem lies in the generated text) and error say why.
struct MergeResult
{
    bool ok = false;
    QString text;
    int errorLine = 0;
    QString error;
};

// Puts the top-level classes of a generated description.ext text into an existing one: a
// class the file has (by name, regardless of case) is replaced where it stands, a class it
// lacks is appended after one empty line. Every other character of the file stays as it was;
// generated lines take the file's line ends. Refused when the file has a config error.
MergeResult mergeDescription(const QString &existing, const QString &generated);

} // namespace check
