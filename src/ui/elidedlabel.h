#pragma once

#include <QLabel>

namespace ui {

// A status-bar label for names of any length: it keeps its whole text but gives way when the
// window is narrow, shortening the middle with an ellipsis instead of pushing its neighbours
// over one another. Shortened, it shows the whole text as its tool tip.
class ElidedLabel : public QLabel
{
public:
    explicit ElidedLabel(const QString &text = QString());
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool shortened() const;
};

} // namespace ui
