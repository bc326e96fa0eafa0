#include "briefingeditor.h"

#include "core/version.h"
#include "pageeditor.h"
#include "pages.h"
#include "pageview.h"
#include "picturecopy.h"
#include "ui/look.h"
#include "ui/missionwrite.h"
#include "ui/transfer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace briefing {
namespace {

const QString kMarkerNameDefault = u"Name des Markers"_s;
const QString kMarkerTextDefault = u"Text für den Markerlink"_s;

struct ObjectiveControls
{
    QString check;
    QString box;
};
const std::array<ObjectiveControls, BriefingEditor::kObjectives> kObjectiveControls = {{
    {u"Check1"_s, u"Text4"_s},
    {u"Check2"_s, u"Text5"_s},
    {u"Check3"_s, u"Text6"_s},
    {u"Check4"_s, u"Text7"_s},
    {u"Check5"_s, u"Text8"_s},
    {u"Check6"_s, u"Text9"_s},
    {u"Check7"_s, u"Text10"_s},
    {u"Check8"_s, u"Text11"_s},
}};

struct EndingControls
{
    QString check;
    QString title;
    QString text;
};
const std::array<EndingControls, BriefingEditor::kEndings> kEndingControls = {{
    {u"Check9"_s, u"Text12"_s, u"Text13"_s},
    {u"Check10"_s, u"Text14"_s, u"Text15"_s},
    {u"Check11"_s, u"Text16"_s, u"Text17"_s},
    {u"Check12"_s, u"Text18"_s, u"Text19"_s},
    {u"Check13"_s, u"Text20"_s, u"Text21"_s},
}};

QLineEdit *makeBox(const QString &name, const QString &text = QString())
{
    return ui::named(new QLineEdit(text), name);
}

// Open: editable on white. Shut: read-only, disabled and grey; the text stays.
void setOpen(QLineEdit &box, bool open)
{
    box.setEnabled(open);
    ui::setLocked(box, !open);
}

// Only the first entry of a chain can be ticked at first; each ticked entry lets the next one
// be ticked, and unticking one unticks the next, which passes it on in turn.
template <std::size_t N>
void passOn(const std::array<QCheckBox *, N> &chain, int index, bool ticked)
{
    if (index + 1 >= int(N))
        return;
    QCheckBox *next = chain[index + 1];
    next->setEnabled(ticked);
    if (!ticked)
        next->setChecked(false);
}

} // namespace

