#include "campaigndialogs.h"

namespace campaign {

QWidget *createSimpleCampaignEditor(const ui::DialogContext &)
{
    return nullptr;
}

QWidget *createExtendedCampaignEditor(const ui::DialogContext &)
{
    return nullptr;
}

} // namespace campaign
