#include "soundeditor.h"

#include "check/descriptionfile.h"
#include "soundlistmodel.h"
#include "ui/exacttextedit.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/missionwrite.h"
#include "ui/programfolder.h"
#include "ui/transfer.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace mission {
namespace {

// Fractional or huge maxima are shown as a share of this many steps.
constexpr int kBarSteps = 1000;

} // namespace

SoundEditor::SoundEditor(const ui::DialogContext &context)
    : m_context(context), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form6"_s);
    setWindowTitle(u"Sound Editor"_s);

    auto *folderLabel = ui::named(new QLabel(u"Ordnername für die Sounds"_s, this), u"Label2"_s);
    m_folder = ui::named(new QLineEdit(this), u"Text1"_s);
    auto *countLabel = ui::named(new QLabel(u"Anzahl der Sounds"_s, this), u"Label1"_s);
    m_count = ui::named(new QLineEdit(this), u"Text2"_s);
    m_fileLabel = ui::named(new QLabel(m_sounds.fileCaption(), this), u"Label3"_s);
    m_fileName = ui::named(new QLineEdit(this), u"Text3"_s);
    auto *extension = ui::named(new QLineEdit(u".ogg"_s, this), u"Text4"_s);
    m_add = ui::named(new QPushButton(u"Hinzufügen"_s, this), u"Command1"_s);
    auto *resetButton = ui::named(new QPushButton(u"Reset"_s, this), u"Command2"_s);
    auto *saveButton = ui::named(new QPushButton(u"Erstelle Script Datei"_s, this), u"Command3"_s);
    auto *missionButton = ui::writeToMissionFolderButton();
    auto *transferButton =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s, this), u"Command4"_s);
    auto *appendButton = ui::appendToMainWindowButton();
    auto *closeButton = ui::named(new QPushButton(u"Schließen"_s, this), u"Command5"_s);
    m_result = ui::ExactTextEdit::forScript(u"Text5"_s);
    QGroupBox *frame = ui::resultFrame(*m_result);
    m_bar = ui::named(new QProgressBar(this), u"ProgressBar1"_s);

    // The extension is only shown: it is appended to every file name whatever the box says.
    ui::setLocked(*extension, true);
    extension->setFocusPolicy(Qt::NoFocus);
    const QFontMetrics metrics(m_count->font());
    m_count->setFixedWidth(metrics.horizontalAdvance(u"00000"_s) + 16);
    extension->setFixedWidth(metrics.horizontalAdvance(u".ogg"_s) + 16);

    m_bar->setTextVisible(false);
    showProgress();

    auto *left = new QVBoxLayout;
    left->addWidget(folderLabel);
    left->addWidget(m_folder);
    left->addSpacing(6);
    left->addWidget(countLabel);
    left->addWidget(m_count, 0, Qt::AlignLeft);
    left->addSpacing(6);
    left->addWidget(m_fileLabel);
    auto *fileRow = new QHBoxLayout;
    fileRow->setSpacing(0);
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(extension);
    left->addLayout(fileRow);
    auto *addRow = new QHBoxLayout;
    addRow->addWidget(m_add);
    addRow->addWidget(resetButton);
    left->addLayout(addRow);
    left->addStretch(1);
    left->addWidget(saveButton);
    left->addWidget(missionButton);
    left->addWidget(transferButton);
    left->addWidget(appendButton);
    left->addWidget(closeButton);

    auto *right = new QVBoxLayout;
    right->addWidget(frame, 1);
    right->addWidget(m_bar);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addLayout(right, 1);
    setMinimumSize(620, 380);

    connect(m_count, &QLineEdit::textChanged, this, &SoundEditor::setProgressMaximum);
    connect(m_add, &QPushButton::clicked, this, &SoundEditor::addSound);
    connect(resetButton, &QPushButton::clicked, this, &SoundEditor::reset);
    connect(saveButton, &QPushButton::clicked, this, &SoundEditor::save);
    connect(missionButton, &QPushButton::clicked, this, &SoundEditor::writeToMissionFolder);
    connect(transferButton, &QPushButton::clicked, this, &SoundEditor::transfer);
    connect(appendButton, &QPushButton::clicked, this,
            [this] { ui::appendToMainText(m_mainText, m_result->text()); });
    // Closes like every other "Schließen" button of the program.
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void SoundEditor::setProgressMaximum()
{
    m_sounds.setCountText(m_count->text());
    showProgress();
}

void SoundEditor::addSound()
{
    const SoundListModel::Addition addition =
        m_sounds.add(m_count->text(), m_folder->text(), m_fileName->text());
    showProgress();
    if (addition == SoundListModel::Addition::Refused)
        m_host.message(u"Fehler"_s, SoundListModel::kTooMany, ui::Buttons::Ok, ui::Icon::Critical);
    if (addition != SoundListModel::Addition::Added &&
        addition != SoundListModel::Addition::Finished)
        return;
    showState();
    m_fileName->clear();
    if (addition == SoundListModel::Addition::Finished)
        m_result->setText(m_sounds.block());
}

void SoundEditor::reset()
{
    m_sounds.reset();
    showState();
    m_folder->clear();
    m_count->clear(); // an empty count keeps the last maximum
    m_fileName->clear();
    m_result->clear();
    showProgress();
}

void SoundEditor::showState()
{
    m_add->setEnabled(!m_sounds.finished());
    ui::setLocked(*m_folder, m_sounds.fieldsLocked());
    ui::setLocked(*m_count, m_sounds.fieldsLocked());
    m_fileLabel->setText(m_sounds.fileCaption());
}

void SoundEditor::save()
{
    ui::saveToProgramFolder(m_host, u"description.ext"_s, m_result->text());
}

void SoundEditor::writeToMissionFolder()
{
    ui::writeToMissionFolder(m_context, [this](const QString &folder) {
        const check::DescriptionWrite done = check::writeIntoDescription(folder, m_result->text());
        return ui::MissionWrite{done.ok(), done.text};
    });
}

void SoundEditor::transfer()
{
    ui::transferToMainWindow(*this, m_host, m_mainText, m_result->text(),
                             u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s,
                             ui::AfterCancel::Close);
}

void SoundEditor::showProgress()
{
    const double maximum = m_sounds.progress().maximum();
    const double value = m_sounds.progress().value();
    if (maximum == std::floor(maximum) && maximum <= std::numeric_limits<int>::max()) {
        m_bar->setRange(0, static_cast<int>(maximum));
        m_bar->setValue(static_cast<int>(std::lround(value)));
    } else {
        m_bar->setRange(0, kBarSteps);
        m_bar->setValue(static_cast<int>(std::lround(value / maximum * kBarSteps)));
    }
}

} // namespace mission
