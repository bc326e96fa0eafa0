#pragma once

#include <QString>

namespace ui {
class Host;
}

namespace editor {

class MainTextEdit;

// Öffnen, Speichern unter... and Speichern: the main text to and from files the user picks.
// Every failure ends a command silently; the paths are remembered before the file is touched.
class FileCommands
{
public:
    FileCommands(ui::Host &host, MainTextEdit &mainText);

    void open();
    void saveAs();
    void save();

    const QString &openedPath() const { return m_openedPath; }
    const QString &saveAsPath() const { return m_saveAsPath; }

    static inline const QString kFilter = QStringLiteral("Alle Dateien (*.*)|*");

private:
    ui::Host &m_host;
    MainTextEdit &m_mainText;
    QString m_openedPath;
    QString m_saveAsPath;
};

} // namespace editor
