#include "look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>

namespace ui {

void setGreyBackground(QWidget &box, bool grey)
{
    QPalette palette = box.palette();
    const QPalette app = QApplication::palette();
    palette.setColor(QPalette::Base,
                     grey ? app.color(QPalette::Button) : app.color(QPalette::Base));
    box.setPalette(palette);
}

void setLocked(QWidget &box, bool locked)
{
    if (auto *line = qobject_cast<QLineEdit *>(&box))
        line->setReadOnly(locked);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(&box))
        text->setReadOnly(locked);
    setGreyBackground(box, locked);
}

bool isLocked(const QWidget &box)
{
    if (auto *line = qobject_cast<const QLineEdit *>(&box))
        return line->isReadOnly();
    if (auto *text = qobject_cast<const QPlainTextEdit *>(&box))
        return text->isReadOnly();
    return false;
}

QFont scriptFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QFont monospaceFont()
{
    QFont font(QStringLiteral("Lucida Console"));
    font.setStyleHint(QFont::Monospace);
    font.setFamilies({QStringLiteral("Lucida Console"),
                      QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    return font;
}

} // namespace ui
