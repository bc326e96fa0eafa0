#pragma once

#include <QStringList>

class QSettings;

namespace editor {

// The files the main text was last opened from or saved to, the newest first, each once.
class RecentFiles
{
public:
    static constexpr qsizetype kMaxFiles = 8;

    explicit RecentFiles(const QStringList &paths = {});

    const QStringList &paths() const { return m_paths; }
    // Puts the file first; the oldest beyond the eighth falls off.
    void add(const QString &path);
    void remove(const QString &path);

    // Kept in the settings, so that the list outlives the run; whatever the settings hold is
    // read as a list of paths or not at all.
    static RecentFiles load(QSettings &settings);
    void store(QSettings &settings) const;

private:
    QStringList m_paths;
};

} // namespace editor
