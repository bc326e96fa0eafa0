#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QFile;
class QSaveFile;

namespace core {

// Called after each chunk with the number of bytes written so far; returning false abandons
// the write. Only tests use it, to interrupt a save half-way.
using WriteProgress = std::function<bool(qint64 written)>;

// Every save ends its text with one CR LF; a file that must keep its bytes exactly as they
// are (a merged description.ext, a copy) gets none added.
enum class FinalLineEnd { CrLf, None };

// Whether a save may go to the path: a new name, or a regular file (a symbolic link to one is
// followed, as is a link to a new name). A folder, a FIFO, a device, a socket or a loop of
// links is refused: a save must neither write into it nor put a file in its place.
bool isSaveTarget(const QString &path);

// Writes a text file as the program writes every file: the text in Windows-1252, handed over
// in pieces, followed by one CR LF. The file is replaced whole: the bytes go into a new file
// beside it, which takes the old one's place only at commit(), when it is complete. When
// anything fails on the way (a target that is no save target, a folder that takes no new
// file, a full disk) the old file stays byte for byte as it was; it is never written in
// place. The bytes are written in chunks as they come, so a big text is not held once more.
class TextFileWriter
{
public:
    explicit TextFileWriter(const QString &path, WriteProgress progress = {},
                            FinalLineEnd finalLineEnd = FinalLineEnd::CrLf);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter &) = delete;
    TextFileWriter &operator=(const TextFileWriter &) = delete;

    // A piece must not end between the two halves of a surrogate pair.
    void append(QStringView piece);
    // Bytes as they are, for a copy.
    void appendBytes(QByteArrayView bytes);
    // Adds the final line end and hands every byte to the system, without putting the file in
    // place yet: a full disk shows here. False when anything failed.
    bool finish();
    // Finishes and puts the file in place; false when anything failed.
    bool commit();

private:
    bool flush();

    std::unique_ptr<QSaveFile> m_file;
    WriteProgress m_progress;
    QByteArray m_buffer;
    qint64 m_written = 0;
    FinalLineEnd m_finalLineEnd;
    bool m_finished = false;
    bool m_failed = false;
};

// The text followed by one CR LF in Windows-1252, written by a TextFileWriter.
bool writeTextFile(const QString &path, QStringView text, const WriteProgress &progress = {});

// Whether a regular file stands at the path that holds exactly these bytes.
bool fileHolds(const QString &path, QByteArrayView bytes);
// Whether a regular file stands at the path that holds other bytes than a save of the text
// would write. False for anything else there, or nothing.
bool holdsOtherText(const QString &path, QStringView text,
                    FinalLineEnd finalLineEnd = FinalLineEnd::CrLf);
// Whether both paths lead to regular files with the same bytes.
bool sameFileBytes(const QString &path, const QString &otherPath);

// Opens a regular file for reading (a symbolic link to one is followed). Anything else fails
// at once: a FIFO without waiting for a writer, a device without reading from it, also when
// the path is swapped for one between the check and the open.
bool openRegularFile(QFile &file, const QString &path);

} // namespace core