BriefingEditor::BriefingEditor(const ui::DialogContext &context)
    : m_context(context), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"Briefing Editor"_s);

    auto *planLabel = ui::named(new QLabel(u"Briefing"_s), u"Label1"_s);
    m_plan = makeBox(u"Text1"_s);
    planLabel->setBuddy(m_plan);
    auto *notesLabel = ui::named(new QLabel(u"Notizen"_s), u"Label2"_s);
    m_notes = makeBox(u"Text2"_s);
    notesLabel->setBuddy(m_notes);

    m_markerCheck = ui::named(new QCheckBox(u"Markerlink hinzufügen"_s), u"Check14"_s);
    m_markerName = makeBox(u"Text22"_s, kMarkerNameDefault);
    m_markerText = makeBox(u"Text23"_s, kMarkerTextDefault);
    m_addMarker = ui::named(new QPushButton(u"Hinzufügen"_s), u"Command4"_s);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->addWidget(planLabel, 0, 0);
    fieldsGrid->addWidget(m_plan, 0, 1, 1, 3);
    fieldsGrid->addWidget(notesLabel, 1, 0);
    fieldsGrid->addWidget(m_notes, 1, 1, 1, 3);
    fieldsGrid->addWidget(m_markerCheck, 2, 0, 1, 4);
    fieldsGrid->addWidget(m_markerName, 3, 1);
    fieldsGrid->addWidget(m_markerText, 3, 2);
    fieldsGrid->addWidget(m_addMarker, 3, 3);
    fieldsGrid->setColumnStretch(1, 1);
    fieldsGrid->setColumnStretch(2, 1);

    auto *objectivesFrame = ui::named(new QGroupBox(u"Missionsziele"_s), u"Frame2"_s);
    auto *objectiveGrid = new QGridLayout(objectivesFrame);
    for (int i = 0; i < kObjectives; ++i) {
        const QString caption = u"Ziel "_s + QString::number(i + 1);
        m_objectiveChecks[i] = ui::named(new QCheckBox(caption), kObjectiveControls[i].check);
        m_objectives[i] = makeBox(kObjectiveControls[i].box);
        objectiveGrid->addWidget(m_objectiveChecks[i], i, 0);
        objectiveGrid->addWidget(m_objectives[i], i, 1);
    }
    objectiveGrid->setColumnStretch(1, 1);

    auto *debriefingFrame = ui::named(new QGroupBox(u"Nachbesprechung"_s), u"Frame3"_s);
    auto *endingGrid = new QGridLayout(debriefingFrame);
    for (int i = 0; i < kEndings; ++i) {
        const QString caption = u"Ende "_s + QString::number(i + 1);
        m_endingChecks[i] = ui::named(new QCheckBox(caption), kEndingControls[i].check);
        m_endingTitles[i] = makeBox(kEndingControls[i].title, u"Titel"_s);
        m_endingTexts[i] = makeBox(kEndingControls[i].text, u"Text"_s);
        endingGrid->addWidget(m_endingChecks[i], i, 0);
        endingGrid->addWidget(m_endingTitles[i], i, 1);
        endingGrid->addWidget(m_endingTexts[i], i, 2);
    }
    endingGrid->setColumnStretch(1, 1);
    endingGrid->setColumnStretch(2, 2);
    endingGrid->setRowStretch(kEndings, 1);

    auto *previewFrame = ui::named(new QGroupBox(u"Vorschau"_s), u"Frame1"_s);
    m_preview = makePreviewBox(u"Text3"_s, true);
    (new QVBoxLayout(previewFrame))->addWidget(m_preview);

    const PageButtons buttons = makePageButtons(u"Command1"_s, u"Command2"_s, u"Command3"_s);

    auto *left = new QVBoxLayout;
    left->addLayout(fieldsGrid);
    left->addWidget(objectivesFrame);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(debriefingFrame);
    right->addWidget(previewFrame, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons.row);

    // Start-up state: only the first entry of each chain can be ticked, every entry is shut,
    // and the marker link fields show their hints locked.
    for (int i = 0; i < kObjectives; ++i) {
        m_objectiveChecks[i]->setEnabled(i == 0);
        setOpen(*m_objectives[i], false);
    }
    for (int i = 0; i < kEndings; ++i) {
        m_endingChecks[i]->setEnabled(i == 0);
        setOpen(*m_endingTitles[i], false);
        setOpen(*m_endingTexts[i], false);
    }
    markerLinkToggled(false);

    auto *feed = new PreviewFeed(*m_preview, this);
    feed->watch(*m_plan);
    feed->watch(*m_notes);
    for (int i = 0; i < kObjectives; ++i)
        feed->watch(*m_objectives[i]);
    for (int i = 0; i < kEndings; ++i) {
        feed->watch(*m_endingTitles[i]);
        feed->watch(*m_endingTexts[i]);
    }

    for (int i = 0; i < kObjectives; ++i) {
        connect(m_objectiveChecks[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
            setOpen(*m_objectives[i], ticked);
            passOn(m_objectiveChecks, i, ticked);
        });
    }
    for (int i = 0; i < kEndings; ++i) {
        connect(m_endingChecks[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
            setOpen(*m_endingTitles[i], ticked);
            setOpen(*m_endingTexts[i], ticked);
            passOn(m_endingChecks, i, ticked);
        });
    }
    connect(m_markerCheck, &QCheckBox::toggled, this, &BriefingEditor::markerLinkToggled);
    connect(m_addMarker, &QPushButton::clicked, this, &BriefingEditor::addMarkerLink);
    connect(buttons.save, &QPushButton::clicked, this, &BriefingEditor::save);
    connect(buttons.mission, &QPushButton::clicked, this, &BriefingEditor::writeToMissionFolder);
    connect(buttons.transfer, &QPushButton::clicked, this, &BriefingEditor::transfer);
    connect(buttons.append, &QPushButton::clicked, this,
            [this] { ui::appendToMainText(m_mainText, page()); });
    connect(buttons.close, &QPushButton::clicked, this, &QWidget::close);

    // The view follows every field the page is made of, and every tick.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        connect(field, &QLineEdit::textChanged, this, &BriefingEditor::showPage);
    for (QCheckBox *check : findChildren<QCheckBox *>())
        connect(check, &QCheckBox::toggled, this, &BriefingEditor::showPage);
    m_pageView = new PageView(PageKind::Briefing, this);
    connect(buttons.pageView, &QPushButton::clicked, m_pageView, &PageView::open);
    showPage();
    resize(960, 470);
}

BriefingFields BriefingEditor::fields() const
{
    BriefingFields fields;
    fields.plan = m_plan->text();
    fields.notes = m_notes->text();
    // The chains keep the ticked entries at the front, but an entry counts only when its
    // own box is ticked.
    for (int i = 0; i < kObjectives; ++i) {
        if (m_objectiveChecks[i]->isChecked())
            fields.objectives.append(m_objectives[i]->text());
    }
    for (int i = 0; i < kEndings; ++i) {
        if (m_endingChecks[i]->isChecked())
            fields.endings.append({m_endingTitles[i]->text(), m_endingTexts[i]->text()});
    }
    return fields;
}

QString BriefingEditor::page() const
{
    return briefingPage(fields(), core::programVersion());
}

void BriefingEditor::markerLinkToggled(bool ticked)
{
    m_addMarker->setEnabled(ticked);
    ui::setLocked(*m_markerName, !ticked);
    ui::setLocked(*m_markerText, !ticked);
    if (!ticked) {
        m_markerName->setText(kMarkerNameDefault);
        m_markerText->setText(kMarkerTextDefault);
    }
}

void BriefingEditor::addMarkerLink()
{
    m_plan->setText(m_plan->text() + markerLink(m_markerName->text(), m_markerText->text()));
}

void BriefingEditor::save()
{
    savePage(m_host, *m_preview, u"Briefing.html"_s, page());
}

void BriefingEditor::writeToMissionFolder()
{
    ui::writeToMissionFolder(m_context, [this](const QString &folder) {
        return writePage(m_host, folder, u"Briefing.html"_s, page(), PictureCopy());
    });
}

void BriefingEditor::showPage()
{
    m_pageView->setPage(page());
}

void BriefingEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, page(), kTransferWarning,
                             ui::AfterCancel::StayOpen);
}

} // namespace briefing
