#include "editor/filecommands.h"
#include "editor/maintextedit.h"
#include "support/steps.h"
#include "ui/elidedlabel.h"
#include "ui/settings.h"
#include "ui/windowhabits.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using app::Tool;

namespace {
// Each tool dialog with the name of its window.
constexpr int kPageView = 100; // added to an editor's tool: the editor's page view

const QList<std::pair<Tool, QString>> kTools = {
    {Tool::BombDrop, u"Form2"_s},       {Tool::SimpleCampaign, u"Form3"_s},
    {Tool::BriefingEditor, u"Form4"_s}, {Tool::OverviewEditor, u"Form5"_s},
    {Tool::SoundEditor, u"Form6"_s},    {Tool::ExtendedCampaign, u"Form7"_s},
    {Tool::WeaponsEditor, u"Form8"_s},  {Tool::Artillery, u"Form9"_s}};

// The controls a user sees and works with, without the parts the toolkit builds inside them
// (a combo box's line edit, a scroll area's contents).
QList<QWidget *> controls(QWidget &window)
{
    QList<QWidget *> result;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        bool wanted = w->isVisibleTo(&window) && !w->objectName().startsWith(u"qt_") &&
                      (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) ||
                       qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
                       qobject_cast<QAbstractScrollArea *>(w) || qobject_cast<QProgressBar *>(w) ||
                       qobject_cast<QTabBar *>(w));
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
                seen += menu->menu()->objectName().endsWith(u"_menu"_s) ? u' ' + item->objectName()
                                                                        : QString();
            seen += u' ';
        }
        // The Datei menu first, the Tools and Hilfe menus as they always were.
        QCOMPARE(seen, u"Command16 Command19 Command7 Command22 Command17 Command8 Command9 "
                       "| fileMenu: | editMenu: | tools_menu: briefing overview sound bdpcalc "
                       "campaign_lite campaign_pro weapon artillery "
                       "| mission_menu: chooseMissionFolder openMissionFolder "
                       "| help_menu: help info "_s);
        // Its file commands are the toolbar's own.
        const QList<QAction *> fileItems = window.findChild<QMenu *>(u"fileMenu"_s)->actions();
        for (const QString &button : {u"Command16"_s, u"Command7"_s, u"Command19"_s})
            QVERIFY(fileItems.contains(window.findChild<QToolButton *>(button)->defaultAction()));
        auto *saveAs = window.findChild<QToolButton *>(u"Command19"_s);
        QVERIFY(saveAs->text() == u"..."_s && QFontInfo(saveAs->font()).fixedPitch());
        // No menu can hide the toolbar.
        const std::unique_ptr<QMenu> popup(window.createPopupMenu());
        QVERIFY(!popup || popup->isEmpty());
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

    void dialogsExistOnceAndOutliveTheMainWindow()
    {
        Program program;
        app::MainWindow &window = program.main;
        window.show();
        for (const auto &[tool, form] : kTools) {
            QWidget *first = window.openDialog(tool);
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
    void stories() { playStory(); }

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

    // A regular file dropped on the window or on the text opens as with Öffnen, remembered
    // for Speichern; a folder is not taken.
    void dropAFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<bool>("opened");
        QTest::newRow("file on the window") << u"Form1"_s << u"a.sqs"_s << true;
        QTest::newRow("file on the text") << u"Text1"_s << u"a.sqs"_s << true;
        QTest::newRow("folder on the window") << u"Form1"_s << u"folder"_s << false;
        QTest::newRow("folder on the text") << u"Text1"_s << u"folder"_s << false;
    }
    void dropAFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, dropped);
        QFETCH(bool, opened);
        Program program;
        QVERIFY(putFile(program.path(u"a.sqs"_s), "dropped") &&
                QDir(program.folder.path()).mkdir(u"folder"_s));
        program.main.replace(u"before"_s);
        QWidget *on = target == u"Form1"_s ? &program.main : program.main.mainTextEdit().viewport();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(program.path(dropped))});
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(on, &enter);
        QCOMPARE(enter.isAccepted(), opened);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(on, &drop);
        QCOMPARE(program.main.text(), opened ? u"dropped"_s : u"before"_s);
        QCOMPARE(program.main.fileCommands().openedPath(),
                 opened ? program.path(dropped) : QString());
    }

    // The files last opened or saved, newest first, across runs; a file that has gone leaves
    // the list when it is chosen.
    void recentFiles()
    {
        Program program;
        ui::settings().remove(u"recentFiles"_s);
        for (const QString &name : {u"a.sqs"_s, u"b.sqs"_s})
            QVERIFY(putFile(program.path(name), name.toLatin1()));
        const Window w{&program.main};
        for (const QString &name : {u"a.sqs"_s, u"b.sqs"_s, u"a.sqs"_s}) {
            program.host.fileNames.enqueue(program.path(name));
            w.click(u"Command16"_s);
        }
        program.host.fileNames.enqueue(program.path(u"c.sqs"_s));
        w.click(u"Command19"_s);
        app::MainWindow again(program.host);
        auto *menu = again.findChild<QMenu *>(u"recentFiles"_s);
        Q_EMIT again.findChild<QMenu *>(u"fileMenu"_s)->aboutToShow();
        QStringList entries;
        for (QAction *entry : menu->actions())
            entries.append(entry->text());
        QCOMPARE(entries, (QStringList{u"&1  "_s + program.path(u"c.sqs"_s),
                                       u"&2  "_s + program.path(u"a.sqs"_s),
                                       u"&3  "_s + program.path(u"b.sqs"_s)}));
        menu->actions()[2]->trigger();
        QCOMPARE(again.text(), u"b.sqs"_s);
        QVERIFY(QFile::remove(program.path(u"a.sqs"_s)));
        menu->actions()[1]->trigger();
        QCOMPARE(again.text(), u"b.sqs"_s);
        Q_EMIT again.findChild<QMenu *>(u"fileMenu"_s)->aboutToShow();
        QCOMPARE(menu->actions().size(), 2);
    }

    // A click into a snippet field that still shows its default text selects it, so that
    // typing replaces it; in a field the user has typed into, it places the cursor.
    void clickSelectsDefaultText()
    {
        Program program;
        program.main.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.main));
        auto *condition = program.main.findChild<QLineEdit *>(u"Text6"_s);
        auto *command = program.main.findChild<QLineEdit *>(u"Text7"_s);
        QTest::mouseClick(condition, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClicks(condition, u"_i>3"_s);
        QTest::mouseClick(command, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseClick(condition, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::keyClicks(condition, u"("_s);
        QCOMPARE(condition->text(), u"(_i>3"_s);
    }

    // On a small screen every window fits: its minimum size within the screen's work area
    // (the screen less a taskbar, in logical pixels at the scale) and its frame. At the size
    // it opens with there, no control overlaps another or leaves the window, every caption
    // is readable in full, and screen readers find every control by a name (a label's may
    // be empty until the program fills it). The main window shows its find bar, the overview
    // editor its picture warning.
    void layout_data()
    {
        QTest::addColumn<int>("tool"); // -1: the main window; from kPageView: a page view
        QTest::addColumn<QSize>("workArea");
        const struct
        {
            const char *name;
            QSize pixels;
            double scale;
        } screens[] = {{"1366x768 at 100%", {1366, 768}, 1.0},
                       {"1366x768 at 125%", {1366, 768}, 1.25},
                       {"1920x1080 at 200%", {1920, 1080}, 2.0}};
        constexpr int kTaskbar = 48;
        for (const auto &screen : screens) {
            const QSize workArea =
                (QSizeF(screen.pixels) / screen.scale).toSize() - QSize(0, kTaskbar);
            QTest::addRow("Form1, %s", screen.name) << -1 << workArea;
            for (const auto &[tool, form] : kTools)
                QTest::addRow("%s, %s", qPrintable(form), screen.name) << int(tool) << workArea;
            QTest::addRow("briefing page view, %s", screen.name)
                << int(Tool::BriefingEditor) + kPageView << workArea;
            QTest::addRow("overview page view, %s", screen.name)
                << int(Tool::OverviewEditor) + kPageView << workArea;
        }
    }
    void layout()
    {
        QFETCH(int, tool);
        QFETCH(QSize, workArea);
        FakeHost host;
        app::MainWindow main(host);
        main.show();
        QWidget *window = tool < 0 ? &main : main.openDialog(Tool(tool % kPageView));
        if (tool >= kPageView) {
            window->findChild<QAbstractButton *>(u"pageView"_s)->click();
            window = window->findChild<QWidget *>(tool == int(Tool::BriefingEditor) + kPageView
                                                      ? u"pageViewBriefing"_s
                                                      : u"pageViewOverview"_s);
            QVERIFY(window && window->isWindow());
        }
        if (tool < 0)
            main.findChild<QAction *>(u"replace"_s)->trigger();
        if (tool == int(Tool::OverviewEditor)) // the picture warning beside the picture box
            window->findChild<QAbstractButton *>(u"Command1"_s)->click();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QSize wanted = window->size();
        window->resize(1, 1);
        const QSize minimum = window->size();
        QVERIFY2(minimum.width() <= workArea.width() - ui::kWindowFrame.width() &&
                     minimum.height() <= workArea.height() - ui::kWindowFrame.height(),
                 qPrintable(u"needs %1 x %2"_s.arg(minimum.width()).arg(minimum.height())));
        // It opened fitted to the screen of this run.
        QCOMPARE(wanted, ui::fittedSize(wanted, minimum, window->screen()->availableSize()));
        window->resize(ui::fittedSize(wanted, minimum, workArea));
        QCoreApplication::processEvents();
        const QList<QWidget *> list = controls(*window);
        QVERIFY(list.size() >= 3);
        auto place = [&](QWidget *w) {
            return QRect(w->mapTo(window, QPoint()), w->size());
        };
        if (tool == int(Tool::OverviewEditor)) {
            const QRect picture = place(window->findChild<QWidget *>(u"Text3"_s));
            const QRect warning = place(window->findChild<QWidget *>(u"Label4"_s));
            QVERIFY(warning.left() > picture.right() && warning.top() <= picture.center().y() &&
                    warning.bottom() >= picture.center().y());
        }
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
            // A label for names of any length shortens them, the whole name in its tool tip.
            auto *label = dynamic_cast<ui::ElidedLabel *>(a) ? nullptr : qobject_cast<QLabel *>(a);
            auto *button = qobject_cast<QAbstractButton *>(a);
            const QString caption = label && !label->wordWrap() ? label->text()
                                    : button                    ? button->text()
                                                                : QString();
            const int room = label ? label->contentsRect().width() : a->width();
            QVERIFY2(a->fontMetrics().horizontalAdvance(caption) <= room, qPrintable(caption));
            if (label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->text()));
        }
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
