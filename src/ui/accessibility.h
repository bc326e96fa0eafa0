#pragma once

class QWidget;

namespace ui {

// Gives every control of a window that has no accessible name yet one a screen reader can
// say: its caption, the label beside or above it, the frame it sits in, or the text it shows.
void nameControlsForAccessibility(QWidget &window);

} // namespace ui
