#include "app/mainwindow.h"
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
const QStringList kToolbar = {u"Command16"_s, u"Command19"_s, u"Command7"_s, u"Command22"_s,
                              u"Command17"_s, u"Command8"_s,  u"Command9"_s};
const QStringList kForms = {u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s,
                            u"Form6"_s, u"Form7"_s, u"Form8"_s, u"Form9"_s};

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
    void startsAtItsDefaults()
    {
        FakeHost host;
        app::MainWindow window(host);
        QCOMPARE(window.objectName(), u"Form1"_s);
        QCOMPARE(window.windowTitle(), u"Orlund's Velmora 1.1"_s);
        QVERIFY(window.isEmpty());
        QCOMPARE(window.findChild<QGroupBox *>(u"Frame1"_s)->title(), u"Hauptfenster"_s);
        QVERIFY(window.findChild<QPlainTextEdit *>(u"Text1"_s));
        QCOMPARE(window.findChild<QLineEdit *>(u"Text21"_s)->text(), u"2"_s);
    }

    void toolbarInItsOrder()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList tips = {u"Öffnen"_s,     u"Speichern unter..."_s, u"Speichern"_s,
                                  u"Reset"_s,      u"Schließen"_s,          u"Hilfe"_s,
                                  u"BDP Rechner"_s};
        int previousX = -1;
        for (int i = 0; i < kToolbar.size(); ++i) {
            auto *button = window.findChild<QToolButton *>(kToolbar[i]);
            QVERIFY2(button, qPrintable(kToolbar[i]));
            QCOMPARE(button->toolTip(), tips[i]);
            const int x = button->mapTo(&window, QPoint()).x();
            QVERIFY(x > previousX);
            previousX = x;
        }
        QCOMPARE(window.findChild<QToolButton *>(u"Command19"_s)->text(), u"..."_s);
    }

    void menus()
    {
        FakeHost host;
        app::MainWindow window(host);
        auto *tools = window.findChild<QMenu *>(u"tools_menu"_s);
        QCOMPARE(tools->title(), u"Tools"_s);
        QStringList names, captions;
        for (QAction *item : tools->actions()) {
            names << item->objectName();
            captions << item->text();
        }
        QCOMPARE(names,
                 (QStringList{u"briefing"_s, u"overview"_s, u"sound"_s, u"bdpcalc"_s,
                              u"campaign_lite"_s, u"campaign_pro"_s, u"weapon"_s, u"artillery"_s}));
        QCOMPARE(captions,
                 (QStringList{u"Briefing Editor"_s, u"Overview Editor"_s, u"Sound Editor"_s,
                              u"BDP Rechner"_s, u"Kampagnen Editor (einfach)"_s,
                              u"Kampagnen Editor (erweitert)"_s, u"Waffen und Munitions Editor"_s,
                              u"Artilleriebeschuss"_s}));
        auto *help = window.findChild<QMenu *>(u"help_menu"_s);
        QCOMPARE(help->title(), u"Hilfe"_s);
        QCOMPARE(help->actions().size(), 2);
        QCOMPARE(help->actions()[0]->objectName(), u"help"_s);
        QCOMPARE(help->actions()[0]->text(), u"Hilfe"_s);
        QCOMPARE(help->actions()[1]->objectName(), u"info"_s);
        QCOMPARE(help->actions()[1]->text(), u"Info"_s);
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
        for (int n = 2; n <= 21; ++n)
            window.findChild<QLineEdit *>(u"Text"_s + QString::number(n))->setText(u"x"_s);
        window.replace(u"something"_s);
        host.fileNames.enqueue(u"/nonexistent/a.sqs"_s);
        window.findChild<QAbstractButton *>(u"Command19"_s)->click();
        window.findChild<QAbstractButton *>(u"Command22"_s)->click();
        QVERIFY(window.isEmpty());
        const QStringList defaults = {
            u"ID"_s,     u"Einheit"_s, u"Text"_s,      u"Script.sqs"_s, u"Bedingung"_s,
            u"Befehl"_s, u"Name"_s,    u"Stimme"_s,    u"Brille"_s,     u"Gesicht"_s,
            u"Stufe"_s,  u"Name"_s,    u"Typ"_s,       u"X-Achse"_s,    u"Y-Achse"_s,
            u"Name"_s,   u"Höhe"_s,    u"Kommander"_s, u"Helikopter"_s, u"2"_s};
        for (int n = 2; n <= 21; ++n)
            QCOMPARE(window.findChild<QLineEdit *>(u"Text"_s + QString::number(n))->text(),
                     defaults[n - 2]);
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
