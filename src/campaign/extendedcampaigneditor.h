#pragma once

#include "campaigneditor.h"
#include "extendedcampaignmodel.h"

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
    void onEndToggled(int index, bool checked);
    void addMission();
    void reset();
    void resetEnds();
    void showState();

    QLineEdit *m_campaignName = nullptr;
    QLineEdit *m_folder = nullptr;
    QLineEdit *m_count = nullptr;
    QLabel *m_missionLabel = nullptr;
    QLineEdit *m_missionName = nullptr;
    QLineEdit *m_island = nullptr;
    std::array<QCheckBox *, kEnds> m_endChecks{};
    std::array<QLineEdit *, kEnds> m_endTargets{};
    QPushButton *m_addButton = nullptr;

    ExtendedCampaignModel m_model;
};

} // namespace campaign
