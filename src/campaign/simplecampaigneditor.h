#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

class QLineEdit;

namespace ui {
class ExactTextEdit;
}

namespace campaign {

// "Kampagnen Editor (einfach)": a campaign whose missions follow one another in a straight
// chain, built from the mission names alone.
class SimpleCampaignEditor : public QWidget
{
    Q_OBJECT
public:
    explicit SimpleCampaignEditor(const ui::DialogContext &context);

private:
    void generate();
    void save();
    void transfer();

    ui::Host &m_host;
    ui::MainText &m_mainText;
    QLineEdit *m_campaignName;
    QLineEdit *m_folder;
    QLineEdit *m_count;
    QLineEdit *m_island;
    ui::ExactTextEdit *m_result;
};

} // namespace campaign
