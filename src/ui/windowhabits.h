#pragma once

#include <QSize>

class QWidget;

namespace ui {

// What the keyboard does in every window of the program beyond what each control does:
// Enter and Return click the focused push button, and in a tool window Escape closes it as
// its close box does.
enum class EscapeCloses { No, Yes };
void installKeyboardHabits(QWidget &window, EscapeCloses escape);

// Room a window's frame and title bar take around its contents, in logical pixels.
inline constexpr QSize kWindowFrame{16, 40};

// The size a window takes on a screen whose work area is that big: as asked for, but small
// enough for the work area with the window's frame, and never below its minimum.
QSize fittedSize(QSize wanted, QSize minimum, QSize workArea);
// Shrinks the window, not below its minimum, so that it fits the screen it opens on.
void fitIntoScreen(QWidget &window);

} // namespace ui
