#include "extendedcampaigneditor.h"

#include "campaign/description.h"
#include "campaign/missioncount.h"
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

QLabel *makeLabel(int number, const QString &caption)
{
    auto *label = new QLabel(caption);
    label->setObjectName(u"Label"_s + QString::number(number));
    return label;
}

QLineEdit *makeEdit(int number)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(u"Text"_s + QString::number(number));
    return edit;
}

QLineEdit *addField(QFormLayout &form, QLabel *label, int number)
{
    QLineEdit *edit = makeEdit(number);
    label->setBuddy(edit);
    form.addRow(label, edit);
    return edit;
}

QString missionCaption(int number)
{
    return u"Name der "_s + QString::number(number) + u". Mission"_s;
}

} // namespace

ExtendedCampaignEditor::ExtendedCampaignEditor(const ui::DialogContext &context)
    : CampaignEditor(context, u"Form7"_s, u"Kampagnen Editor (erweitert)"_s)
{

    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_campaignName = addField(*form, makeLabel(1, u"Name der Kampagne"_s), 1);
    m_folder = addField(*form, makeLabel(2, u"Name des Ordners / *.pbo Datei"_s), 2);
    m_count = addField(*form, makeLabel(3, u"Anzahl der Missionen"_s), 3);
    m_missionLabel = makeLabel(4, missionCaption(1));
    m_missionName = addField(*form, m_missionLabel, 4);
    m_island = addField(*form, makeLabel(5, u"Name der Insel"_s), 12);

    // Ends 1 to 3 on the left, 4 to 6 on the right, each box under its check box.
    auto *ends = new QGridLayout;
    for (int i = 0; i < kEnds; ++i) {
        auto *check = new QCheckBox(u"Ende "_s + QString::number(i + 1));
        check->setObjectName(u"Check"_s + QString::number(i + 1));
        QLineEdit *target = makeEdit(5 + i);
        const int row = (i % 3) * 2;
        const int column = i / 3;
        ends->addWidget(check, row, column);
        ends->addWidget(target, row + 1, column);
        m_endChecks[i] = check;
        m_endTargets[i] = target;
        connect(check, &QCheckBox::toggled, this,
                [this, i](bool checked) { onEndToggled(i, checked); });
    }

    m_addButton = ui::named(new QPushButton(u"Hinzufügen"_s), u"Command1"_s);
    auto *resetButton = ui::named(new QPushButton(u"Reset"_s), u"Command2"_s);

    auto *entryButtons = new QHBoxLayout;
    entryButtons->addWidget(m_addButton);
    entryButtons->addWidget(resetButton);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addSpacing(6);
    left->addLayout(ends);
    left->addSpacing(6);
    left->addLayout(entryButtons);
    finishLayout(left, u"Text11"_s, u"Command3"_s, u"Command5"_s, QSize(820, 560));

    connect(m_addButton, &QPushButton::clicked, this, &ExtendedCampaignEditor::addMission);
    connect(resetButton, &QPushButton::clicked, this, &ExtendedCampaignEditor::reset);

    startAfresh();
}

void ExtendedCampaignEditor::startAfresh()
{
    for (int i = 1; i < kEnds; ++i)
        ui::setLocked(*m_endTargets[i], true);
    // The result stays locked until the first campaign is complete.
    ui::setLocked(*m_result, true);
    m_endChecks[1]->setEnabled(true);
    for (int i = 2; i < kEnds; ++i)
        m_endChecks[i]->setEnabled(false);
    m_missionCount = 0;
    m_missionBlocks.clear();
    m_firstMission.clear();
    m_endChecks[0]->setChecked(true);
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
    // A count that is no number or 0 lets the click pass unnoticed; any size above 500 is
    // refused, any negative one collects without end.
    const QString countText = m_count->text();
    const std::optional<double> number = readMissionNumber(countText);
    if (!number || *number == 0.0)
        return;
    if (*number > kMaxCollectedMissions) {
        m_host.message(u"Fehler"_s, u"Nicht mehr als 500 Missionen"_s, ui::Buttons::Ok,
                       ui::Icon::Critical);
        return;
    }

    ++m_missionCount;
    ui::setLocked(*m_campaignName, true);
    ui::setLocked(*m_folder, true);
    ui::setLocked(*m_count, true);
    m_missionLabel->setText(missionCaption(m_missionCount + 1));

    // An end that is switched off has an empty box and so an empty target.
    const MissionEntry mission{m_missionName->text(),   m_endTargets[0]->text(),
                               m_endTargets[1]->text(), m_endTargets[2]->text(),
                               m_endTargets[3]->text(), m_endTargets[4]->text(),
                               m_endTargets[5]->text(), m_island->text()};
    if (m_missionCount == 1)
        m_firstMission = mission.name;
    m_missionBlocks.append(buildMissionBlock(mission));

    // The island and the switched-on ends carry over to the next mission.
    m_missionName->clear();
    for (QLineEdit *target : m_endTargets)
        target->clear();

    if (countReached(countText, m_missionCount))
        complete();
}

void ExtendedCampaignEditor::complete()
{
    m_missionLabel->setText(u"Fertig"_s);
    m_addButton->setEnabled(false);
    m_result->setText(assembleDescription(m_campaignName->text(), m_folder->text(), m_firstMission,
                                          m_missionBlocks));
    ui::setLocked(*m_result, false);
}

void ExtendedCampaignEditor::reset()
{
    m_addButton->setEnabled(true);
    m_missionBlocks.clear();
    m_missionCount = 0;
    m_firstMission.clear();
    ui::setLocked(*m_campaignName, false);
    ui::setLocked(*m_folder, false);
    ui::setLocked(*m_count, false);
    m_missionLabel->setText(missionCaption(1));
    for (QLineEdit *box : {m_campaignName, m_folder, m_count, m_missionName, m_island})
        box->clear();
    for (QLineEdit *target : m_endTargets)
        target->clear();
    // The result keeps its look: once a campaign was complete it stays editable.
    m_result->setText(QString());
    for (int i = 1; i < kEnds; ++i)
        ui::setLocked(*m_endTargets[i], true);
    m_endChecks[1]->setEnabled(true);
    for (int i = 2; i < kEnds; ++i)
        m_endChecks[i]->setEnabled(false);
    m_endChecks[0]->setChecked(true);
    m_endChecks[1]->setChecked(false);
}

} // namespace campaign
