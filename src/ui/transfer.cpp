#include "transfer.h"

#include "host.h"
#include "look.h"
#include "maintext.h"

#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ui {

bool transferToMainWindow(QWidget &dialog, Host &host, MainText &mainText, const QString &result,
                          const QString &warning, AfterCancel afterCancel)
{
    bool replace = true;
    if (!mainText.isEmpty())
        replace = host.message(u"Hinweis"_s, warning, Buttons::OkCancel, Icon::None) == Answer::Ok;
    if (replace)
        mainText.replace(result);
    if (replace || afterCancel == AfterCancel::Close)
        dialog.close();
    return replace;
}

QPushButton *appendToMainWindowButton()
{
    return named(new QPushButton(u"An Hauptfenster anhängen"_s), u"appendToMainWindow"_s);
}

void appendToMainText(MainText &mainText, const QString &result)
{
    if (result.isEmpty())
        return;
    const QString text = mainText.text();
    const bool lineEndFirst = !text.isEmpty() && !text.endsWith(u'\n') && !text.endsWith(u'\r');
    mainText.append(lineEndFirst ? u"\r\n"_s + result : result);
}

} // namespace ui
