#pragma once

#include "app/mainwindow.h"
#include "editor/maintextedit.h"
#include "fakehost.h"
#include "golden.h"
#include "ui/exacttextedit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

// A window under test as a user meets it: its controls by name. A missing control stops the
// test run, naming it.
struct Window
{
    QPointer<QWidget> widget;

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *found = widget ? widget->findChild<T *>(name) : nullptr;
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    void type(const QString &field, const QString &text) const
    {
        get<QLineEdit>(field)->setText(text);
    }
    void click(const QString &button) const { get<QAbstractButton>(button)->click(); }
    bool enabled(const QString &control) const { return get(control)->isEnabled(); }
    // What a field, label or text box reads, line ends as CR LF; a progress bar's value and
    // maximum as "value/maximum"; a list's rows one a line; a drop-down list its choice.
    QString text(const QString &name) const
    {
        QWidget *control = get(name);
        if (auto *field = qobject_cast<QLineEdit *>(control))
            return field->text();
        if (auto *choice = qobject_cast<QComboBox *>(control))
            return choice->currentText();
        if (auto *view = qobject_cast<QAbstractItemView *>(control)) {
            QStringList rows;
            for (int row = 0; row < view->model()->rowCount(); ++row)
                rows.append(view->model()->index(row, 0).data().toString());
            return rows.join(u'\n');
        }
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        if (auto *bar = qobject_cast<QProgressBar *>(control))
            return QString::number(bar->value()) + u'/' + QString::number(bar->maximum());
        if (auto *box = qobject_cast<ui::ExactTextEdit *>(control))
            return box->text();
        return get<QPlainTextEdit>(name)->document()->toRawText().replace(QChar::ParagraphSeparator,
                                                                          QStringLiteral("\r\n"));
    }
    // The locked look: the button-face grey behind the box.
    bool grey(const QString &box) const
    {
        return get(box)->palette().color(QPalette::Base) == QPalette().color(QPalette::Button);
    }
};

// The line and column (from 1) of a place in the box, counted in the text as it is saved:
// the pieces of a very long line are one line, a line break typed inside a block ends one.
inline QString placeInText(const ui::ExactTextEdit &box, int position)
{
    int line = 1, column = 1;
    for (QTextBlock block = box.document()->firstBlock();
         block.isValid() && block.position() <= position; block = block.next()) {
        if (block.position() > 0 && !ui::ExactTextEdit::isContinuation(block))
            ++line, column = 1;
        for (QChar c : block.text().left(position - block.position())) {
            const bool lineEnd = c == QChar::LineSeparator && !box.keepsExactCopy();
            line += lineEnd;
            column = lineEnd ? 1 : column + 1;
        }
    }
    return QString::number(line) + u' ' + QString::number(column);
}

// A click on the list's row (from 1), or Enter on it.
inline void activateRow(QAbstractItemView &view, int row, bool click)
{
    const QModelIndex index = view.model()->index(row - 1, 0);
    view.scrollTo(index);
    if (click) {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    } else {
        view.setCurrentIndex(index);
        QTest::keyClick(&view, Qt::Key_Return);
    }
}

// The program on a fake host whose program folder is an empty temporary folder.
struct Program
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    app::MainWindow main{host};

    // Opens the dialog, as the Tools menu does once the event loop has removed closed ones.
    Window open(app::Tool tool)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return {main.openDialog(tool)};
    }
    QString path(const QString &name) const { return folder.filePath(name); }
};

// The program with its main window shown, as the user sees it: laid out, its lines coloured.
struct ShownProgram : Program
{
    ShownProgram()
    {
        main.resize(900, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
    editor::MainTextEdit &box() { return main.mainTextEdit(); }
};
