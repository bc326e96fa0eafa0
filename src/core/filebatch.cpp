#include "filebatch.h"

#include <QFile>

namespace core {

FileBatch::FileBatch() = default;
FileBatch::~FileBatch() = default; // files not put in place are thrown away

void FileBatch::fail(const QString &path)
{
    if (m_failedPath.isEmpty())
        m_failedPath = path;
}

void FileBatch::addText(const QString &path, QStringView text, FinalLineEnd finalLineEnd)
{
    auto writer = std::make_unique<TextFileWriter>(path, WriteProgress(), finalLineEnd);
    writer->append(text);
    m_files.emplace_back(path, std::move(writer));
}

void FileBatch::addCopy(const QString &path, const QString &source)
{
    auto writer = std::make_unique<TextFileWriter>(path, WriteProgress(), FinalLineEnd::None);
    QFile file;
    if (!openRegularFile(file, source)) {
        fail(path);
    } else {
        constexpr qint64 kPiece = 1 << 20;
        while (!file.atEnd()) {
            const QByteArray piece = file.read(kPiece);
            if (piece.isEmpty()) {
                fail(path);
                break;
            }
            writer->appendBytes(piece);
        }
    }
    m_files.emplace_back(path, std::move(writer));
}

bool FileBatch::commit()
{
    for (auto &[path, writer] : m_files) {
        if (!writer->finish())
            fail(path);
    }
    if (!m_failedPath.isEmpty())
        return false;
    // Renames only, from here on: what could still fail is all but impossible.
    for (auto &[path, writer] : m_files) {
        if (!writer->commit())
            fail(path);
    }
    m_files.clear();
    return m_failedPath.isEmpty();
}

} // namespace core
