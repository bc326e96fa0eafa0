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

SimpleCampaignEditor::SimpleCampaignEditor(const ui::DialogContext &context)
    : CampaignEditor(context)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"Kampagnen Editor (einfach)"_s);

    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_campaignName = addField(*form, ui::named(new QLabel(u"Name der Kampagne"_s), u"Label1"_s),
                              ui::named(new QLineEdit(u"Neue Kampagne"_s), u"Text1"_s));
    m_folder =
        addField(*form, ui::named(new QLabel(u"Name des Ordners/*.pbo Datei"_s), u"Label2"_s),
                 ui::named(new QLineEdit(u"kampagne"_s), u"Text2"_s));
    m_count = addField(*form, ui::named(new QLabel(u"Anzahl der Missionen"_s), u"Label3"_s),
                       ui::named(new QLineEdit(u"0"_s), u"Text3"_s));
    m_island = addField(*form, ui::named(new QLabel(u"Auf welcher Insel"_s), u"Label4"_s),
                        ui::named(new QLineEdit(u"eden"_s), u"Text4"_s));

    auto *generateButton = ui::named(new QPushButton(u"Alle Missionen eingeben"_s), u"Command1"_s);
    m_result = ui::ExactTextEdit::forScript(u"Text5"_s);
    auto *saveButton = ui::named(new QPushButton(u"Erstelle Script Datei"_s), u"Command5"_s);
    auto *transferButton =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s), u"Command4"_s);
    auto *closeButton = ui::named(new QPushButton(u"Schließen"_s), u"Command3"_s);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(generateButton);
    finishLayout(left, {saveButton, transferButton, closeButton}, QSize(760, 460));

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
