#include "briefingeditor.h"

#include "core/version.h"
#include "pageeditor.h"
#include "pages.h"
#include "ui/look.h"
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

QString number(int n)
{
    return QString::number(n);
}

QLineEdit *makeBox(int textNumber, const QString &text = QString())
{
    auto *box = new QLineEdit;
    box->setObjectName(u"Text"_s + number(textNumber));
    allowLongText(*box);
    box->setText(text);
    return box;
}

QCheckBox *makeCheck(int checkNumber, const QString &caption)
{
    auto *check = new QCheckBox(caption);
    check->setObjectName(u"Check"_s + number(checkNumber));
    return check;
}

QPushButton *makeButton(int commandNumber, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(u"Command"_s + number(commandNumber));
    return button;
}

// Open: editable on white. Shut: read-only, disabled and grey; the text stays.
void setOpen(QLineEdit &box, bool open)
{
    box.setEnabled(open);
    ui::setLocked(box, !open);
}

} // namespace

BriefingEditor::BriefingEditor(const ui::DialogContext &context)
    : m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"Briefing Editor"_s);

    auto *label1 = new QLabel(u"Briefing"_s);
    label1->setObjectName(u"Label1"_s);
    m_plan = makeBox(1);
    label1->setBuddy(m_plan);
    auto *label2 = new QLabel(u"Notizen"_s);
    label2->setObjectName(u"Label2"_s);
    m_notes = makeBox(2);
    label2->setBuddy(m_notes);

    m_markerCheck = makeCheck(14, u"Markerlink hinzufügen"_s);
    m_markerName = makeBox(22, kMarkerNameDefault);
    m_markerText = makeBox(23, kMarkerTextDefault);
    m_addMarker = makeButton(4, u"Hinzufügen"_s);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->addWidget(label1, 0, 0);
    fieldsGrid->addWidget(m_plan, 0, 1, 1, 3);
    fieldsGrid->addWidget(label2, 1, 0);
    fieldsGrid->addWidget(m_notes, 1, 1, 1, 3);
    fieldsGrid->addWidget(m_markerCheck, 2, 0, 1, 4);
    fieldsGrid->addWidget(m_markerName, 3, 1);
    fieldsGrid->addWidget(m_markerText, 3, 2);
    fieldsGrid->addWidget(m_addMarker, 3, 3);
    fieldsGrid->setColumnStretch(1, 1);
    fieldsGrid->setColumnStretch(2, 1);

    auto *frame2 = new QGroupBox(u"Missionsziele"_s);
    frame2->setObjectName(u"Frame2"_s);
    auto *objectiveGrid = new QGridLayout(frame2);
    for (int i = 0; i < kObjectives; ++i) {
        m_objectiveChecks[i] = makeCheck(1 + i, u"Ziel "_s + number(i + 1));
        m_objectives[i] = makeBox(4 + i);
        objectiveGrid->addWidget(m_objectiveChecks[i], i, 0);
        objectiveGrid->addWidget(m_objectives[i], i, 1);
    }
    objectiveGrid->setColumnStretch(1, 1);

    auto *frame3 = new QGroupBox(u"Nachbesprechung"_s);
    frame3->setObjectName(u"Frame3"_s);
    auto *endingGrid = new QGridLayout(frame3);
    for (int i = 0; i < kEndings; ++i) {
        m_endingChecks[i] = makeCheck(9 + i, u"Ende "_s + number(i + 1));
        m_endingTitles[i] = makeBox(12 + 2 * i, u"Titel"_s);
        m_endingTexts[i] = makeBox(13 + 2 * i, u"Text"_s);
        endingGrid->addWidget(m_endingChecks[i], i, 0);
        endingGrid->addWidget(m_endingTitles[i], i, 1);
        endingGrid->addWidget(m_endingTexts[i], i, 2);
    }
    endingGrid->setColumnStretch(1, 1);
    endingGrid->setColumnStretch(2, 2);
    endingGrid->setRowStretch(kEndings, 1);

    auto *frame1 = new QGroupBox(u"Vorschau"_s);
    frame1->setObjectName(u"Frame1"_s);
    m_preview = makePreviewBox(u"Text3"_s, true);
    auto *previewLayout = new QVBoxLayout(frame1);
    previewLayout->addWidget(m_preview);

    auto *command1 = makeButton(1, u"Erstelle HTML Datei"_s);
    auto *command2 = makeButton(2, u"Schließen und Script übertragen"_s);
    auto *command3 = makeButton(3, u"Schließen"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    buttons->addStretch(1);
    buttons->addWidget(command3);

    auto *left = new QVBoxLayout;
    left->addLayout(fieldsGrid);
    left->addWidget(frame2);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(frame3);
    right->addWidget(frame1, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

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
        connect(m_objectiveChecks[i], &QCheckBox::toggled, this,
                [this, i](bool ticked) { objectiveToggled(i, ticked); });
    }
    for (int i = 0; i < kEndings; ++i) {
        connect(m_endingChecks[i], &QCheckBox::toggled, this,
                [this, i](bool ticked) { endingToggled(i, ticked); });
    }
    connect(m_markerCheck, &QCheckBox::toggled, this, &BriefingEditor::markerLinkToggled);
    connect(m_addMarker, &QPushButton::clicked, this, &BriefingEditor::addMarkerLink);
    connect(command1, &QPushButton::clicked, this, &BriefingEditor::save);
    connect(command2, &QPushButton::clicked, this, &BriefingEditor::transfer);
    connect(command3, &QPushButton::clicked, this, &QWidget::close);

    setMinimumSize(minimumSizeHint().expandedTo(QSize(820, 460)));
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

void BriefingEditor::objectiveToggled(int index, bool ticked)
{
    setOpen(*m_objectives[index], ticked);
    if (index + 1 < kObjectives) {
        QCheckBox *next = m_objectiveChecks[index + 1];
        next->setEnabled(ticked);
        // Unticking the next one runs its own handling, which passes the chain on.
        if (!ticked)
            next->setChecked(false);
    }
}

void BriefingEditor::endingToggled(int index, bool ticked)
{
    setOpen(*m_endingTitles[index], ticked);
    setOpen(*m_endingTexts[index], ticked);
    if (index + 1 < kEndings) {
        QCheckBox *next = m_endingChecks[index + 1];
        next->setEnabled(ticked);
        if (!ticked)
            next->setChecked(false);
    }
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

void BriefingEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, page(), kTransferWarning,
                             ui::AfterCancel::StayOpen);
}

} // namespace briefing
