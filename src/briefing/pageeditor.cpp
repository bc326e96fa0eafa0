#include "pageeditor.h"

#include "ui/look.h"
#include "ui/programfolder.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
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

bool savePage(ui::Host &host, QPlainTextEdit &preview, const QString &fileName, const QString &page)
{
    showInPreview(preview, page);
    return ui::saveToProgramFolder(host, fileName, page, kPageSaveFailed,
                                   [&preview] { preview.clear(); });
}

} // namespace briefing
