#pragma once

#include <QString>

class QFont;
class QWidget;

namespace ui {

// A new control with its name: the name tests and screen readers find it by.
template <typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// The locked look: a read-only box on the button-face grey. The open look: an editable
// box on the window background. Works on line edits and plain text edits.
void setLocked(QWidget &box, bool locked);

// Only the background, for boxes that are always read-only or that another rule locks.
void setGreyBackground(QWidget &box, bool grey);

bool isLocked(const QWidget &box);

// The font of the script boxes: Verdana 8.25 pt where installed, a plain sans-serif elsewhere.
QFont scriptFont();
// The font of the "..." toolbar button.
QFont monospaceFont();

} // namespace ui
