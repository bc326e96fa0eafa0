#include "simplecampaigneditor.h"

#include "campaign/description.h"
#include "campaign/dialogtexts.h"
#include "campaign/missioncount.h"
#include "ui/exacttextedit.h"
#include "ui/host.h"
#include "ui/look.h"
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

QPushButton *makeButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

SimpleCampaignEditor::SimpleCampaignEditor(const ui::DialogContext &context)
    : QWidget(nullptr), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form3"_s);
    setWindowTitle(u"Kampagnen Editor (einfach)"_s);

    auto *form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_campaignName = addField(*form, 1, u"Name der Kampagne"_s, u"Neue Kampagne"_s);
    m_folder = addField(*form, 2, u"Name des Ordners/*.pbo Datei"_s, u"kampagne"_s);
    m_count = addField(*form, 3, u"Anzahl der Missionen"_s, u"0"_s);
    m_island = addField(*form, 4, u"Auf welcher Insel"_s, u"eden"_s);

    auto *generateButton = makeButton(u"Command1"_s, u"Alle Missionen eingeben"_s);
    auto *saveButton = makeButton(u"Command5"_s, u"Erstelle Script Datei"_s);
    auto *transferButton = makeButton(u"Command4"_s, u"Schließen und Script übertragen"_s);
    auto *closeButton = makeButton(u"Command3"_s, u"Schließen"_s);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(generateButton);
    left->addStretch(1);
    left->addWidget(saveButton);
    left->addWidget(transferButton);
    left->addWidget(closeButton);

    m_result = ui::ExactTextEdit::forScript(u"Text5"_s);
    m_result->setMinimumSize(300, 200);
    QGroupBox *frame = ui::resultFrame(*m_result);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addWidget(frame, 1);
    resize(760, 460);

    connect(generateButton, &QPushButton::clicked, this, &SimpleCampaignEditor::generate);
    connect(saveButton, &QPushButton::clicked, this, &SimpleCampaignEditor::save);
    connect(transferButton, &QPushButton::clicked, this, &SimpleCampaignEditor::transfer);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
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

void SimpleCampaignEditor::save()
{
    ui::saveToProgramFolder(m_host, kDescriptionFile, m_result->text());
}

void SimpleCampaignEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, m_result->text(), kTransferWarning,
                             ui::AfterCancel::Close);
}

} // namespace campaign
