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

    QLineEdit *m_campaignName;
    QLineEdit *m_folder;
    QLineEdit *m_count;
    QLineEdit *m_island;
};

} // namespace campaign
