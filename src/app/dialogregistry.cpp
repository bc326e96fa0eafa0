#include "dialogregistry.h"

#include "briefing/briefingdialogs.h"
#include "campaign/campaigndialogs.h"
#include "mission/missiondialogs.h"
#include "tools/tooldialogs.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace app {

const std::vector<ToolDialog> &toolDialogs()
{
    static const std::vector<ToolDialog> dialogs = {
        {u"briefing"_s, u"Briefing Editor"_s, u"Form4"_s, &briefing::createBriefingEditor},
        {u"overview"_s, u"Overview Editor"_s, u"Form5"_s, &briefing::createOverviewEditor},
        {u"sound"_s, u"Sound Editor"_s, u"Form6"_s, &mission::createSoundEditor},
        {u"bdpcalc"_s, u"BDP Rechner"_s, u"Form2"_s, &tools::createBombDropCalculator},
        {u"campaign_lite"_s, u"Kampagnen Editor (einfach)"_s, u"Form3"_s,
         &campaign::createSimpleCampaignEditor},
        {u"campaign_pro"_s, u"Kampagnen Editor (erweitert)"_s, u"Form7"_s,
         &campaign::createExtendedCampaignEditor},
        {u"weapon"_s, u"Waffen und Munitions Editor"_s, u"Form8"_s, &mission::createWeaponsEditor},
        {u"artillery"_s, u"Artilleriebeschuss"_s, u"Form9"_s, &tools::createArtilleryDialog},
    };
    return dialogs;
}

const QStringList &closeOrder()
{
    static const QStringList order = {u"Form8"_s, u"Form7"_s, u"Form6"_s, u"Form5"_s,
                                      u"Form4"_s, u"Form3"_s, u"Form2"_s, u"Form9"_s};
    return order;
}

} // namespace app
