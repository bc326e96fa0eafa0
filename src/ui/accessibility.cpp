#include "accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <functional>

namespace ui {
namespace {

// The label that stands right before the widget in its layout, if any.
QString precedingLabel(const QWidget &widget)
{
    const QWidget *parent = widget.parentWidget();
    if (!parent)
        return {};
    for (QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == &widget)
            return label->text();
    }
    // Walk the layouts for the item just before this widget.
    std::function<QString(QLayout *)> search = [&](QLayout *layout) -> QString {
        if (!layout)
            return {};
        QWidget *previous = nullptr;
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (QLayout *inner = item->layout()) {
                const QString found = search(inner);
                if (!found.isNull())
                    return found;
                continue;
            }
            QWidget *current = item->widget();
            if (!current)
                continue;
            if (current == &widget) {
                auto *label = qobject_cast<QLabel *>(previous);
                return label ? label->text() : QStringLiteral("");
            }
            previous = current;
        }
        return {};
    };
    return search(parent->layout());
}

QString nameFor(QWidget &widget)
{
    // Captions of buttons, frames and labels are read out as they change; only a picture
    // button needs its tool tip as a name.
    if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        return button->text().isEmpty() ? button->toolTip() : QString();
    const bool isInput =
        qobject_cast<QLineEdit *>(&widget) || qobject_cast<QPlainTextEdit *>(&widget) ||
        qobject_cast<QComboBox *>(&widget) || qobject_cast<QAbstractItemView *>(&widget) ||
        qobject_cast<QProgressBar *>(&widget);
    if (!isInput)
        return {};
    QString name = precedingLabel(widget);
    if (name.isEmpty()) {
        if (auto *line = qobject_cast<QLineEdit *>(&widget))
            name = line->text().isEmpty() ? line->placeholderText() : line->text();
    }
    if (name.isEmpty()) {
        for (QWidget *up = widget.parentWidget(); up && name.isEmpty(); up = up->parentWidget()) {
            if (auto *frame = qobject_cast<QGroupBox *>(up))
                name = frame->title();
        }
    }
    return name.isEmpty() ? widget.objectName() : name;
}

} // namespace

void nameControlsForAccessibility(QWidget &window)
{
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->accessibleName().isEmpty() || widget->objectName().startsWith(u"qt_"))
            continue;
        QString name = nameFor(*widget);
        if (!name.isEmpty())
            widget->setAccessibleName(name.remove(u'&'));
    }
}

} // namespace ui
