#pragma once

#include "campaigneditor.h"

#include <QStringList>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace campaign {

// "Kampagnen Editor (erweitert)": a campaign entered mission by mission, each with its own
// island and a free target for every end it uses, so that campaigns can branch.
class ExtendedCampaignEditor : public CampaignEditor
{
    Q_OBJECT
public:
    explicit ExtendedCampaignEditor(const ui::DialogContext &context);

    static constexpr int kEnds = 6;

private:
    void startAfresh();
    void onEndToggled(int index, bool checked);
    void addMission();
    void complete();
    void reset();

    QLineEdit *m_campaignName;
    QLineEdit *m_folder;
    QLineEdit *m_count;
    QLabel *m_missionLabel;
    QLineEdit *m_missionName;
    QLineEdit *m_island;
    std::array<QCheckBox *, kEnds> m_endChecks{};
    std::array<QLineEdit *, kEnds> m_endTargets{};
    QPushButton *m_addButton;

    // The missions added since the dialog was opened or reset, each block as it was built
    // when its mission was added.
    int m_missionCount = 0;
    QStringList m_missionBlocks;
    QString m_firstMission;
};

} // namespace campaign
