#pragma once

#include <QSettings>
#include <QString>

namespace ui {

// The program's settings, the one place that opens them: under the program's own name, so
// that they do not depend on what the running executable is called.
QSettings settings();

// Where the main text is kept for "Letzten Text wiederherstellen": in the program's data
// folder of the user.
QString recoveryFilePath();

} // namespace ui
