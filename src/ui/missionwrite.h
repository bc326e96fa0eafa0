#pragma once

#include <QString>

#include <functional>

class QPushButton;

namespace ui {

struct DialogContext;

// What writing into the mission folder came to: ok, with what the status bar says (what was
// written where, or why nothing was); or not, with the message that says what stopped it.
struct MissionWrite
{
    bool ok = false;
    QString text;
};

// The button beside a tool's "Erstelle …" button.
QPushButton *writeToMissionFolderButton();

// Asks for the mission folder when none can take files, runs the write there and tells the
// outcome: in the main window's status bar, or after a failure in a message (title "Fehler").
// Nothing is written when the user cancels the choice of the folder. Returns whether the
// write ran and went well.
bool writeToMissionFolder(const DialogContext &context,
                          const std::function<MissionWrite(const QString &folder)> &write);

} // namespace ui
