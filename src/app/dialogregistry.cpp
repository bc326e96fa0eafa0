#include "dialogregistry.h"

#include "briefing/briefingeditor.h"
#include "briefing/overvieweditor.h"
#include "campaign/extendedcampaigneditor.h"
#include "campaign/simplecampaigneditor.h"
#include "mission/soundeditor.h"
#include "mission/weaponseditor.h"
#include "tools/artillerydialog.h"
#include "tools/bombdropcalculator.h"

using namespace Qt::StringLiterals;

namespace app {
namespace {

template <typename Dialog> QWidget *makeDialog(const ui::DialogContext &context)
{
    return new Dialog(context);
}

// The bomb drop calculator hands nothing to the main text and writes no file: it needs only
// the host.
template <typename Dialog> QWidget *makeHostDialog(const ui::DialogContext &context)
{
    return new Dialog(context.host);
}

} // namespace

const std::vector<ToolDialog> &toolDialogs()
{
    static const std::vector<ToolDialog> dialogs = {
        {Tool::BriefingEditor, u"briefing"_s, u"Briefing Editor"_s,
         &makeDialog<briefing::BriefingEditor>},
        {Tool::OverviewEditor, u"overview"_s, u"Overview Editor"_s,
         &makeDialog<briefing::OverviewEditor>},
        {Tool::SoundEditor, u"sound"_s, u"Sound Editor"_s, &makeDialog<mission::SoundEditor>},
        {Tool::BombDrop, u"bdpcalc"_s, u"BDP Rechner"_s,
         &makeHostDialog<tools::BombDropCalculator>},
        {Tool::SimpleCampaign, u"campaign_lite"_s, u"Kampagnen Editor (einfach)"_s,
         &makeDialog<campaign::SimpleCampaignEditor>},
        {Tool::ExtendedCampaign, u"campaign_pro"_s, u"Kampagnen Editor (erweitert)"_s,
         &makeDialog<campaign::ExtendedCampaignEditor>},
        {Tool::WeaponsEditor, u"weapon"_s, u"Waffen und Munitions Editor"_s,
         &makeDialog<mission::WeaponsEditor>},
        {Tool::Artillery, u"artillery"_s, u"Artilleriebeschuss"_s,
         &makeDialog<tools::ArtilleryDialog>},
    };
    return dialogs;
}

const std::vector<Tool> &closeOrder()
{
    static const std::vector<Tool> order = {
        Tool::WeaponsEditor,  Tool::ExtendedCampaign, Tool::SoundEditor, Tool::OverviewEditor,
        Tool::BriefingEditor, Tool::SimpleCampaign,   Tool::BombDrop,    Tool::Artillery};
    return order;
}

} // namespace app
