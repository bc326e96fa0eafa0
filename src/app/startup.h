#pragma once

class QCoreApplication;

namespace app {

// What the program sets up before its first window: its name, under which its data folder
// is found, and the toolkit's own German texts (the buttons of message boxes, the file
// dialogs, the text boxes' context menus). Without the translations installed the program
// starts all the same, with the toolkit's English texts.
void prepareApplication(QCoreApplication &application);

} // namespace app
