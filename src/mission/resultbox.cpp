#include "resultbox.h"

#include <QPlainTextEdit>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace mission {

QString resultBoxText(const QPlainTextEdit &box)
{
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u"\r\n"_s);
    // A line break typed with Shift+Return is a line end in the file as well.
    text.replace(QChar::LineSeparator, u"\r\n"_s);
    return text;
}

} // namespace mission
