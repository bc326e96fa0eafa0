#include "overvieweditor.h"

#include "core/version.h"
#include "pageeditor.h"
#include "pages.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/transfer.h"

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

QLineEdit *makeBox(const QString &objectName)
{
    auto *box = new QLineEdit;
    box->setObjectName(objectName);
    allowLongText(*box);
    return box;
}

} // namespace

OverviewEditor::OverviewEditor(const ui::DialogContext &context)
    : m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form5"_s);
    setWindowTitle(u"Overview Editor"_s);

    auto *label1 = ui::named(new QLabel(u"Titel"_s), u"Label1"_s);
    m_title = makeBox(u"Text1"_s);
    label1->setBuddy(m_title);
    auto *label2 = ui::named(new QLabel(u"Text"_s), u"Label2"_s);
    m_text = makeBox(u"Text2"_s);
    label2->setBuddy(m_text);
    auto *label3 = ui::named(new QLabel(u"Bild (*.jpg 128 x 64)"_s), u"Label3"_s);
    m_picture = makeBox(u"Text3"_s);
    label3->setBuddy(m_picture);
    auto *command1 = ui::named(new QPushButton(u"..."_s), u"Command1"_s);
    command1->setFont(ui::scriptFont());
    command1->setToolTip(u"Bild auswählen"_s);
    command1->setFixedWidth(command1->fontMetrics().horizontalAdvance(u"..."_s) + 24);
    m_pictureWarning = ui::named(new QLabel(QString()), u"Label4"_s);
    m_pictureWarning->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 2);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(m_text, 1, 1, 1, 2);
    grid->addWidget(label3, 2, 0);
    grid->addWidget(m_picture, 2, 1);
    grid->addWidget(command1, 2, 2);
    grid->addWidget(m_pictureWarning, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    auto *frame1 = new QGroupBox(u"Vorschau"_s);
    frame1->setObjectName(u"Frame1"_s);
    m_preview = makePreviewBox(u"Text4"_s, false);
    auto *previewLayout = new QVBoxLayout(frame1);
    previewLayout->addWidget(m_preview);

    auto *command2 = ui::named(new QPushButton(u"Erstelle HTML Datei"_s), u"Command2"_s);
    auto *command3 =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s), u"Command3"_s);
    auto *command4 = ui::named(new QPushButton(u"Schließen"_s), u"Command4"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(command2);
    buttons->addWidget(command3);
    buttons->addStretch(1);
    buttons->addWidget(command4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(frame1, 1);
    layout->addLayout(buttons);

    // The picture's name has no preview: it is short, and the warning sits beside it.
    auto *feed = new PreviewFeed(*m_preview, this);
    feed->watch(*m_title);
    feed->watch(*m_text);

    connect(command1, &QPushButton::clicked, this, &OverviewEditor::choosePicture);
    connect(command2, &QPushButton::clicked, this, &OverviewEditor::save);
    connect(command3, &QPushButton::clicked, this, &OverviewEditor::transfer);
    connect(command4, &QPushButton::clicked, this, &QWidget::close);

    setMinimumSize(minimumSizeHint().expandedTo(QSize(560, 380)));
    resize(640, 400);
}

OverviewFields OverviewEditor::fields() const
{
    return {m_title->text(), m_text->text(), m_picture->text()};
}

QString OverviewEditor::page() const
{
    return overviewPage(fields(), core::programVersion());
}

void OverviewEditor::choosePicture()
{
    const QString chosen = m_host.openFileName(u"JPEG Bild (*.jpg)|*jpg"_s);
    // A cancelled choice keeps the name already there, typed or chosen before.
    if (!chosen.isEmpty())
        m_picture->setText(pictureFileName(chosen));
    m_pictureWarning->setText(
        u"Das Bild muss im selben Ordner sein, wo auch die Overview Datei ist !"_s);
}

void OverviewEditor::save()
{
    savePage(m_host, *m_preview, u"Overview.html"_s, page());
}

void OverviewEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, page(), kTransferWarning,
                             ui::AfterCancel::StayOpen);
}

} // namespace briefing
