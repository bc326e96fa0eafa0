#include "memory.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <limits>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace core {
namespace {

constexpr qint64 kUnlimited = std::numeric_limits<qint64>::max();

QByteArray fileContent(const char *path)
{
    QFile file(QString::fromLatin1(path));
    // These files report no size: read them to their end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value of a "Key:   123 kB" line of a /proc file, in bytes; -1 when it is missing.
qint64 procValue(const QByteArray &content, const QByteArray &key)
{
    for (const QByteArray &line : content.split('\n')) {
        if (line.startsWith(key) && line.size() > key.size() && line[key.size()] == ':') {
            bool ok = false;
            const qint64 kilobytes =
                line.mid(key.size() + 1).trimmed().split(' ')[0].toLongLong(&ok);
            return ok ? kilobytes * 1024 : -1;
        }
    }
    return -1;
}

#ifdef Q_OS_UNIX
qint64 roomUnderLimit(int resource, qint64 used)
{
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || used < 0)
        return kUnlimited;
    return std::max<qint64>(0, qint64(limit.rlim_cur) - used);
}
#endif

// The memory limit of the process's control group (version 2) less what the group uses.
qint64 roomInControlGroup()
{
    const QByteArray groups = fileContent("/proc/self/cgroup");
    for (const QByteArray &line : groups.split('\n')) {
        if (!line.startsWith("0::"))
            continue;
        const QByteArray folder = "/sys/fs/cgroup" + line.mid(3).trimmed();
        bool limited = false;
        const qint64 max =
            fileContent((folder + "/memory.max").constData()).trimmed().toLongLong(&limited);
        bool known = false;
        const qint64 current =
            fileContent((folder + "/memory.current").constData()).trimmed().toLongLong(&known);
        if (limited && known)
            return std::max<qint64>(0, max - current);
    }
    return kUnlimited;
}

} // namespace

qint64 allocatableBytes()
{
    qint64 room = kUnlimited;
    const qint64 available = procValue(fileContent("/proc/meminfo"), "MemAvailable");
    if (available >= 0)
        room = available;
#ifdef Q_OS_UNIX
    const QByteArray status = fileContent("/proc/self/status");
    room = std::min(room, roomUnderLimit(RLIMIT_AS, procValue(status, "VmSize")));
    room = std::min(room, roomUnderLimit(RLIMIT_DATA, procValue(status, "VmData")));
#endif
    return std::min(room, roomInControlGroup());
}

} // namespace core
