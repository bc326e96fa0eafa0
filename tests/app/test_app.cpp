#include "editor/filecommands.h"
#include "support/steps.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using app::Tool;

namespace {
// Each tool dialog with the name of its window.
const QList<std::pair<Tool, QString>> kTools = {
    {Tool::BombDrop, u"Form2"_s},       {Tool::SimpleCampaign, u"Form3"_s},
    {Tool::BriefingEditor, u"Form4"_s}, {Tool::OverviewEditor, u"Form5"_s},
    {Tool::SoundEditor, u"Form6"_s},    {Tool::ExtendedCampaign, u"Form7"_s},
    {Tool::WeaponsEditor, u"Form8"_s},  {Tool::Artillery, u"Form9"_s}};

QStringList fieldTexts(QWidget &window)
{
    QStringList texts;
    for (QLineEdit *field : window.findChildren<QLineEdit *>())
        texts.append(field->objectName() + u'=' + field->text());
    return texts;
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
    void toolbarAndMenus()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), u"Orlund's Velmora 1.1"_s);
        QList<QToolButton *> buttons = window.findChildren<QToolButton *>();
        buttons.removeIf([](QToolButton *b) { return !b->objectName().startsWith(u"Command"_s); });
        std::sort(buttons.begin(), buttons.end(), [&](QToolButton *a, QToolButton *b) {
            return a->mapTo(&window, QPoint()).x() < b->mapTo(&window, QPoint()).x();
        });
        QString seen;
        for (QToolButton *b : buttons)
            seen += b->objectName() + u' ';
        for (QAction *menu : window.menuBar()->actions()) {
            seen += u"| "_s + menu->menu()->objectName() + u':';
            for (QAction *item : menu->menu()->actions())
                seen += u' ' + item->objectName();
            seen += u' ';
        }
        QCOMPARE(seen, u"Command16 Command19 Command7 Command22 Command17 Command8 Command9 "
                       "| tools_menu: briefing overview sound bdpcalc campaign_lite campaign_pro "
                       "weapon artillery | mission_menu: chooseMissionFolder openMissionFolder "
                       "| help_menu: help info "_s);
        auto *saveAs = window.findChild<QToolButton *>(u"Command19"_s);
        QVERIFY(saveAs->text() == u"..."_s && QFontInfo(saveAs->font()).fixedPitch());
        // No menu can hide the toolbar.
        const std::unique_ptr<QMenu> popup(window.createPopupMenu());
        QVERIFY(!popup || popup->isEmpty());

        // The file commands from the keyboard: Öffnen and Speichern unter... ask for a file.
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(host.fileDialogFilters, QStringList(2, u"Alle Dateien (*.*)|*"_s));
    }

    // The Anleitung from the toolbar and from the menu, three paragraphs; the Info, three
    // lines, the first with the version.
    void messages()
    {
        Program program;
        Window{&program.main}.click(u"Command8"_s);
        for (const QString &item : {u"help"_s, u"info"_s})
            program.main.findChild<QAction *>(item)->trigger();
        QString seen;
        for (const FakeHost::Message &m : std::as_const(program.host.messages)) {
            QVERIFY(m.buttons == ui::Buttons::Ok && m.icon == ui::Icon::None);
            seen += u"%1 %2/%3 "_s.arg(m.title)
                        .arg(m.text.split(u"\r\n\r\n"_s).size())
                        .arg(m.text.split(u"\r\n"_s).size());
        }
        QCOMPARE(seen, u"Anleitung 3/5 Anleitung 3/5 Info 1/3 "_s);
        QVERIFY(program.host.lastMessage().text.startsWith(u"Velmora 1.1\r\n"_s));
    }

    void resetRestoresDefaultsAndKeepsPaths()
    {
        Program program;
        const Window w{&program.main};
        const QStringList defaults = fieldTexts(program.main);
        for (QLineEdit *field : program.main.findChildren<QLineEdit *>())
            field->setText(u"x"_s);
        program.main.replace(u"something"_s);
        program.host.fileNames.enqueue(u"/nonexistent/a.sqs"_s);
        w.click(u"Command19"_s);
        w.click(u"Command22"_s);
        QVERIFY(program.main.isEmpty());
        QCOMPARE(fieldTexts(program.main), defaults);
        QCOMPARE(program.main.fileCommands().saveAsPath(), u"/nonexistent/a.sqs"_s);
        QVERIFY(program.host.messages.isEmpty());
    }

    void dialogsExistOnceAndOutliveTheMainWindow()
    {
        Program program;
        app::MainWindow &window = program.main;
        window.show();
        for (const auto &[tool, form] : kTools) {
            QWidget *first = window.openDialog(tool);
            QCOMPARE(first->objectName(), form);
            QVERIFY(first->isWindow() && !first->parentWidget() && first->isVisible());
            QCOMPARE(window.openDialog(tool), first);
        }
        // The main window's own close box closes it alone; a late transfer still lands.
        window.close();
        QVERIFY(!window.isVisible() && window.dialog(Tool::Artillery)->isVisible());
        window.replace(u"late"_s);
        QCOMPARE(window.text(), u"late"_s);
    }

    void stories_data() { addStories(); }
    void stories()
    {
        QFETCH(QString, steps);
        Program program;
        playSteps(program, steps);
    }

    void closeButtonClosesDialogsInOrder()
    {
        Program program;
        app::MainWindow &window = program.main;
        window.show();
        for (const auto &[tool, form] : kTools)
            window.openDialog(tool);
        window.replace(u"unsaved"_s);
        CloseRecorder recorder;
        qApp->installEventFilter(&recorder);
        Window{&window}.click(u"Command17"_s);
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.closed,
                 (QStringList{u"Form8"_s, u"Form7"_s, u"Form6"_s, u"Form5"_s, u"Form4"_s,
                              u"Form3"_s, u"Form2"_s, u"Form9"_s, u"Form1"_s}));
        QVERIFY(!window.isVisible() && program.host.messages.isEmpty());
    }

    // No control overlaps another or leaves the window, every caption is readable in full,
    // and screen readers find every control by a name (a label's may be empty until the
    // program fills it).
    void layout_data()
    {
        QTest::addColumn<int>("tool"); // -1: the main window
        QTest::newRow("Form1") << -1;
        for (const auto &[tool, form] : kTools)
            QTest::newRow(qPrintable(form)) << int(tool);
    }
    void layout()
    {
        QFETCH(int, tool);
        FakeHost host;
        app::MainWindow main(host);
        main.show();
        QWidget *window = tool < 0 ? &main : main.openDialog(Tool(tool));
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
