#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace ui {

class Host;
class MainText;

enum class AfterCancel { Close, StayOpen };

// Hands a dialog's result to the main window: asks with the warning (title "Hinweis", OK
// and Cancel, no icon) when the main text is not empty, replaces it on OK or when it was
// empty, and closes the dialog unless it was cancelled and should stay open. Returns
// whether the main text was replaced.
bool transferToMainWindow(QWidget &dialog, Host &host, MainText &mainText, const QString &result,
                          const QString &warning, AfterCancel afterCancel);

// The button beside "Schließen und Script übertragen".
QPushButton *appendToMainWindowButton();

// Adds a dialog's result to the end of the main text, asking nothing: with a line end between
// when the main text does not end in one. One step of the main text's undo; an empty result
// changes nothing.
void appendToMainText(MainText &mainText, const QString &result);

} // namespace ui
