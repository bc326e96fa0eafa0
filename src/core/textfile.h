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
    explicit TextFileWriter(const QString &path, WriteProgress progress = {});
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter &) = delete;
    TextFileWriter &operator=(const TextFileWriter &) = delete;

    // A piece must not end between the two halves of a surrogate pair.
    void append(QStringView piece);
    // Adds the final CR LF and puts the file in place; false when anything failed.
    bool commit();

private:
    bool flush();

    std::unique_ptr<QSaveFile> m_file;
    WriteProgress m_progress;
    QByteArray m_buffer;
    qint64 m_written = 0;
    bool m_failed = false;
};

// The text followed by one CR LF in Windows-1252, written by a TextFileWriter.
bool writeTextFile(const QString &path, QStringView text, const WriteProgress &progress = {});

// Opens a regular file for reading (a symbolic link to one is followed). Anything else fails
// at once: a FIFO without waiting for a writer, a device without reading from it, also when
// the path is swapped for one between the check and the open.
bool openRegularFile(QFile &file, const QString &path);

} // namespace core
