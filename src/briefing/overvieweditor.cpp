#include "overvieweditor.h"

#include "core/version.h"
#include "pageeditor.h"
#include "pages.h"
#include "pageview.h"
#include "picturecopy.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/missionfolder.h"
#include "ui/missionwrite.h"
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

OverviewEditor::OverviewEditor(const ui::DialogContext &context)
    : m_context(context), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form5"_s);
    setWindowTitle(u"Overview Editor"_s);

    auto *titleLabel = ui::named(new QLabel(u"Titel"_s), u"Label1"_s);
    m_title = ui::named(new QLineEdit, u"Text1"_s);
    titleLabel->setBuddy(m_title);
    auto *textLabel = ui::named(new QLabel(u"Text"_s), u"Label2"_s);
    m_text = ui::named(new QLineEdit, u"Text2"_s);
    textLabel->setBuddy(m_text);
    auto *pictureLabel = ui::named(new QLabel(u"Bild (*.jpg 128 x 64)"_s), u"Label3"_s);
    m_picture = ui::named(new QLineEdit, u"Text3"_s);
    pictureLabel->setBuddy(m_picture);
    auto *chooseButton = ui::named(new QPushButton(u"..."_s), u"Command1"_s);
    chooseButton->setFont(ui::scriptFont());
    chooseButton->setToolTip(u"Bild auswählen"_s);
    chooseButton->setFixedWidth(chooseButton->fontMetrics().horizontalAdvance(u"..."_s) + 24);
    m_pictureWarning = ui::named(new QLabel(QString()), u"Label4"_s);
    m_pictureWarning->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(titleLabel, 0, 0);
    grid->addWidget(m_title, 0, 1, 1, 3);
    grid->addWidget(textLabel, 1, 0);
    grid->addWidget(m_text, 1, 1, 1, 3);
    // The warning stands beside the picture's name, on its row.
    grid->addWidget(pictureLabel, 2, 0);
    grid->addWidget(m_picture, 2, 1);
    grid->addWidget(chooseButton, 2, 2);
    grid->addWidget(m_pictureWarning, 2, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);

    auto *previewFrame = ui::named(new QGroupBox(u"Vorschau"_s), u"Frame1"_s);
    m_preview = makePreviewBox(u"Text4"_s, false);
    (new QVBoxLayout(previewFrame))->addWidget(m_preview);

    const PageButtons buttons = makePageButtons(u"Command2"_s, u"Command3"_s, u"Command4"_s);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(previewFrame, 1);
    layout->addLayout(buttons.row);

    // The picture's name has no preview: it is short, and the warning sits beside it.
    auto *feed = new PreviewFeed(*m_preview, this);
    feed->watch(*m_title);
    feed->watch(*m_text);

    connect(chooseButton, &QPushButton::clicked, this, &OverviewEditor::choosePicture);
    connect(buttons.save, &QPushButton::clicked, this, &OverviewEditor::save);
    connect(buttons.mission, &QPushButton::clicked, this, &OverviewEditor::writeToMissionFolder);
    connect(buttons.transfer, &QPushButton::clicked, this, &OverviewEditor::transfer);
    connect(buttons.append, &QPushButton::clicked, this,
            [this] { ui::appendToMainText(m_mainText, page()); });
    connect(buttons.close, &QPushButton::clicked, this, &QWidget::close);

    m_pageView = new PageView(PageKind::Overview, this);
    connect(buttons.pageView, &QPushButton::clicked, m_pageView, &PageView::open);
    for (QLineEdit *field : {m_title, m_text, m_picture})
        connect(field, &QLineEdit::textChanged, this, &OverviewEditor::showPage);
    connect(m_picture, &QLineEdit::textChanged, this, &OverviewEditor::showPictureFolder);
    connect(&m_context.missionFolder, &ui::MissionFolder::changed, this,
            &OverviewEditor::showPictureFolder);
    showPage();
    showPictureFolder();

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
    if (!chosen.isEmpty()) {
        m_chosenPicture = chosen;
        m_picture->setText(pictureFileName(chosen));
        showPictureFolder();
    }
    m_pictureWarning->setText(
        u"Das Bild muss im selben Ordner sein, wo auch die Overview Datei ist !"_s);
}

void OverviewEditor::save()
{
    savePage(m_host, *m_preview, u"Overview.html"_s, page());
}

void OverviewEditor::writeToMissionFolder()
{
    ui::writeToMissionFolder(m_context, [this](const QString &folder) {
        return writePage(m_host, folder, u"Overview.html"_s, page(),
                         planPictureCopy(m_picture->text(), m_chosenPicture, folder));
    });
    showPictureFolder(); // the picture may lie there now
}

void OverviewEditor::showPage()
{
    m_pageView->setPage(page());
    m_pageView->setPictureName(m_picture->text());
}

void OverviewEditor::showPictureFolder()
{
    const ui::MissionFolder &mission = m_context.missionFolder;
    m_pageView->setPictureFolder(pictureFolder(m_picture->text(), m_chosenPicture,
                                               mission.isUsable() ? mission.path() : QString()));
}

void OverviewEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, page(), kTransferWarning,
                             ui::AfterCancel::StayOpen);
}

} // namespace briefing
