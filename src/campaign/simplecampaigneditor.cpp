#include "simplecampaigneditor.h"

#include "campaign/description.h"
#include "campaign/missioncount.h"
#include "ui/exacttextedit.h"
#include "ui/host.h"
#include "ui/look.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace campaign {
namespace {

QLineEdit *addField(QFormLayout &form, int number, const QString &caption, const QString &text)
{
    auto *label = new QLabel(caption);
    label->setObjectName(u"Label"_s + QString::number(number));
    auto *edit = new QLineEdit(text);
    edit->setObjectName(u"Text"_s + QString::number(number));
    label->setBuddy(edit);
    form.addRow(label, edit);
    return edit;
}

} // namespace

SimpleCampaignEditor::SimpleCampaignEditor(const ui::DialogContext &context)
    : CampaignEditor(context, u"Form3"_s, u"Kampagnen Editor (einfach)"_s)
{

    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_campaignName = addField(*form, 1, u"Name der Kampagne"_s, u"Neue Kampagne"_s);
    m_folder = addField(*form, 2, u"Name des Ordners/*.pbo Datei"_s, u"kampagne"_s);
    m_count = addField(*form, 3, u"Anzahl der Missionen"_s, u"0"_s);
    m_island = addField(*form, 4, u"Auf welcher Insel"_s, u"eden"_s);

    auto *generateButton = ui::named(new QPushButton(u"Alle Missionen eingeben"_s), u"Command1"_s);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(generateButton);
    finishLayout(left, u"Text5"_s, u"Command5"_s, u"Command3"_s, QSize(760, 460));

    connect(generateButton, &QPushButton::clicked, this, &SimpleCampaignEditor::generate);
}

void SimpleCampaignEditor::generate()
{
    // A count that is no whole number at all is passed over without a word.
    const std::optional<int> count = readWholeCount(m_count->text());
    if (!count)
        return;
    if (*count > kMaxChainedMissions) {
        m_host.message(u"Fehler"_s, u"Maximal 30 Missionen"_s, ui::Buttons::Ok, ui::Icon::Critical);
        return;
    }
    if (*count == 0)
        return;

    // The fields are read before the first input box, as they stood at the click.
    const QString campaignName = m_campaignName->text();
    const QString folder = m_folder->text();
    const QString island = m_island->text();

    QStringList names;
    const int asked = namesToAsk(*count);
    names.reserve(asked);
    for (int k = 1; k <= asked; ++k) {
        names.append(
            m_host.input(u"Bitte den Namen der "_s + QString::number(k) + u". Mission eingeben"_s,
                         u"Missionen"_s, QString()));
    }
    m_result->setText(buildDescription(chainedCampaign(campaignName, folder, island, names)));
}

} // namespace campaign
