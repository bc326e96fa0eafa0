#include "pageeditor.h"

#include "core/filebatch.h"
#include "picturecopy.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/missionwrite.h"
#include "ui/programfolder.h"
#include "ui/transfer.h"

#include <QDir>
#include <QFileInfo>

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace briefing {

void showInPreview(QPlainTextEdit &preview, const QString &text)
{
    // Breaking lines between words means looking for the next blank from every line start;
    // in an unbroken word of many thousand letters that took seconds. Such a text is broken
    // anywhere instead, an ordinary one between words.
    constexpr int kLongestWord = 2000;
    int word = 0;
    bool longWord = false;
    for (const QChar c : text) {
        word = c.isSpace() ? 0 : word + 1;
        if (word > kLongestWord) {
            longWord = true;
            break;
        }
    }
    const QTextOption::WrapMode wrap =
        longWord ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (preview.wordWrapMode() != wrap) {
        // Emptied first, so that the old text is not laid out again in the new way.
        preview.clear();
        preview.setWordWrapMode(wrap);
    }
    preview.setPlainText(text);
}

PreviewFeed::PreviewFeed(QPlainTextEdit &preview, QObject *parent)
    : QObject(parent), m_preview(preview)
{}

void PreviewFeed::watch(QLineEdit &field)
{
    connect(&field, &QLineEdit::textChanged, this, [this, &field] { show(field); });
    field.installEventFilter(this);
}

bool PreviewFeed::eventFilter(QObject *watched, QEvent *event)
{
    // A click into a field shows it, also into the field that already has the focus (a save
    // may have changed the preview box meanwhile). Moving there with the keyboard does not.
    if (event->type() == QEvent::MouseButtonPress) {
        if (auto *field = qobject_cast<QLineEdit *>(watched); field && field->isEnabled())
            show(*field);
    }
    return QObject::eventFilter(watched, event);
}

void PreviewFeed::show(const QLineEdit &field)
{
    showInPreview(m_preview, field.text());
}

QPlainTextEdit *makePreviewBox(const QString &objectName, bool verticalScrollBar)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(objectName);
    box->setFont(ui::scriptFont());
    box->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui::setLocked(*box, true);
    return box;
}

PageButtons makePageButtons(const QString &saveName, const QString &transferName,
                            const QString &closeName)
{
    PageButtons buttons{
        .save = ui::named(new QPushButton(u"Erstelle HTML Datei"_s), saveName),
        .mission = ui::writeToMissionFolderButton(),
        .transfer = ui::named(new QPushButton(u"Schließen und Script übertragen"_s), transferName),
        .append = ui::appendToMainWindowButton(),
        .pageView = ui::named(new QPushButton(u"Seitenansicht"_s), u"pageView"_s),
        .close = ui::named(new QPushButton(u"Schließen"_s), closeName),
        .row = new QHBoxLayout,
    };
    for (QPushButton *button :
         {buttons.save, buttons.mission, buttons.transfer, buttons.append, buttons.pageView})
        buttons.row->addWidget(button);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.close);
    return buttons;
}

bool savePage(ui::Host &host, QPlainTextEdit &preview, const QString &fileName, const QString &page)
{
    showInPreview(preview, page);
    return ui::saveToProgramFolder(host, fileName, page, kPageSaveFailed,
                                   [&preview] { preview.clear(); });
}

ui::MissionWrite writePage(ui::Host &host, const QString &folder, const QString &fileName,
                           const QString &page, const PictureCopy &picture)
{
    const QString shownFolder = QDir::toNativeSeparators(folder);
    // The status bar shows the whole path beside it.
    const QString folderName = u"„"_s + QDir(folder).dirName() + u"“"_s;
    const QString &pictureName = picture.name;
    using Step = PictureCopy::Step;
    if (picture.step == Step::Vanished)
        return {false, u"Das gewählte Bild ist nicht mehr da:\r\n%1\r\n\r\nBitte das Bild "
                       u"noch einmal wählen. Es wurde nichts geschrieben."_s.arg(
                           QDir::toNativeSeparators(picture.source))};
    if (picture.step == Step::AskReplace &&
        host.message(u"Hinweis"_s,
                     u"Im Missionsordner liegt schon eine andere Datei „%1“.\r\nSoll das "
                     u"gewählte Bild sie ersetzen?\r\n\r\n(Abbrechen: es wird nichts "
                     u"geschrieben.)"_s.arg(pictureName),
                     ui::Buttons::OkCancel, ui::Icon::None) == ui::Answer::Cancel)
        return {true, u"Nichts geschrieben: „%1“ in %2 bleibt, wie es war"_s.arg(pictureName,
                                                                                 folderName)};

    core::FileBatch batch;
    const bool copy = picture.step == Step::Copy || picture.step == Step::AskReplace;
    if (copy)
        batch.addCopy(picture.target, picture.source);
    batch.addText(QDir(folder).filePath(fileName), page);
    if (!batch.commit())
        return {false,
                u"„%1“ konnte im Missionsordner nicht geschrieben werden: der Datenträger ist "
                u"voll, der Ordner schreibgeschützt, oder etwas anderes steht unter diesem "
                u"Namen.\r\n%2\r\n\r\nEs wurde nichts geschrieben."_s.arg(
                    QFileInfo(batch.failedPath()).fileName(), shownFolder)};
    QString written = u"In %1 geschrieben: %2"_s.arg(folderName, fileName);
    if (copy)
        written += u", "_s + pictureName;
    else if (picture.step == Step::NotThere)
        written += u" (das Bild „%1“ liegt nicht dort)"_s.arg(pictureName);
    return {true, written};
}

} // namespace briefing
