#include "tooldialogs.h"

namespace tools {

QWidget *createBombDropCalculator(const ui::DialogContext &)
{
    return nullptr;
}

QWidget *createArtilleryDialog(const ui::DialogContext &)
{
    return nullptr;
}

} // namespace tools
