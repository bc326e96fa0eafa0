#include "transfer.h"

#include "host.h"
#include "maintext.h"

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

} // namespace ui
