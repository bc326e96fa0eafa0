#include "campaigneditor.h"

#include "check/descriptionfile.h"
#include "ui/exacttextedit.h"
#include "ui/missionwrite.h"
#include "ui/programfolder.h"
#include "ui/transfer.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace campaign {

CampaignEditor::CampaignEditor(const ui::DialogContext &context)
    : m_context(context), m_host(context.host), m_mainText(context.mainText)
{}

QLineEdit *CampaignEditor::addField(QFormLayout &form, QLabel *label, QLineEdit *field)
{
    label->setBuddy(field);
    form.addRow(label, field);
    return field;
}

void CampaignEditor::finishLayout(QVBoxLayout *left, const ResultButtons &buttons,
                                  const QSize &size)
{
    left->addStretch(1);
    auto *missionButton = ui::writeToMissionFolderButton();
    auto *appendButton = ui::appendToMainWindowButton();
    left->addWidget(buttons.save);
    left->addWidget(missionButton);
    left->addWidget(buttons.transfer);
    left->addWidget(appendButton);
    left->addWidget(buttons.close);

    m_result->setMinimumSize(300, 200);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addWidget(ui::resultFrame(*m_result), 1);
    resize(size);

    connect(buttons.save, &QPushButton::clicked, this, &CampaignEditor::save);
    connect(missionButton, &QPushButton::clicked, this, &CampaignEditor::writeToMissionFolder);
    connect(buttons.transfer, &QPushButton::clicked, this, &CampaignEditor::transfer);
    connect(appendButton, &QPushButton::clicked, this,
            [this] { ui::appendToMainText(m_mainText, m_result->text()); });
    connect(buttons.close, &QPushButton::clicked, this, &QWidget::close);
}

void CampaignEditor::save()
{
    ui::saveToProgramFolder(m_host, u"description.ext"_s, m_result->text());
}

void CampaignEditor::writeToMissionFolder()
{
    ui::writeToMissionFolder(m_context, [this](const QString &folder) {
        const check::DescriptionWrite done = check::writeIntoDescription(folder, m_result->text());
        return ui::MissionWrite{done.ok(), done.text};
    });
}

void CampaignEditor::transfer()
{
    ui::transferToMainWindow(
        *this, m_host, m_mainText, m_result->text(),
        u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s,
        ui::AfterCancel::Close);
}

} // namespace campaign
