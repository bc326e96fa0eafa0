#pragma once

#include "goldenfile.h"
#include "ui/exacttextedit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

// Finds a control of a dialog by its name; a missing control ends the test run.
template <typename T = QLineEdit> T *control(const QWidget *dialog, const QString &name)
{
    T *found = dialog->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

inline void press(const QWidget *dialog, const QString &button)
{
    control<QPushButton>(dialog, button)->click();
}

inline QString resultOf(const QWidget *dialog, const QString &box)
{
    return control<ui::ExactTextEdit>(dialog, box)->text();
}

inline bool isGrey(const QWidget *box)
{
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}
