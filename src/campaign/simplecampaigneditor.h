#pragma once

#include "campaigneditor.h"

class QLineEdit;

namespace campaign {

// "Kampagnen Editor (einfach)": a campaign whose missions follow one another in a straight
// chain, built from the mission names alone.
class SimpleCampaignEditor : public CampaignEditor
{
    Q_OBJECT
public:
    explicit SimpleCampaignEditor(const ui::DialogContext &context);

private:
    void generate();

    QLineEdit *m_campaignName = nullptr;
    QLineEdit *m_folder = nullptr;
    QLineEdit *m_count = nullptr;
    QLineEdit *m_island = nullptr;
};

} // namespace campaign
