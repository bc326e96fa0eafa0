#pragma once

#include "textfile.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

namespace core {

// Several files that belong together, put in place together: each is written whole beside
// its target first, and only when every one of them is complete do they take the targets'
// places. A failure on the way (a target that is no save target, a folder that takes no new
// file, a full disk, a source that cannot be read) leaves every target as it was.
class FileBatch
{
public:
    FileBatch();
    ~FileBatch();
    FileBatch(const FileBatch &) = delete;
    FileBatch &operator=(const FileBatch &) = delete;

    // The text in Windows-1252, as every save writes it.
    void addText(const QString &path, QStringView text,
                 FinalLineEnd finalLineEnd = FinalLineEnd::CrLf);
    // The bytes of a regular file, as they are.
    void addCopy(const QString &path, const QString &source);
    // False when anything failed; failedPath() then names the first target that failed.
    bool commit();
    QString failedPath() const { return m_failedPath; }

private:
    void fail(const QString &path);

    std::vector<std::pair<QString, std::unique_ptr<TextFileWriter>>> m_files;
    QString m_failedPath;
};

} // namespace core
