#pragma once

#include "fakemaintext.h"
#include "support/fakehost.h"
#include "ui/dialogcontext.h"
#include "ui/exacttextedit.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>

// One freshly made, shown dialog on a fake host with an empty program folder.
struct DialogFixture
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    FakeMainText mainText;
    std::unique_ptr<QWidget> dialog;

    explicit DialogFixture(QWidget *(*factory)(const ui::DialogContext &))
        : dialog(factory(ui::DialogContext{host, mainText}))
    {
        dialog->show();
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        auto *widget = dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void type(const char *box, const QString &text) const { find<QLineEdit>(box)->setText(text); }
    void click(const char *button) const { find<QAbstractButton>(button)->click(); }
    QString boxText(const char *box) const { return find<ui::ExactTextEdit>(box)->text(); }
    QString programFile() const
    {
        return QDir(folder.path()).filePath(QStringLiteral("description.ext"));
    }
};
