#include "textfile.h"

#include "codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace core {

bool isSaveTarget(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists()) // follows links
        return info.isFile();
    // Nothing there, or a link that leads nowhere: a link to a new name is followed when the
    // save creates the file; a loop of links has no end to follow.
    if (!info.isSymLink())
        return true;
    QFileInfo target = info;
    for (int depth = 0; depth < 40 && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    return !target.isSymLink() && !target.exists();
}

TextFileWriter::TextFileWriter(const QString &path, WriteProgress progress,
                               FinalLineEnd finalLineEnd)
    : m_progress(std::move(progress)), m_finalLineEnd(finalLineEnd)
{
    m_failed = !isSaveTarget(path);
    if (m_failed)
        return;
    m_file = std::make_unique<QSaveFile>(path);
    m_failed = !m_file->open(QIODevice::WriteOnly);
}

TextFileWriter::~TextFileWriter() = default; // an uncommitted file is thrown away

constexpr qsizetype kChunk = qsizetype(1) << 20;

void TextFileWriter::append(QStringView piece)
{
    while (!m_failed && !piece.isEmpty()) {
        qsizetype length = std::min(piece.size(), kChunk);
        if (length < piece.size() && piece[length - 1].isHighSurrogate())
            --length;
        appendCp1252(m_buffer, piece.first(length));
        piece = piece.sliced(length);
        if (m_buffer.size() >= kChunk)
            flush();
    }
}

void TextFileWriter::appendBytes(QByteArrayView bytes)
{
    while (!m_failed && !bytes.isEmpty()) {
        const qsizetype length = std::min(bytes.size(), kChunk - m_buffer.size());
        m_buffer.append(bytes.first(length));
        bytes = bytes.sliced(length);
        if (m_buffer.size() >= kChunk)
            flush();
    }
}

bool TextFileWriter::flush()
{
    if (m_failed || m_buffer.isEmpty())
        return !m_failed;
    if (m_file->write(m_buffer) != m_buffer.size()) {
        m_failed = true;
    } else {
        m_written += m_buffer.size();
        m_failed = m_progress && !m_progress(m_written);
    }
    m_buffer.clear();
    return !m_failed;
}

bool TextFileWriter::finish()
{
    if (!m_finished && !m_failed) {
        m_finished = true;
        if (m_finalLineEnd == FinalLineEnd::CrLf)
            m_buffer.append("\r\n", 2);
        // The file's own buffer too: a disk that is full says so now, not at commit().
        m_failed = !flush() || !m_file->flush();
    }
    if (m_failed && m_file)
        m_file->cancelWriting();
    return !m_failed;
}

bool TextFileWriter::commit()
{
    return finish() && m_file->commit();
}

bool writeTextFile(const QString &path, QStringView text, const WriteProgress &progress)
{
    TextFileWriter writer(path, progress);
    writer.append(text);
    return writer.commit();
}

bool fileHolds(const QString &path, QByteArrayView bytes)
{
    QFile file;
    if (!openRegularFile(file, path) || file.size() != bytes.size())
        return false;
    while (!bytes.isEmpty()) {
        const QByteArray piece = file.read(std::min(bytes.size(), kChunk));
        if (piece.isEmpty() || !bytes.startsWith(piece))
            return false;
        bytes = bytes.sliced(piece.size());
    }
    return true;
}

bool holdsOtherText(const QString &path, QStringView text, FinalLineEnd finalLineEnd)
{
    if (!QFileInfo(path).isFile())
        return false;
    QByteArray bytes = toCp1252(text);
    if (finalLineEnd == FinalLineEnd::CrLf)
        bytes.append("\r\n", 2);
    return !fileHolds(path, bytes);
}

bool sameFileBytes(const QString &path, const QString &otherPath)
{
    QFile file, other;
    if (!openRegularFile(file, path) || !openRegularFile(other, otherPath) ||
        file.size() != other.size())
        return false;
    while (!file.atEnd()) {
        const QByteArray piece = file.read(kChunk);
        if (piece.isEmpty() || other.read(piece.size()) != piece)
            return false;
    }
    return other.atEnd();
}

bool openRegularFile(QFile &file, const QString &path)
{
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    // Checked before opening, so that opening has no effect on a device; checked again on
    // what was opened, without blocking on a FIFO, in case the path changed in between.
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    if (!QFileInfo(path).isFile())
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

} // namespace core
