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
    // Asking the font database first spares the costly search for a stand-in of a missing
    // family, which would otherwise run at every start on a machine without Verdana.
    static const bool hasVerdana = QFontDatabase::hasFamily(QStringLiteral("Verdana"));
    QFont font = hasVerdana ? QFont(QStringLiteral("Verdana"))
                            : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    return font;
}

QFont monospaceFont()
{
    static const bool hasLucida = QFontDatabase::hasFamily(QStringLiteral("Lucida Console"));
    return hasLucida ? QFont(QStringLiteral("Lucida Console"))
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

} // namespace ui
