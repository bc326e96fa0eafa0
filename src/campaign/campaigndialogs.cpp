#include "campaigndialogs.h"

#include "campaign/extendedcampaigneditor.h"
#include "campaign/simplecampaigneditor.h"

namespace campaign {

QWidget *createSimpleCampaignEditor(const ui::DialogContext &context)
{
    return new SimpleCampaignEditor(context);
}

QWidget *createExtendedCampaignEditor(const ui::DialogContext &context)
{
    return new ExtendedCampaignEditor(context);
}

} // namespace campaign
