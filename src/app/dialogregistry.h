#pragma once

#include "ui/dialogslot.h"

#include <QString>

#include <vector>

namespace app {

// The tool dialogs the main window opens, each at most once.
enum class Tool {
    BriefingEditor,
    OverviewEditor,
    SoundEditor,
    BombDrop,
    SimpleCampaign,
    ExtendedCampaign,
    WeaponsEditor,
    Artillery,
};

// One tool dialog as the Tools menu offers it.
struct ToolDialog
{
    Tool tool;
    QString menuItem; // objectName of the Tools menu item
    QString caption;  // its text
    ui::DialogFactory factory;
};

// The Tools menu, in its order.
const std::vector<ToolDialog> &toolDialogs();

// The order in which the close button shuts the open dialogs.
const std::vector<Tool> &closeOrder();

} // namespace app
