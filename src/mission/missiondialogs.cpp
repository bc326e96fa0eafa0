#include "missiondialogs.h"

#include "soundeditor.h"
#include "weaponseditor.h"

namespace mission {

QWidget *createSoundEditor(const ui::DialogContext &context)
{
    return new SoundEditor(context);
}

QWidget *createWeaponsEditor(const ui::DialogContext &context)
{
    return new WeaponsEditor(context);
}

} // namespace mission
