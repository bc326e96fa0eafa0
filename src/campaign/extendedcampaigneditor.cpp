#include "extendedcampaigneditor.h"

#include "ui/exacttextedit.h"
#include "ui/host.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace campaign {
namespace {

// Ends 1 to 3 on the left, 4 to 6 on the right, each box beside its check box.
struct EndControls
{
    QString check;
    QString target;
};
const std::array<EndControls, ExtendedCampaignEditor::kEnds> kEndControls = {{
    {u"Check1"_s, u"Text5"_s},
    {u"Check2"_s, u"Text6"_s},
    {u"Check3"_s, u"Text7"_s},
    {u"Check4"_s, u"Text8"_s},
    {u"Check5"_s, u"Text9"_s},
    {u"Check6"_s, u"Text10"_s},
}};

} // namespace

ExtendedCampaignEditor::ExtendedCampaignEditor(const ui::DialogContext &context)
    : CampaignEditor(context)
{
    setObjectName(u"Form7"_s);
    setWindowTitle(u"Kampagnen Editor (erweitert)"_s);

    auto *form = new QFormLayout;
    // Each label beside its field, so that the window fits a small screen.
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_campaignName = addField(*form, ui::named(new QLabel(u"Name der Kampagne"_s), u"Label1"_s),
                              ui::named(new QLineEdit, u"Text1"_s));
    m_folder =
        addField(*form, ui::named(new QLabel(u"Name des Ordners / *.pbo Datei"_s), u"Label2"_s),
                 ui::named(new QLineEdit, u"Text2"_s));
    m_count = addField(*form, ui::named(new QLabel(u"Anzahl der Missionen"_s), u"Label3"_s),
                       ui::named(new QLineEdit, u"Text3"_s));
    m_missionLabel = ui::named(new QLabel(m_model.missionCaption()), u"Label4"_s);
    m_missionName = addField(*form, m_missionLabel, ui::named(new QLineEdit, u"Text4"_s));
    m_island = addField(*form, ui::named(new QLabel(u"Name der Insel"_s), u"Label5"_s),
                        ui::named(new QLineEdit, u"Text12"_s));

    auto *ends = new QGridLayout;
    for (int i = 0; i < kEnds; ++i) {
        const QString caption = u"Ende "_s + QString::number(i + 1);
        m_endChecks[i] = ui::named(new QCheckBox(caption), kEndControls[i].check);
        m_endTargets[i] = ui::named(new QLineEdit, kEndControls[i].target);
        const int row = i % 3;
        const int column = (i / 3) * 2;
        ends->addWidget(m_endChecks[i], row, column);
        ends->addWidget(m_endTargets[i], row, column + 1);
        connect(m_endChecks[i], &QCheckBox::toggled, this,
                [this, i](bool checked) { onEndToggled(i, checked); });
    }

    m_addButton = ui::named(new QPushButton(u"Hinzufügen"_s), u"Command1"_s);
    auto *resetButton = ui::named(new QPushButton(u"Reset"_s), u"Command2"_s);
    auto *entryButtons = new QHBoxLayout;
    entryButtons->addWidget(m_addButton);
    entryButtons->addWidget(resetButton);

    m_result = ui::ExactTextEdit::forScript(u"Text11"_s);
    auto *saveButton = ui::named(new QPushButton(u"Erstelle Script Datei"_s), u"Command3"_s);
    auto *transferButton =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s), u"Command4"_s);
    auto *closeButton = ui::named(new QPushButton(u"Schließen"_s), u"Command5"_s);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addSpacing(6);
    left->addLayout(ends);
    left->addSpacing(6);
    left->addLayout(entryButtons);
    finishLayout(left, {saveButton, transferButton, closeButton}, QSize(820, 560));

    connect(m_addButton, &QPushButton::clicked, this, &ExtendedCampaignEditor::addMission);
    connect(resetButton, &QPushButton::clicked, this, &ExtendedCampaignEditor::reset);

    // The result stays locked until the first campaign is complete.
    ui::setLocked(*m_result, true);
    resetEnds();
}

void ExtendedCampaignEditor::resetEnds()
{
    // "Ende 1" on, "Ende 2" can be switched on, the others wait for the end before them.
    for (int i = 1; i < kEnds; ++i)
        ui::setLocked(*m_endTargets[i], true);
    m_endChecks[1]->setEnabled(true);
    for (int i = 2; i < kEnds; ++i)
        m_endChecks[i]->setEnabled(false);
    m_endChecks[0]->setChecked(true);
    m_endChecks[1]->setChecked(false);
}

void ExtendedCampaignEditor::onEndToggled(int index, bool checked)
{
    QLineEdit *target = m_endTargets[index];
    QCheckBox *next = index + 1 < kEnds ? m_endChecks[index + 1] : nullptr;
    ui::setLocked(*target, !checked);
    target->setEnabled(checked);
    if (checked) {
        if (next)
            next->setEnabled(true);
        return;
    }
    target->clear();
    if (next) {
        next->setEnabled(false);
        // Switches off every later end in turn through its own handler.
        next->setChecked(false);
    }
}

void ExtendedCampaignEditor::addMission()
{
    // An end that is switched off has an empty box and so an empty target.
    const MissionEntry mission{m_missionName->text(),   m_endTargets[0]->text(),
                               m_endTargets[1]->text(), m_endTargets[2]->text(),
                               m_endTargets[3]->text(), m_endTargets[4]->text(),
                               m_endTargets[5]->text(), m_island->text()};
    const ExtendedCampaignModel::Addition addition = m_model.add(m_count->text(), mission);
    if (addition == ExtendedCampaignModel::Addition::Refused)
        m_host.message(u"Fehler"_s, ExtendedCampaignModel::kTooMany, ui::Buttons::Ok,
                       ui::Icon::Critical);
    if (addition != ExtendedCampaignModel::Addition::Added &&
        addition != ExtendedCampaignModel::Addition::Complete)
        return;

    showState();
    // The island and the switched-on ends carry over to the next mission.
    m_missionName->clear();
    for (QLineEdit *target : m_endTargets)
        target->clear();
    if (addition == ExtendedCampaignModel::Addition::Complete) {
        m_result->setText(m_model.description(m_campaignName->text(), m_folder->text()));
        ui::setLocked(*m_result, false);
    }
}

void ExtendedCampaignEditor::reset()
{
    m_model.reset();
    showState();
    for (QLineEdit *box : {m_campaignName, m_folder, m_count, m_missionName, m_island})
        box->clear();
    for (QLineEdit *target : m_endTargets)
        target->clear();
    // The result keeps its look: once a campaign was complete it stays editable.
    m_result->setText(QString());
    resetEnds();
}

void ExtendedCampaignEditor::showState()
{
    m_addButton->setEnabled(!m_model.complete());
    for (QLineEdit *box : {m_campaignName, m_folder, m_count})
        ui::setLocked(*box, m_model.fieldsLocked());
    m_missionLabel->setText(m_model.missionCaption());
}

} // namespace campaign
