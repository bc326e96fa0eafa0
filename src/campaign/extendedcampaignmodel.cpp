#include "extendedcampaignmodel.h"

#include "core/numbers.h"
#include "missioncount.h"

using namespace Qt::StringLiterals;

namespace campaign {

ExtendedCampaignModel::Addition ExtendedCampaignModel::add(const QString &countText,
                                                           const MissionEntry &mission)
{
    // A count that is no number or 0 lets the click pass unnoticed; any size above 500 is
    // refused, any negative one collects without end.
    const std::optional<double> number = core::readNumber(countText);
    if (!number || *number == 0.0 || m_complete)
        return Addition::Ignored;
    if (*number > kMaxCollectedMissions)
        return Addition::Refused;

    ++m_missionCount;
    if (m_missionCount == 1)
        m_firstMission = mission.name;
    m_missionBlocks.append(buildMissionBlock(mission));
    m_complete = countReached(countText, m_missionCount);
    return m_complete ? Addition::Complete : Addition::Added;
}

void ExtendedCampaignModel::reset()
{
    m_missionCount = 0;
    m_complete = false;
    m_missionBlocks.clear();
    m_firstMission.clear();
}

QString ExtendedCampaignModel::missionCaption() const
{
    return m_complete ? u"Fertig"_s
                      : u"Name der "_s + QString::number(m_missionCount + 1) + u". Mission"_s;
}

QString ExtendedCampaignModel::description(const QString &campaignName, const QString &folder) const
{
    return assembleDescription(campaignName, folder, m_firstMission, m_missionBlocks);
}

} // namespace campaign
