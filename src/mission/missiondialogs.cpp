#include "missiondialogs.h"

namespace mission {

QWidget *createSoundEditor(const ui::DialogContext &)
{
    return nullptr;
}

QWidget *createWeaponsEditor(const ui::DialogContext &)
{
    return nullptr;
}

} // namespace mission
