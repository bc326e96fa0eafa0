#include "pageeditor.h"

#include "core/textfile.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/programfolder.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QUrl>

#include <limits>

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
    // A click into the field that already has the focus counts as well: a save may have
    // changed the preview box meanwhile.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        if (auto *field = qobject_cast<QLineEdit *>(watched); field && field->isEnabled())
            show(*field);
    }
    return QObject::eventFilter(watched, event);
}

void PreviewFeed::show(const QLineEdit &field)
{
    showInPreview(m_preview, field.text());
}

void allowLongText(QLineEdit &field)
{
    field.setMaxLength(std::numeric_limits<int>::max());
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

PageView::PageView(const QString &objectName, QString pictureFolder)
    : m_pictureFolder(std::move(pictureFolder))
{
    setObjectName(objectName);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Lines break between words only, as in a browser: a long unbroken word runs off to the
    // right. Looking for a break inside such a word took seconds at every change of a field.
    setWordWrapMode(QTextOption::WordWrap);
}

QVariant PageView::loadResource(int type, const QUrl &name)
{
    // Whatever is refused here must still be a value: on a null answer the document reads
    // the named file itself, whatever it is.
    constexpr qint64 kLargestPicture = 16 * 1024 * 1024;
    if (type != QTextDocument::ImageResource)
        return QByteArray();
    if (m_pictureFolder.isEmpty())
        return QImage();
    const QString path = name.isLocalFile() ? name.toLocalFile() : name.path(QUrl::FullyDecoded);
    const QFileInfo file(QDir(m_pictureFolder), path);
    if (!file.isFile() || file.size() > kLargestPicture)
        return QImage();
    return QImage(file.filePath());
}

bool savePage(ui::Host &host, QPlainTextEdit &preview, const QString &fileName, const QString &page)
{
    showInPreview(preview, page);
    const QString path = ui::programFolderFile(host, fileName);
    if (!core::writeTextFile(QDir::fromNativeSeparators(path), page)) {
        host.message(u"Fehler"_s, kPageSaveFailed, ui::Buttons::Ok, ui::Icon::Critical);
        return false;
    }
    preview.clear();
    host.message(u"Info"_s, u"Erfolgreich gespeichert\r\n"_s + path, ui::Buttons::Ok,
                 ui::Icon::Information);
    return true;
}

} // namespace briefing
