#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// What stands at a path, links not followed: nothing, file, folder, link, fifo or device.
inline QString fileKind(const QString &path)
{
    struct stat status
    {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("nothing");
    switch (status.st_mode & S_IFMT) {
    case S_IFIFO:
        return QStringLiteral("fifo");
    case S_IFCHR:
        return QStringLiteral("device");
    case S_IFLNK:
        return QStringLiteral("link");
    case S_IFDIR:
        return QStringLiteral("folder");
    default:
        return QStringLiteral("file");
    }
}

// Makes a FIFO, a character device like /dev/zero or a loop of two links at the path; false
// where the system does not let the test make it.
inline bool makeSpecial(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QLatin1String("device"))
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    const QString other = path + QStringLiteral(".loop");
    return kind == QLatin1String("loop") && QFile::link(other, path) && QFile::link(path, other);
}
