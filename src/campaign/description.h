#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace campaign {

// One mission class of a campaign. Every value goes into the text exactly as it is; an empty
// end is written as an empty assignment ("end1 = ;").
struct MissionEntry
{
    QString name;
    QString end1;
    QString end2;
    QString end3;
    QString end4;
    QString end5;
    QString end6;
    QString island;
};

// The campaign part of a description.ext: a default mission class and one battle, named
// after the folder, holding the missions in order.
struct CampaignDescription
{
    QString campaignName;
    QString folder;
    QString firstMission;
    QList<MissionEntry> missions;
};

// The eleven lines of one mission class, each ending in CR LF.
QString buildMissionBlock(const MissionEntry &mission);

// The whole description, every line (the last one too) ending in CR LF.
QString buildDescription(const CampaignDescription &description);

// The same text from mission blocks built earlier, in the order given. The extended editor
// builds each block when its mission is added and joins them here once at the end.
QString assembleDescription(const QString &campaignName, const QString &folder,
                            const QString &firstMission, const QStringList &missionBlocks);

// A straight chain: the first end of each mission leads to the next one, every other end
// replays the mission, and the last mission's first end is empty. All missions share the
// island.
CampaignDescription chainedCampaign(const QString &campaignName, const QString &folder,
                                    const QString &island, const QStringList &missionNames);

} // namespace campaign
