#pragma once

#include <QObject>
#include <QString>

namespace ui {

class Host;

// The folder of the mission the user works on, where the tools write their files beside
// the program's own road. Chosen once and remembered across runs; a folder that has gone or
// cannot be written into counts as not chosen, and the status bar says why.
class MissionFolder : public QObject
{
    Q_OBJECT
public:
    static inline const QString kDialogTitle = QStringLiteral("Missionsordner wählen");

    // Starts with the folder remembered from the last run.
    explicit MissionFolder(QObject *parent = nullptr);

    // The folder as last chosen, in the platform's form; empty when none was ever chosen.
    QString path() const;
    // Why the folder cannot take files; empty when it can, or when none was chosen.
    QString problem() const;
    bool isUsable() const { return !m_path.isEmpty() && problem().isEmpty(); }
    // What the status bar shows.
    QString statusText() const;

    // Asks for a folder and remembers it when it can take files; otherwise says why and keeps
    // the one before. False on Cancel and for a folder that cannot take files.
    bool choose(Host &host);
    // The folder to write into, in the form the file functions take; asks for one first when
    // none is usable. Empty when the user cancels or chooses one that cannot take files.
    QString folderToWrite(Host &host);
    // Looks at the folder again and tells the status bar when anything changed.
    void recheck();

signals:
    void changed();

private:
    QString m_path; // with '/' separators
    QString m_shown;
};

} // namespace ui
