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

bool writeFile(const QString &path, const QByteArray &bytes, const WriteProgress &progress)
{
    if (!isSaveTarget(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = qint64(1) << 20;
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = std::min(kChunk, bytes.size() - done);
        if (file.write(bytes.constData() + done, n) != n) {
            file.cancelWriting();
            return false;
        }
        done += n;
        if (progress && !progress(done)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

bool writeTextFile(const QString &path, QStringView text, const WriteProgress &progress)
{
    QByteArray bytes;
    bytes.reserve(text.size() + 2);
    appendCp1252(bytes, text);
    bytes.append("\r\n", 2);
    return writeFile(path, bytes, progress);
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
