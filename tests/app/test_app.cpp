#include "app/mainwindow.h"
#include "editor/filecommands.h"
#include "support/fakehost.h"
#include "support/golden.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {
const QStringList kForms = {u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s,
                            u"Form6"_s, u"Form7"_s, u"Form8"_s, u"Form9"_s};

void click(QWidget &window, const QString &button)
{
    window.findChild<QAbstractButton *>(button)->click();
}

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

// The controls a user sees and works with, without the parts the toolkit builds inside them
// (a combo box's line edit, a scroll area's contents).
QList<QWidget *> controls(QWidget &window)
{
    QList<QWidget *> result;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        bool wanted = w->isVisibleTo(&window) && !w->objectName().startsWith(u"qt_") &&
                      (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) ||
                       qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
                       qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QProgressBar *>(w));
        for (QWidget *up = w->parentWidget(); up && up != &window; up = up->parentWidget())
            wanted = wanted && !qobject_cast<QComboBox *>(up) &&
                     !qobject_cast<QAbstractScrollArea *>(up);
        if (wanted)
            result.append(w);
    }
    return result;
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

class TestApp : public QObject
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
        const FakeHost::Message &m = host.lastMessage();
        QCOMPARE(m.title + u'|' + m.text, title + u'|' + golden(title.toLower() + u".txt"_s));
        QVERIFY(m.buttons == ui::Buttons::Ok && m.icon == ui::Icon::None);
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
        click(window, u"Command19"_s);
        click(window, u"Command22"_s);
        QVERIFY(window.isEmpty());
        QCOMPARE(describe(window), fresh);
        QCOMPARE(window.fileCommands().saveAsPath(), u"/nonexistent/a.sqs"_s);
        QVERIFY(host.messages.isEmpty());
    }

    void dialogsExistOnceAndOutliveTheMainWindow()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        for (const QString &form : kForms) {
            QWidget *first = window.openDialog(form);
            QCOMPARE(first->objectName(), form);
            QVERIFY(first->isWindow() && !first->parentWidget() && first->isVisible());
            QCOMPARE(window.openDialog(form), first);
        }
        // The calculator from the toolbar and from the menu is one window.
        click(window, u"Command9"_s);
        window.findChild<QAction *>(u"bdpcalc"_s)->trigger();
        int calculators = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            calculators += w->objectName() == u"Form2"_s && w->isVisible();
        QCOMPARE(calculators, 1);

        // Once closed, a dialog comes back with its defaults.
        QWidget *dialog = window.dialog(u"Form2"_s);
        dialog->findChild<QLineEdit *>(u"Text1"_s)->setText(u"400"_s);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.dialog(u"Form2"_s));
        dialog = window.openDialog(u"Form2"_s);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"Text1"_s)->text(), QString());

        // The main window's own close box closes it alone; a late transfer still lands.
        window.close();
        QVERIFY(!window.isVisible() && dialog->isVisible());
        window.replace(u"late"_s);
        QCOMPARE(window.text(), u"late"_s);
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
        click(window, u"Command17"_s);
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.closed,
                 (QStringList{u"Form8"_s, u"Form7"_s, u"Form6"_s, u"Form5"_s, u"Form4"_s,
                              u"Form3"_s, u"Form2"_s, u"Form9"_s, u"Form1"_s}));
        QVERIFY(!window.isVisible() && host.messages.isEmpty());
    }

    // No control overlaps another or leaves the window, every caption is readable in full,
    // and screen readers find every control by a name (a label's may be empty until the
    // program fills it).
    void layout_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : QStringList{u"Form1"_s} + kForms)
            QTest::newRow(qPrintable(form)) << form;
    }
    void layout()
    {
        QFETCH(QString, form);
        FakeHost host;
        app::MainWindow main(host);
        main.show();
        QWidget *window = form == u"Form1"_s ? &main : main.openDialog(form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->minimumSizeHint().width() <= window->width());
        QVERIFY(window->minimumSizeHint().height() <= window->height());
        const QList<QWidget *> list = controls(*window);
        QVERIFY(list.size() > 3);
        auto place = [&](QWidget *w) {
            return QRect(w->mapTo(window, QPoint()), w->size());
        };
        for (qsizetype i = 0; i < list.size(); ++i) {
            QWidget *a = list[i];
            const QString name = QAccessible::queryAccessibleInterface(a)->text(QAccessible::Name);
            QVERIFY2(qobject_cast<QLabel *>(a) || !name.isEmpty(), qPrintable(a->objectName()));
            QVERIFY2(window->rect().contains(place(a)), qPrintable(a->objectName()));
            for (qsizetype j = i + 1; j < list.size(); ++j) {
                const QString what = a->objectName() + u" / "_s + list[j]->objectName();
                QVERIFY2(a->isAncestorOf(list[j]) || list[j]->isAncestorOf(a) ||
                             !place(a).intersects(place(list[j])),
                         qPrintable(what));
            }
            auto *label = qobject_cast<QLabel *>(a);
            auto *button = qobject_cast<QAbstractButton *>(a);
            const QString caption = label && !label->wordWrap() ? label->text()
                                    : button                    ? button->text()
                                                                : QString();
            const int room = label ? label->contentsRect().width() : a->width();
            QVERIFY2(a->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(caption));
        }
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
