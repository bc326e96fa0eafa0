#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;

namespace core {

// Called after each chunk with the number of bytes written so far; returning false abandons
// the write. Only tests use it, to interrupt a save half-way.
using WriteProgress = std::function<bool(qint64 written)>;

// Whether a save may go to the path: a new name, or a regular file (a symbolic link to one is
// followed, as is a link to a new name). A folder, a FIFO, a device, a socket or a loop of
// links is refused: a save must neither write into it nor put a file in its place.
bool isSaveTarget(const QString &path);

// Replaces the file with the bytes, whole. They go into a new file beside it first, which
// takes the old one's place only when it is complete; when anything fails on the way (a
// folder that takes no new file, a full disk) the old file stays byte for byte as it was.
// The file is never written in place.
bool writeFile(const QString &path, const QByteArray &bytes, const WriteProgress &progress = {});

// The text followed by one CR LF in Windows-1252, written by writeFile.
bool writeTextFile(const QString &path, QStringView text, const WriteProgress &progress = {});

// Opens a regular file for reading (a symbolic link to one is followed). Anything else fails
// at once: a FIFO without waiting for a writer, a device without reading from it, also when
// the path is swapped for one between the check and the open.
bool openRegularFile(QFile &file, const QString &path);

} // namespace core
