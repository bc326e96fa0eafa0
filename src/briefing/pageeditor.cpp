#include "pageeditor.h"

#include "ui/look.h"
#include "ui/programfolder.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <limits>

using namespace Qt::StringLiterals;

namespace briefing {

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
    m_preview.setPlainText(field.text());
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

bool savePage(ui::Host &host, QPlainTextEdit &preview, const QString &fileName, const QString &page)
{
    preview.setPlainText(page);
    return ui::saveToProgramFolder(host, fileName, page, kPageSaveFailed,
                                   [&preview] { preview.clear(); });
}

} // namespace briefing
