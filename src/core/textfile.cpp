#include "textfile.h"

#include "codepage.h"

#include <QFileInfo>
#include <QSaveFile>

namespace core {

bool writeTextFile(const QString &path, const QString &text, const WriteProgress &progress)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QByteArray bytes = toCp1252(text);
    bytes.append("\r\n", 2);

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
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

} // namespace core
