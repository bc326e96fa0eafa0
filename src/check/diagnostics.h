#pragma once

#include <QList>
#include <QString>

// Reads an SQS script or a description.ext the way the game does and says, line by line,
// what the game will trip over.
namespace check {

enum class Language { Sqs, Config }; // Config: description.ext and its classes
enum class Severity { Error, Warning };
struct Diagnostic
{
    int line;
    int column;
    Severity severity;
    QString message;
}; // 1-based

// Sorted by line, then column. Line ends may be CR LF, LF, CR or U+2029.
QList<Diagnostic> diagnose(const QString &text, Language language);

// By the file name's extension, else by the first line that is neither blank nor a comment.
Language guessLanguage(const QString &fileName, const QString &text);

} // namespace check
