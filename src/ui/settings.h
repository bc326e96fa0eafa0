#pragma once

#include <QSettings>

namespace ui {

// The program's settings: the one place that opens them. Kept short-lived, so that every
// change is on the disk when the call that made it ends.
QSettings settings();

} // namespace ui
