#pragma once

#include <QString>

namespace ui {
class Host;
}

namespace editor {

class MainTextEdit;

// Öffnen, Speichern unter... and Speichern: the main text to and from files the user picks.
// Every failure ends a command silently; the paths are remembered before the file is touched.
// Only regular files are opened and saved; a file too big for the memory left is refused
// before it is read, and the main text stays as it was.
class FileCommands
{
public:
    FileCommands(ui::Host &host, MainTextEdit &mainText);

    // Whether a file was read into the main text.
    bool open();
    // Whether the main text was written to the chosen file.
    bool saveAs();
    void save();

    const QString &openedPath() const { return m_openedPath; }
    const QString &saveAsPath() const { return m_saveAsPath; }

    static inline const QString kFilter = QStringLiteral("Alle Dateien (*.*)|*");

    // Whether a file of this size can be read into the main text with the memory left.
    static bool fitsInMemory(qint64 fileBytes);

private:
    // Writes the main text to the file; false when that failed.
    bool write(const QString &path) const;

    ui::Host &m_host;
    MainTextEdit &m_mainText;
    QString m_openedPath;
    QString m_saveAsPath;
};

} // namespace editor
