#include "description.h"

using namespace Qt::StringLiterals;

namespace campaign {
namespace {

QString head(const QString &campaignName, const QString &folder, const QString &firstMission)
{
    QString text = u"class MissionDefault\r\n"
                   "{\r\n"
                   " lives = -1;\r\n"
                   " lost = ;\r\n"
                   " end1 = ;\r\n"
                   " end2 = ;\r\n"
                   " end3 = ;\r\n"
                   " end4 = ;\r\n"
                   " end5 = ;\r\n"
                   " end6 = ;\r\n"
                   "};\r\n"
                   "\r\n"
                   "class Campaign\r\n"
                   "{\r\n"_s;
    text += u" name = \""_s + campaignName + u"\";\r\n"_s;
    text += u" FirstBattle = "_s + folder + u";\r\n\r\n"_s;
    text += u" class "_s + folder + u"\r\n {\r\n"_s;
    text += u"  name = \""_s + folder + u"\";\r\n"_s;
    text += u"  cutscene = ;\r\n"_s;
    text += u"  firstMission = "_s + firstMission + u";\r\n"_s;
    // The battle has no ends of its own; losing it leads back to the campaign's folder.
    text += u"  end1 = ;\r\n"
            "  end2 = ;\r\n"
            "  end3 = ;\r\n"
            "  end4 = ;\r\n"
            "  end5 = ;\r\n"
            "  end6 = ;\r\n"_s;
    text += u"  lost = \""_s + folder + u"\";\r\n\r\n"_s;
    return text;
}

const QString kTail = u" };\r\n};\r\n"_s;

} // namespace

QString buildMissionBlock(const MissionEntry &mission)
{
    QString block;
    auto line = [&block](QStringView left, const QString &value) {
        block += left;
        block += value;
        block += u";\r\n";
    };
    block += u"  class "_s + mission.name + u": MissionDefault\r\n  {\r\n"_s;
    line(u"   end1 = ", mission.end1);
    line(u"   end2 = ", mission.end2);
    line(u"   end3 = ", mission.end3);
    line(u"   end4 = ", mission.end4);
    line(u"   end5 = ", mission.end5);
    line(u"   end6 = ", mission.end6);
    // Losing a mission replays it.
    line(u"   lost = ", mission.name);
    line(u"   template = ", mission.name + u'.' + mission.island);
    block += u"  };\r\n";
    return block;
}

QString assembleDescription(const QString &campaignName, const QString &folder,
                            const QString &firstMission, const QStringList &missionBlocks)
{
    QString text = head(campaignName, folder, firstMission);
    qsizetype size = text.size() + kTail.size();
    for (const QString &block : missionBlocks)
        size += block.size();
    text.reserve(size);
    for (const QString &block : missionBlocks)
        text += block;
    text += kTail;
    return text;
}

QString buildDescription(const CampaignDescription &description)
{
    QStringList blocks;
    blocks.reserve(description.missions.size());
    for (const MissionEntry &mission : description.missions)
        blocks.append(buildMissionBlock(mission));
    return assembleDescription(description.campaignName, description.folder,
                               description.firstMission, blocks);
}

CampaignDescription chainedCampaign(const QString &campaignName, const QString &folder,
                                    const QString &island, const QStringList &missionNames)
{
    CampaignDescription description{campaignName, folder, missionNames.value(0), {}};
    description.missions.reserve(missionNames.size());
    for (qsizetype k = 0; k < missionNames.size(); ++k) {
        const QString &name = missionNames[k];
        description.missions.append(
            {name, missionNames.value(k + 1), name, name, name, name, name, island});
    }
    return description;
}

} // namespace campaign
