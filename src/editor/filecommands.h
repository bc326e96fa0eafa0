#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace ui {
class Host;
}

namespace editor {

class MainTextEdit;

// Öffnen, Speichern unter... and Speichern: the main text to and from files the user picks.
// No command shows a message box: each tells its outcome in one line for the status bar, a
// failure with its reason, and a cancelled file dialog not at all. The paths are remembered
// before the file is touched. Only regular files are opened and saved; a file too big for the
// memory left is refused before it is read, and the main text stays as it was.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(ui::Host &host, MainTextEdit &mainText);

    void open();
    // Opens the file as Öffnen opens the one picked in its dialog.
    void openFile(const QString &path);
    void saveAs();
    void save();

    const QString &openedPath() const { return m_openedPath; }
    const QString &saveAsPath() const { return m_saveAsPath; }

    static inline const QString kFilter = QStringLiteral("Alle Dateien (*.*)|*");

    // Whether a file of this size can be read into the main text with the memory left.
    static bool fitsInMemory(qint64 fileBytes);

Q_SIGNALS:
    // The main text now holds the whole file.
    void opened(const QString &path);
    // The main text was written whole to each of these files.
    void saved(const QStringList &paths);
    // "Geöffnet: …", "Gespeichert: …", "Nicht gespeichert: … – reason" and the like.
    void reported(const QString &outcome);

private:
    // Writes the main text to the file; the reason when that failed, else an empty text.
    QString write(const QString &path) const;

    ui::Host &m_host;
    MainTextEdit &m_mainText;
    QString m_openedPath;
    QString m_saveAsPath;
};

} // namespace editor
