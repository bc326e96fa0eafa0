#include "longtext.h"

#include <QLineEdit>

#include <limits>

namespace ui {

void allowLongText(QWidget &window)
{
    for (QLineEdit *field : window.findChildren<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
}

} // namespace ui
