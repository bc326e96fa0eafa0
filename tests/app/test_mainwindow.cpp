#include "app/mainwindow.h"
#include "editor/filecommands.h"
#include "support/fakehost.h"
#include "support/golden.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
const QStringList kForms = {u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s,
                            u"Form6"_s, u"Form7"_s, u"Form8"_s, u"Form9"_s};

// The window as a user meets it: title, toolbar from left to right with the tool tips,
// frame, snippet fields with their texts, menus with their items.
QString describe(app::MainWindow &window)
{
    QString text = u"window "_s + window.objectName() + u'|' + window.windowTitle() + u'\n';
    QList<QToolButton *> buttons = window.findChildren<QToolButton *>();
    buttons.removeIf([](QToolButton *b) { return !b->objectName().startsWith(u"Command"_s); });
    std::sort(buttons.begin(), buttons.end(), [&](QToolButton *a, QToolButton *b) {
        return a->mapTo(&window, QPoint()).x() < b->mapTo(&window, QPoint()).x();
    });
    for (QToolButton *b : buttons)
        text += u"tool "_s + b->objectName() + u'|' + b->toolTip() + u'|' + b->text() + u'\n';
    auto *frame = window.findChild<QGroupBox *>(u"Frame1"_s);
    text += u"frame Frame1|"_s + frame->title() + u'|' +
            frame->findChild<QWidget *>()->objectName() + u'\n';
    for (int n = 2; n <= 21; ++n) {
        const QString name = u"Text"_s + QString::number(n);
        text += u"field "_s + name + u'|' + window.findChild<QLineEdit *>(name)->text() + u'\n';
    }
    for (QAction *menu : window.menuBar()->actions()) {
        text += u"menu "_s + menu->menu()->objectName() + u'|' + menu->text() + u'\n';
        for (QAction *item : menu->menu()->actions())
            text += u"item "_s + item->objectName() + u'|' + item->text() + u'\n';
    }
    return text;
}

// Records the order in which top-level windows are closed.
class CloseRecorder : public QObject
{
public:
    QStringList closed;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->isWindow())
            closed.append(watched->objectName());
        return false;
    }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void looksAsItShould()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(describe(window), golden(u"main_window.txt"_s));
        QVERIFY(window.isEmpty());
    }

    void messages_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("title");
        QTest::newRow("toolbar help") << u"Command8"_s << u"Anleitung"_s;
        QTest::newRow("menu help") << u"help"_s << u"Anleitung"_s;
        QTest::newRow("menu info") << u"info"_s << u"Info"_s;
    }
    void messages()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, title);
        FakeHost host;
        app::MainWindow window(host);
        if (auto *button = window.findChild<QAbstractButton *>(trigger))
            button->click();
        else
            window.findChild<QAction *>(trigger)->trigger();
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.lastMessage().title, title);
        QCOMPARE(host.lastMessage().buttons, ui::Buttons::Ok);
        QCOMPARE(host.lastMessage().icon, ui::Icon::None);
        if (title == u"Info"_s) {
            const QStringList lines = host.lastMessage().text.split(u"\r\n"_s);
            QCOMPARE(lines.size(), 3);
            QCOMPARE(lines[0], u"Velmora 1.1"_s);
        } else {
            QCOMPARE(host.lastMessage().text, golden(u"anleitung.txt"_s));
        }
    }

    void resetRestoresDefaultsAndKeepsPaths()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        const QString fresh = describe(window);
        for (int n = 2; n <= 21; ++n)
            window.findChild<QLineEdit *>(u"Text"_s + QString::number(n))->setText(u"x"_s);
        window.replace(u"something"_s);
        host.fileNames.enqueue(u"/nonexistent/a.sqs"_s);
        window.findChild<QAbstractButton *>(u"Command19"_s)->click();
        window.findChild<QAbstractButton *>(u"Command22"_s)->click();
        QVERIFY(window.isEmpty());
        QCOMPARE(describe(window), fresh);
        QCOMPARE(window.fileCommands().saveAsPath(), u"/nonexistent/a.sqs"_s);
        QVERIFY(host.messages.isEmpty());
    }

    void dialogsExistOnce()
    {
        FakeHost host;
        app::MainWindow window(host);
        for (const QString &form : kForms) {
            QWidget *first = window.openDialog(form);
            QCOMPARE(first->objectName(), form);
            QVERIFY(first->isWindow());
            QVERIFY(!first->parentWidget());
            QVERIFY(first->isVisible());
            QCOMPARE(window.openDialog(form), first);
        }
        // The calculator from the toolbar and from the menu is one window.
        QCOMPARE(window.dialog(u"Form2"_s), window.openDialog(u"Form2"_s));
        window.findChild<QAbstractButton *>(u"Command9"_s)->click();
        window.findChild<QAction *>(u"bdpcalc"_s)->trigger();
        int calculators = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            calculators += w->objectName() == u"Form2"_s && w->isVisible();
        QCOMPARE(calculators, 1);
    }

    void closedDialogOpensAfresh()
    {
        FakeHost host;
        app::MainWindow window(host);
        QWidget *dialog = window.openDialog(u"Form2"_s);
        auto *speed = dialog->findChild<QLineEdit *>(u"Text1"_s);
        speed->setText(u"400"_s);
        dialog->close();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.dialog(u"Form2"_s));
        dialog = window.openDialog(u"Form2"_s);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"Text1"_s)->text(), QString());
    }

    void closeButtonClosesDialogsInOrder()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        for (const QString &form : kForms)
            window.openDialog(form);
        window.replace(u"unsaved"_s);
        CloseRecorder recorder;
        qApp->installEventFilter(&recorder);
        window.findChild<QAbstractButton *>(u"Command17"_s)->click();
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.closed,
                 (QStringList{u"Form8"_s, u"Form7"_s, u"Form6"_s, u"Form5"_s, u"Form4"_s,
                              u"Form3"_s, u"Form2"_s, u"Form9"_s, u"Form1"_s}));
        QVERIFY(!window.isVisible());
        QVERIFY(host.messages.isEmpty());
    }

    void ownCloseBoxClosesTheMainWindowAlone()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        QWidget *dialog = window.openDialog(u"Form2"_s);
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(dialog->isVisible());
        // The main text is still there for a dialog that transfers later.
        window.replace(u"late"_s);
        QCOMPARE(window.text(), u"late"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
