#pragma once

#include <QString>

namespace briefing {

// What writing the overview into the mission folder does with its picture, which the page
// names by its bare file name and which so must lie beside it.
struct PictureCopy
{
    enum class Step {
        None,       // no picture named, or it is there already
        Copy,       // copy the chosen picture there
        AskReplace, // copy it, but another file of that name is there: ask first
        Vanished,   // the chosen picture is gone since it was chosen
        NotThere,   // the picture is not there, and there is no chosen one to copy
    };
    Step step = Step::None;
    QString source; // the chosen picture
    QString target; // where the page expects it
    QString name;   // as the picture field holds it
};

// The picture field's name, the picture as chosen in the file dialog (empty when none was
// chosen), and the mission folder. A chosen picture counts only while the field still names
// it; a name that is no bare file name is never looked for, nor written.
PictureCopy planPictureCopy(const QString &name, const QString &chosen, const QString &folder);

// The folder to show the picture from: the mission folder once the picture lies there, else
// the folder it was chosen in.
QString pictureFolder(const QString &name, const QString &chosen, const QString &missionFolder);

} // namespace briefing
