#include "descriptionfile.h"

#include "core/codepage.h"
#include "core/filebatch.h"
#include "core/memory.h"
#include "descriptionmerge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

using namespace Qt::StringLiterals;

namespace check {
namespace {

const QString kNothingWritten = u"Es wurde nichts geschrieben."_s;

// The bytes of the file read as Windows-1252; nullopt when they cannot be read or would not
// fit into memory with the merge beside them.
std::optional<QString> readDescription(const QString &path)
{
    QFile file;
    if (!core::openRegularFile(file, path))
        return std::nullopt;
    // The bytes, the text read from them, the merged text and the parts read from it.
    if (file.size() > core::allocatableBytes() / 8)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return std::nullopt;
    return core::fromCp1252(bytes);
}

DescriptionWrite failed(const QString &text)
{
    return {DescriptionWrite::Result::Failed, text + u"\r\n\r\n"_s + kNothingWritten};
}

} // namespace

DescriptionWrite writeIntoDescription(const QString &folder, const QString &generated)
{
    const QDir dir(folder);
    const QString path = dir.filePath(kDescriptionFile);
    const QString shownFolder = QDir::toNativeSeparators(folder);
    // The status bar shows the whole path beside it.
    const QString folderName = u"„"_s + QDir(folder).dirName() + u"“"_s;
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && !info.isFile())
        return failed(u"Im Missionsordner steht unter dem Namen „description.ext“ keine Datei, "
                      u"sondern ein Ordner oder etwas anderes:\r\n"_s +
                      QDir::toNativeSeparators(path));

    QString existing;
    if (exists) {
        const std::optional<QString> read = readDescription(path);
        if (!read)
            return failed(u"Die description.ext im Missionsordner konnte nicht gelesen werden "
                          u"(kein Leserecht oder zu groß für den freien Speicher):\r\n"_s +
                          QDir::toNativeSeparators(path));
        existing = *read;
    }

    const MergeResult merge = mergeDescription(existing, generated);
    if (!merge.ok && merge.errorLine > 0)
        return {DescriptionWrite::Result::Refused,
                u"Die description.ext im Missionsordner hat in Zeile %1 einen Fehler:\r\n%2"
                u"\r\n\r\nBitte den Fehler dort beheben und dann noch einmal schreiben. "_s
                        .arg(merge.errorLine)
                        .arg(merge.error) +
                    kNothingWritten};
    if (!merge.ok)
        return {DescriptionWrite::Result::Refused,
                u"Das Ergebnis lässt sich nicht in die description.ext einfügen:\r\n"_s +
                    merge.error + u"\r\n\r\n"_s + kNothingWritten};
    if (exists && merge.text == existing)
        return {DescriptionWrite::Result::Unchanged,
                u"description.ext in %1 ist schon auf diesem Stand: nichts geschrieben"_s.arg(
                    folderName)};

    core::FileBatch batch;
    if (exists)
        batch.addCopy(dir.filePath(kDescriptionBackup), path);
    batch.addText(path, merge.text, core::FinalLineEnd::None);
    if (!batch.commit())
        return failed(
            u"„%1“ konnte im Missionsordner nicht geschrieben werden: der Datenträger "
            u"ist voll, der Ordner schreibgeschützt, oder etwas anderes steht unter "
            u"diesem Namen.\r\n%2"_s.arg(QFileInfo(batch.failedPath()).fileName(), shownFolder));
    if (!exists)
        return {DescriptionWrite::Result::Created,
                u"In %1 geschrieben: description.ext"_s.arg(folderName)};
    return {DescriptionWrite::Result::Merged,
            u"In %1 geschrieben: description.ext (die vorherige als description.ext.bak)"_s.arg(
                folderName)};
}

} // namespace check
