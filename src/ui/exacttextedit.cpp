#include "exacttextedit.h"

#include "look.h"

#include <QGroupBox>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace ui {

QGroupBox *resultFrame(QWidget &box)
{
    auto *frame = new QGroupBox(u"Ergebnis"_s);
    frame->setObjectName(u"Frame1"_s);
    (new QVBoxLayout(frame))->addWidget(&box);
    return frame;
}

bool documentAltersText(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        switch (text[i].unicode()) {
        case u'\r':
            if (i + 1 < size && text[i + 1] == u'\n') {
                ++i;
                break;
            }
            return true;
        case u'\n':
        case 0x2028: // line separator: the box would give it back as a line end
        case 0x2029: // paragraph separator
        case 0xFDD0: // frame markers of the document
        case 0xFDD1:
            return true;
        default:
            break;
        }
    }
    return false;
}

ExactTextEdit::ExactTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &ExactTextEdit::onContentsChange);
}

ExactTextEdit *ExactTextEdit::forScript(const QString &objectName, QWidget *parent)
{
    auto *box = new ExactTextEdit(parent);
    box->setObjectName(objectName);
    box->lookLikeScript();
    return box;
}

void ExactTextEdit::lookLikeScript()
{
    setFont(scriptFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString ExactTextEdit::text() const
{
    if (m_exact)
        return *m_exact;
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, "\r\n"_L1);
    // A line break typed with Shift+Return is a line end in the file as well.
    raw.replace(QChar::LineSeparator, "\r\n"_L1);
    return raw;
}

bool ExactTextEdit::isEmpty() const
{
    return m_exact ? m_exact->isEmpty() : document()->isEmpty();
}

void ExactTextEdit::keepExactCopyIfNeeded(const QString &text)
{
    if (documentAltersText(text))
        m_exact = text;
    else
        m_exact.reset();
}

void ExactTextEdit::setText(const QString &text, bool undoable)
{
    {
        QScopedValueRollback guard(m_programmatic, true);
        if (undoable) {
            QTextCursor cursor(document());
            cursor.select(QTextCursor::Document);
            cursor.insertText(text);
        } else {
            setPlainText(text);
        }
    }
    keepExactCopyIfNeeded(text);
}

void ExactTextEdit::appendText(const QString &text)
{
    QScopedValueRollback guard(m_programmatic, true);
    if (!m_exact && documentAltersText(text))
        m_exact = this->text(); // from here on the box can no longer tell the line ends
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    if (m_exact)
        m_exact->append(text);
}

void ExactTextEdit::onContentsChange(int, int, int)
{
    if (!isOwnChange())
        m_exact.reset();
}

} // namespace ui
