#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace ui {
class Host;
struct MissionWrite;
} // namespace ui

namespace briefing {

struct PictureCopy;

// What both page editors share: the preview box that follows the field last edited or
// clicked into, saving a page beside the program, and writing it into the mission folder.

// "ertsellt" is how the program has always spelt it: its own text, kept on purpose.
inline const QString kPageSaveFailed = QStringLiteral("HTML Datei konnte nicht ertsellt werden");
inline const QString kTransferWarning =
    QStringLiteral("Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht");

// Shows the whole text of a watched field in the preview box whenever it changes or is
// clicked into, so the user can read a long line in full.
class PreviewFeed : public QObject
{
    Q_OBJECT
public:
    PreviewFeed(QPlainTextEdit &preview, QObject *parent);
    void watch(QLineEdit &field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QLineEdit &field);

    QPlainTextEdit &m_preview;
};

// Puts the text into the preview box, with line breaks that stay quick for any text.
void showInPreview(QPlainTextEdit &preview, const QString &text);

// The read-only grey box in the frame "Vorschau".
QPlainTextEdit *makePreviewBox(const QString &objectName, bool verticalScrollBar);

// The row of buttons at the foot of both page editors, Schließen on its own at the right.
// The editors number their buttons differently, so each names its three of them.
struct PageButtons
{
    QPushButton *save;
    QPushButton *mission;
    QPushButton *transfer;
    QPushButton *append;
    QPushButton *pageView;
    QPushButton *close;
    QHBoxLayout *row;
};
PageButtons makePageButtons(const QString &saveName, const QString &transferName,
                            const QString &closeName);

// Writes the page into the program folder under the given name. The preview box holds the
// page while it is written and is emptied once the file is complete; after a failure it
// keeps the page, so the user can still copy it from there.
bool savePage(ui::Host &host, QPlainTextEdit &preview, const QString &fileName,
              const QString &page);

// Writes the page into the mission folder under the given name as the save does, and with
// the overview its picture beside it, both together or neither. Asks before a picture
// replaces another file of its name.
ui::MissionWrite writePage(ui::Host &host, const QString &folder, const QString &fileName,
                           const QString &page, const PictureCopy &picture);

} // namespace briefing
