#include "readfilepart.h"

#include "core/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QtNumeric>

#include <limits>

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

} // namespace

std::optional<QString> ReadFilePart(const QString &path, qint32 start, qint32 length)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
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

    if (!file.seek(qint64(s) - 1))
        return std::nullopt;
    const QByteArray bytes = file.read(n);
    if (bytes.size() != n)
        return std::nullopt;
    return core::fromCp1252(bytes);
}
