#include "settings.h"

using namespace Qt::StringLiterals;

namespace ui {

QSettings settings()
{
    return QSettings(u"Velmora"_s, u"Velmora"_s);
}

} // namespace ui
