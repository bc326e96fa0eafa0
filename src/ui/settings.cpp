#include "settings.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace ui {

QSettings settings()
{
    return QSettings(u"Velmora"_s, u"Velmora"_s);
}

QString recoveryFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           u"/letzter-text.txt"_s;
}

} // namespace ui
