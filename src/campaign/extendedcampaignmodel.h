#pragma once

#include "description.h"

#include <QStringList>

namespace campaign {

// The extended campaign editor's rules, without the dialog: the missions are collected one
// at a time, and once as many are in as the count field says, the description is complete.
class ExtendedCampaignModel
{
public:
    static inline const QString kTooMany = QStringLiteral("Nicht mehr als 500 Missionen");

    enum class Addition {
        Ignored,  // the count is empty, no number or 0
        Refused,  // more than 500 missions announced: kTooMany is shown
        Added,    // one more mission
        Complete, // the mission whose number the count field reads: the campaign is done
    };

    // One click of "Hinzufügen": the count field's text and the mission as entered. Each
    // mission's block is fixed here; later changes to the fields do not alter it.
    Addition add(const QString &countText, const MissionEntry &mission);
    void reset();

    int missionCount() const { return m_missionCount; }
    bool complete() const { return m_complete; }
    // Campaign name, folder and count cannot change once a mission is in.
    bool fieldsLocked() const { return m_missionCount > 0; }
    // The caption above the mission name field.
    QString missionCaption() const;
    // The whole description of the collected missions, first mission first.
    QString description(const QString &campaignName, const QString &folder) const;

private:
    int m_missionCount = 0;
    bool m_complete = false;
    QStringList m_missionBlocks;
    QString m_firstMission;
};

} // namespace campaign
