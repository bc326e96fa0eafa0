#include "resultbox.h"

#include "editor/maintextedit.h"
#include "ui/look.h"

#include <QScopedValueRollback>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace campaign {

ResultBox::ResultBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(ui::scriptFont());
    connect(document(), &QTextDocument::contentsChange, this, &ResultBox::onContentsChange);
}

void ResultBox::setResult(const QString &text)
{
    {
        QScopedValueRollback guard(m_programmatic, true);
        setPlainText(text);
    }
    if (editor::documentAltersText(text))
        m_exact = text;
    else
        m_exact.reset();
}

QString ResultBox::result() const
{
    if (m_exact)
        return *m_exact;
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, "\r\n"_L1);
    return raw;
}

void ResultBox::onContentsChange(int, int, int)
{
    if (!m_programmatic)
        m_exact.reset();
}

} // namespace campaign
