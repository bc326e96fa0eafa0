#pragma once

#include <QString>

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

} // namespace ui
