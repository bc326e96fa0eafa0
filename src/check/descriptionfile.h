#pragma once

#include <QString>

namespace check {

// What came of putting a generated text into the description.ext of a mission folder. The
// text says it in the user's words: what was written where, or what stopped it.
struct DescriptionWrite
{
    enum class Result {
        Created,   // there was none: the file is the generated text
        Merged,    // merged; the file before lies beside it as description.ext.bak
        Unchanged, // the file already holds the generated classes: nothing written
        Refused,   // the file or the generated text has an error: nothing written
        Failed,    // the file could not be read or written: nothing written
    };
    Result result = Result::Failed;
    QString text;

    bool written() const { return result == Result::Created || result == Result::Merged; }
    // Nothing stopped it: written, or nothing to write.
    bool ok() const { return result != Result::Refused && result != Result::Failed; }
};

inline const QString kDescriptionFile = QStringLiteral("description.ext");
inline const QString kDescriptionBackup = QStringLiteral("description.ext.bak");

// Merges the generated classes into the folder's description.ext (see mergeDescription) and
// keeps the file before as description.ext.bak; the bytes of both stay as they were where
// the merge keeps them. Both files take their places together or not at all.
DescriptionWrite writeIntoDescription(const QString &folder, const QString &generated);

} // namespace check
