#pragma once

class QWidget;

namespace ui {

// Lifts the toolkit's limit of 32 767 characters from every single-line field inside the
// window, the fields of editable combo boxes included. The program uses every field's text
// as typed, and a longer paste would otherwise be cut short without a word.
void allowLongText(QWidget &window);

} // namespace ui
