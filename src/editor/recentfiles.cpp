#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

const QString kKey = u"recentFiles"_s;

// One name for each file, however the path was written.
QString canonical(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(const QStringList &paths)
{
    for (auto it = paths.crbegin(); it != paths.crend(); ++it)
        add(*it);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString file = canonical(path);
    m_paths.removeAll(file);
    m_paths.prepend(file);
    if (m_paths.size() > kMaxFiles)
        m_paths.resize(kMaxFiles);
}

void RecentFiles::remove(const QString &path)
{
    m_paths.removeAll(canonical(path));
}

RecentFiles RecentFiles::load(QSettings &settings)
{
    const QVariant stored = settings.value(kKey);
    return RecentFiles(stored.canConvert<QStringList>() ? stored.toStringList() : QStringList());
}

void RecentFiles::store(QSettings &settings) const
{
    settings.setValue(kKey, m_paths);
}

} // namespace editor
