#pragma once

#include "ui/dialogslot.h"

#include <QString>

#include <vector>

namespace app {

// One tool dialog as the main window offers it.
struct ToolDialog
{
    QString menuItem; // objectName of the Tools menu item
    QString caption;  // its text
    QString form;     // objectName of the dialog window
    ui::DialogFactory factory;
};

// The Tools menu, in its order.
const std::vector<ToolDialog> &toolDialogs();

// The order in which the close button shuts the open dialogs.
const QStringList &closeOrder();

} // namespace app
