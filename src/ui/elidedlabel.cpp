#include "ui/elidedlabel.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace ui {

ElidedLabel::ElidedLabel(const QString &text) : QLabel(text)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QSize full = QLabel::minimumSizeHint();
    const int shortest = fontMetrics().horizontalAdvance(u"Mmmm…mmmm"_s);
    return {std::min(full.width(), shortest), full.height()};
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    painter.drawText(area, int(alignment()),
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}

} // namespace ui
