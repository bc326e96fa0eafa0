#include "readfilepart.h"

#include "core/codepage.h"
#include "core/textfile.h"

#include <QFile>
#include <QtNumeric>

#include <limits>
#include <new>

namespace {

// Each step is done in 32 bits; an overflow anywhere ends the call.
struct Int32
{
    bool overflow = false;

    qint32 add(qint32 a, qint32 b)
    {
        qint32 r = 0;
        overflow = overflow || qAddOverflow(a, b, &r);
        return r;
    }
    qint32 sub(qint32 a, qint32 b)
    {
        qint32 r = 0;
        overflow = overflow || qSubOverflow(a, b, &r);
        return r;
    }
    qint32 abs(qint32 a)
    {
        if (a == std::numeric_limits<qint32>::min()) {
            overflow = true;
            return 0;
        }
        return a < 0 ? -a : a;
    }
};

// Files of the system's own (under /proc or /sys) report the size 0 and yield their bytes
// all the same. They are read whole, up to this size; a bigger one is refused.
constexpr qint64 kMostUnsizedBytes = qint64(64) << 20;

std::optional<QString> readPart(const QString &path, qint32 start, qint32 length)
{
    QFile file;
    if (!core::openRegularFile(file, path))
        return std::nullopt;
    qint64 size = file.size();
    std::optional<QByteArray> whole;
    if (size == 0) {
        whole.emplace();
        constexpr qint64 kChunk = 64 * 1024;
        for (qint64 got = 1; got > 0;) {
            if (whole->size() > kMostUnsizedBytes)
                return std::nullopt;
            const qsizetype at = whole->size();
            whole->resize(at + kChunk);
            got = file.read(whole->data() + at, kChunk);
            if (got < 0)
                return std::nullopt;
            whole->resize(at + got);
        }
        size = whole->size();
    }
    if (size > std::numeric_limits<qint32>::max())
        return std::nullopt;
    const auto fileLength = static_cast<qint32>(size);

    Int32 i;
    qint32 n = length == 0 ? fileLength : length;
    qint32 s = start;
    if (s < 1) {
        s = fileLength;
        n = -i.abs(n);
    }
    if (i.overflow)
        return std::nullopt;
    if (s > fileLength && n < 0)
        return QString();
    if (n < 0) {
        n = i.abs(n);
        s = i.add(i.sub(s, n), 1);
        if (i.overflow)
            return std::nullopt;
        if (s < 1) {
            n = i.sub(i.sub(n, i.abs(s)), 1);
            s = 1;
        }
    }
    const qint32 last = i.sub(i.add(s, n), 1);
    if (i.overflow)
        return std::nullopt;
    if (last > fileLength)
        n = i.add(i.sub(fileLength, s), 1);
    if (i.overflow)
        return std::nullopt;
    if (n < 1)
        return QString();

    if (whole)
        return core::fromCp1252(QByteArrayView(*whole).sliced(s - 1, n));
    if (!file.seek(qint64(s) - 1))
        return std::nullopt;
    const QByteArray bytes = file.read(n);
    if (bytes.size() != n)
        return std::nullopt;
    return core::fromCp1252(bytes);
}

} // namespace

std::optional<QString> ReadFilePart(const QString &path, qint32 start, qint32 length)
{
    try {
        return readPart(path, start, length);
    } catch (const std::bad_alloc &) {
        return std::nullopt; // more than the program can hold
    }
}
