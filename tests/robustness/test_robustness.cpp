// A tireless random user: a long, seeded run of menu choices, clicks, typing, list choices
// and closes over every window, a host that answers as carelessly (RandomHost), and the
// program's promises checked after each action (Checks). Whatever an action makes of the main
// text is checked for problems at once, and the problems list is clicked through.
// VELMORA_FUZZ_SEED and VELMORA_FUZZ_ACTIONS choose another run (raise QTEST_FUNCTION_TIMEOUT
// for long ones). A failure or crash prints the seed and the last actions.

#include "app/mainwindow.h"
#include "core/codepage.h"
#include "editor/maintextedit.h"
#include "editor/problemspanel.h"
#include "support/program.h"
#include "support/testsettings.h"
#include "ui/host.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <random>

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString &text)
{
    QString out;
    QDebug(&out).nospace() << text.left(40);
    return text.size() > 40 ? out + u"...(%1 Zeichen)"_s.arg(text.size()) : out;
}

// The program's own windows: the main window, the tool dialogs and the page editors' views.
bool isProgramWindow(const QWidget *widget)
{
    return widget->objectName().startsWith(u"Form"_s) ||
           widget->objectName().startsWith(u"pageView"_s);
}

// The window whose typing a window may show: a page view shows its editor's fields.
const QWidget *typedInto(const QWidget *window)
{
    return window->objectName().startsWith(u"pageView"_s) && window->parentWidget()
               ? window->parentWidget()->window()
               : window;
}

// The program's windows the user can reach, in a fixed order.
QList<QWidget *> programWindows()
{
    QMap<QString, QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && isProgramWindow(widget))
            shown.insert(widget->objectName(), widget);
    }
    return shown.values();
}

// What the parts of a run share: the seeded draws, the texts to type, the last actions.
struct Run
{
    std::mt19937_64 engine;
    QStringList pool;
    QStringList log;
    int done = 0;

    // Drawn by hand from the raw engine, so that a seed gives the same run everywhere.
    int below(int n) { return n <= 1 ? 0 : int(engine() % quint64(n)); }
    template <typename List> const typename List::value_type &pick(const List &list)
    {
        return list.at(below(int(list.size())));
    }
    void note(const QString &line)
    {
        log.append(line);
        if (log.size() > 80) // the last actions and what the host was asked during them
            log.removeFirst();
    }
};

// The promises: no window twice and none outside the host, no number gone wrong ("nan",
// "inf") shown where the user did not type it, files only where the program may write them:
// its own files in the program folder, the paths handed out by the host, and in a folder
// chosen as the mission folder those, the description.ext before the last merge and copies
// of chosen pictures (by name). Each of the program's texts is Windows-1252 ending in CR LF;
// a merged description.ext keeps the end the file had. The first fault found is kept.
class Checks
{
public:
    Checks(const QString &root, const QString &programFolder)
        : m_root(root), m_programFolder(programFolder)
    {
        for (QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();)
            m_folders.insert(it.next());
    }

    QSet<QString> handedOut, missionFolders, pictureNames; // paths cleaned
    QString fault;

    // "nan", "inf" and "infinity" standing alone, in any case; the main window may show those
    // typed anywhere (null), as its text takes every result.
    void typed(const QWidget *window, const QString &text)
    {
        for (const QString &word : badNumberWords(text))
            m_typed[window] += word, m_typed[nullptr] += word;
    }

    // Runs while an action spins an event loop of its own, as a modal window does.
    void closeModalWindows()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && (qobject_cast<QDialog *>(widget) || widget->isModal())) {
                fault = u"a modal %1 was opened outside ui::Host"_s.arg(
                    QString::fromLatin1(widget->metaObject()->className()));
                widget->close();
            }
        }
    }

    QString afterAction(const QWidget *mainWindow)
    {
        const QWidgetList alive = QApplication::topLevelWidgets();
        // Words typed into a window that is gone do not pass on to one made later.
        m_typed.removeIf([&](QHash<const QWidget *, QSet<QString>>::iterator entry) {
            return entry.key() && !alive.contains(const_cast<QWidget *>(entry.key()));
        });
        QStringList names;
        for (QWidget *widget : alive) {
            names.append(widget->objectName());
            if (names.count(names.last()) > 1 && names.last().startsWith(u"Form"_s))
                return names.last() + u" exists twice"_s;
            if (widget->isVisible() && !isProgramWindow(widget))
                return u"an unexpected window %1 is open"_s.arg(quoted(widget->windowTitle()));
        }
        // What the program writes into fields, labels and bars; the text boxes hold what the
        // user typed or what is made of it.
        for (QWidget *window : programWindows()) {
            const QSet<QString> allowed =
                m_typed.value(window == mainWindow ? nullptr : typedInto(window));
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                const QVariant shown =
                    widget->isVisible() && !qobject_cast<QAbstractButton *>(widget)
                        ? widget->property("text")
                        : QVariant();
                for (const QString &word : badNumberWords(shown.toString())) {
                    if (!allowed.contains(word))
                        return u"%1 shows \"%2\" in %3"_s.arg(window->objectName(), word,
                                                              widget->objectName());
                }
            }
        }
        return fault.isEmpty() ? files() : fault;
    }

    // The problems list after a check: the row of a clean text, or problems in the order of
    // their lines, each within the text (the first thousand of them, to stay quick).
    static QString problems(app::MainWindow &main)
    {
        const QAbstractItemModel &rows =
            *main.findChild<QAbstractItemView *>(u"problems"_s)->model();
        const QString text = main.text();
        qsizetype lines = 1; // counted by hand: a pattern matches nothing in broken UTF-16
        for (qsizetype i = 0; i < text.size(); ++i)
            lines += text[i] == u'\n' || text[i] == QChar::ParagraphSeparator ||
                     (text[i] == u'\r' && text.mid(i + 1, 1) != u"\n"_s);
        for (int i = 0, before = 1; i < std::min(rows.rowCount(), 1000); ++i) {
            const QString shown = rows.index(i, 0).data().toString();
            const int line = problemLine(shown);
            if ((line < before || line > lines) &&
                (rows.rowCount() > 1 || shown != u"Keine Probleme gefunden"_s))
                return u"the problems list shows %1 in a text of %2 lines"_s.arg(quoted(shown))
                    .arg(lines);
            before = line;
        }
        return {};
    }

    // N of a row "Zeile N: ...", else 0.
    static int problemLine(const QString &row)
    {
        return row.startsWith(u"Zeile "_s) ? row.section(u": "_s, 0, 0).mid(6).toInt() : 0;
    }

    QString files()
    {
        static const QStringList programFiles = {
            u"description.ext"_s, u"Briefing.html"_s, u"Overview.html"_s, u"init.sqs"_s,
            u"markieren.sqs"_s,   u"ziel.sqs"_s,      u"schuss.sqs"_s};
        static const QStringList keptAsTheyWere = {u"description.ext"_s, u"description.ext.bak"_s};
        for (QDirIterator it(m_root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QFileInfo info(it.next());
            if (info.isDir()) {
                if (!m_folders.contains(info.filePath()))
                    return u"a folder was made: "_s + info.filePath();
                continue;
            }
            if (std::exchange(m_seen[info.filePath()], info.lastModified()) == info.lastModified())
                continue;
            const QString name = info.fileName();
            const bool inMission = missionFolders.contains(info.path());
            const bool missionFile =
                inMission && (programFiles.contains(name) || keptAsTheyWere.contains(name) ||
                              pictureNames.contains(name));
            if (!handedOut.contains(info.filePath()) && !missionFile &&
                !(info.path() == m_programFolder && programFiles.contains(name)))
                return u"a file was written where it must not be: "_s + info.filePath();
            if (inMission && keptAsTheyWere.contains(name))
                continue; // merged: it ends as the user's file did
            QFile file(info.filePath());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
            if (!bytes.endsWith("\r\n") || core::toCp1252(core::fromCp1252(bytes)) != bytes)
                return info.filePath() + u" is not Windows-1252 text ending in CR LF"_s;
        }
        return {};
    }

private:
    static QStringList badNumberWords(const QString &text)
    {
        static const QRegularExpression word(u"\\b(inf|infinity|nan)\\b"_s,
                                             QRegularExpression::CaseInsensitiveOption);
        QStringList words;
        for (const QRegularExpressionMatch &match : word.globalMatch(text))
            words.append(match.captured(1).toLower());
        return words;
    }

    QString m_root, m_programFolder;
    QSet<QString> m_folders;
    QHash<const QWidget *, QSet<QString>> m_typed; // by window
    QHash<QString, QDateTime> m_seen;
};

// Answers as carelessly as a user: Cancel now and then, any text, any path.
class RandomHost : public ui::Host
{
public:
    RandomHost(Run &run, Checks &checks, const QString &root)
        : m_run(run), m_checks(checks), m_root(root)
    {}
    QPointer<QWidget> asking; // the window whose action makes the program ask

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon) override
    {
        const bool cancel = buttons == ui::Buttons::OkCancel && m_run.below(2) == 0;
        m_run.note(u"  host: message %1 %2 -> %3"_s.arg(quoted(title), quoted(text),
                                                        cancel ? u"Cancel"_s : u"OK"_s));
        return cancel ? ui::Answer::Cancel : ui::Answer::Ok;
    }
    QString input(const QString &prompt, const QString &, const QString &defaultText) override
    {
        const QString answer = m_run.pick(QStringList{{}, defaultText, m_run.pick(m_run.pool)});
        m_run.note(u"  host: input %1 -> %2"_s.arg(quoted(prompt), quoted(answer)));
        m_checks.typed(asking, answer); // as if typed into the window that asked
        return answer;
    }
    // Cancel, a folder, a path through a file or a missing folder, an existing or a new file,
    // in the program folder or elsewhere.
    QString openFileName(const QString &filter) override
    {
        const QString folder = m_root + (m_run.below(2) ? u"/programm"_s : u"/anderswo"_s);
        const QStringList existing = QDir(folder).entryList(QDir::Files, QDir::Name);
        const QString newFile = u"%1/neu%2.sqs"_s.arg(folder).arg(m_run.done);
        const QString oldFile = existing.isEmpty() ? newFile : folder + u'/' + m_run.pick(existing);
        const QString path =
            m_run.pick(QStringList{QString(), folder, oldFile + u"/neu.sqs"_s,
                                   folder + u"/fehlt/neu.sqs"_s, oldFile, newFile});
        m_run.note(u"  host: file dialog -> "_s + quoted(path));
        m_checks.handedOut.insert(QDir::cleanPath(path));
        if (filter.startsWith(u"JPEG"_s)) // the overview copies its picture
            m_checks.pictureNames.insert(QFileInfo(path).fileName());
        return path;
    }
    QString saveFileName(const QString &filter) override { return openFileName(filter); }
    // Cancel, a new folder of its own, the program folder, the folder elsewhere, a path
    // through a file, a folder that is not there.
    QString folderName(const QString &) override
    {
        const QString path = m_run.pick(QStringList{
            QString(), m_root + u"/mission"_s, m_root + u"/programm"_s, m_root + u"/anderswo"_s,
            m_root + u"/anderswo/alt.sqs"_s, m_root + u"/fehlt"_s});
        m_run.note(u"  host: folder dialog -> "_s + quoted(path));
        m_checks.missionFolders.insert(QDir::cleanPath(path));
        return path;
    }
    void showFolder(const QString &path) override
    {
        m_run.note(u"  host: shows the folder "_s + quoted(path));
    }
    QString programFolder() const override { return m_root + u"/programm"_s; }

private:
    Run &m_run;
    Checks &m_checks;
    QString m_root;
};

} // namespace

// The random user itself: it picks a window, then an action of a drawn kind in it.
class TestRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomUser()
    {
        bool ok = false; // a value that is no number keeps the default run
        m_seed = qEnvironmentVariable("VELMORA_FUZZ_SEED").toULongLong(&ok);
        m_seed = ok ? m_seed : 20240611;
        const int actions = qEnvironmentVariable("VELMORA_FUZZ_ACTIONS").toInt(&ok);
        m_actions = ok && actions > 0 ? actions : 20000;
        qInfo("Random user: seed %llu, %d actions", m_seed, m_actions);
        m_run.engine.seed(m_seed);
        // The recent files and the kept text of the run go to the test locations.
        QStandardPaths::setTestModeEnabled(true);
        // Everyday words, awkward characters, odd numbers; "*x" is x repeated to 100 000
        // characters.
        QFile pool(QStringLiteral(VELMORA_TEST_DATA "/textpool.json"));
        QVERIFY(pool.open(QIODevice::ReadOnly));
        m_run.pool = QJsonDocument::fromJson(pool.readAll()).toVariant().toStringList();
        for (QString &text : m_run.pool) {
            if (text.startsWith(u'*'))
                text = text.mid(1).repeated(100'000 / (text.size() - 1) + 1).left(100'000);
        }
        // The headless platform warns at every raise() and resize of a window.
        static const QtMessageHandler previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(u"This plugin does not support"_s))
                    previousHandler(type, context, message);
            });
        // Left in place: with no run going on they only pass the signal on. The sanitizers
        // abort on an error, so their reports get the last actions too.
        s_running = this;
        for (int fatal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
            std::signal(fatal, onFatalSignal);

        // The program folder, a folder elsewhere with a file the program must not touch unless
        // the user chose it, and the working folder, where relative paths land.
        QTemporaryDir root;
        for (const QString &folder :
             {u"programm/ordner"_s, u"anderswo"_s, u"arbeit"_s, u"mission"_s})
            QVERIFY(QDir(root.path()).mkpath(folder));
        const QString old = root.filePath(u"anderswo/alt.sqs"_s);
        QVERIFY(putFile(old, "hint \"Hallo\"\r\n"));
        useEmptyTestSettings(); // the mission folder is remembered from one start to the next
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(root.filePath(u"arbeit"_s));
        Checks checks(root.path(), root.filePath(u"programm"_s));
        checks.handedOut.insert(QDir::cleanPath(old));
        RandomHost host(m_run, checks, root.path());
        const QString fault = run(checks, host);
        QDir::setCurrent(oldCurrent);
        s_running = nullptr;
        if (!fault.isEmpty())
            QFAIL(qPrintable(fault));
    }

private:
    QString run(Checks &checks, RandomHost &host)
    {
        QTimer modalWatch; // fires only inside an event loop an action spins
        modalWatch.setInterval(0);
        connect(&modalWatch, &QTimer::timeout, this, [&checks] { checks.closeModalWindows(); });
        std::unique_ptr<app::MainWindow> main;
        QString fault;
        while (m_run.done < m_actions && fault.isEmpty()) {
            if (programWindows().isEmpty()) {
                m_run.note(u"#%1 the program starts"_s.arg(m_run.done));
                (main = std::make_unique<app::MainWindow>(host))->show();
            }
            ++m_run.done;
            // The window first, so that a dialog with few controls gets its share.
            for (bool done = false; !done;) {
                QWidget *window = host.asking = m_run.pick(programWindows());
                modalWatch.start();
                done = act(window, main.get(), host, checks);
                modalWatch.stop();
            }
            // Checked now rather than after a pause in typing: the run stays the same run.
            editor::ProblemsPanel &problems = main->problemsPanel();
            if (problems.checkPending()) {
                problems.checkNow();
                fault = Checks::problems(*main);
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (m_run.done % 4 == 0) // laid out and painted every few actions, to stay quick
                QApplication::processEvents();
            fault = fault.isEmpty() ? checks.afterAction(main.get()) : fault;
        }
        main.reset();
        fault = fault.isEmpty() ? checks.files() : fault;
        return fault.isEmpty() ? fault : report(fault);
    }

    // One action of a drawn kind in the window; false when it has nothing of that kind.
    bool act(QWidget *window, app::MainWindow *main, RandomHost &host, Checks &checks)
    {
        const int draw = m_run.below(100); // the kinds of action, by how often they are drawn
        if (draw < 11) {                   // the main window's menus, while it is shown
            if (!main->isVisible())
                return false;
            QList<QAction *> items;
            for (QMenu *menu : main->findChildren<QMenu *>()) {
                Q_EMIT menu->aboutToShow(); // as when the user opens it
                items += menu->actions();
            }
            QAction *item = m_run.pick(items);
            host.asking = main;
            log(main, u"menu "_s + item->objectName());
            item->trigger();
            return true;
        }
        if (draw >= 98) { // the main window's close box ends the program, so more rarely
            if (window == main && m_run.below(3) != 0)
                return false;
            log(window, u"close box"_s);
            window->close();
            return true;
        }
        QWidgetList found = window->findChildren<QWidget *>();
        found.removeIf([&](QWidget *w) {
            if (!w->isVisible() || !w->isEnabled())
                return true;
            if (draw < 49)
                return !qobject_cast<QAbstractButton *>(w) || w->parent()->inherits("QComboBox");
            if (draw < 87)
                return !(qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w)) ||
                       w->property("readOnly").toBool();
            return !qobject_cast<QAbstractItemView *>(w) && !qobject_cast<QComboBox *>(w) &&
                   !qobject_cast<QTabBar *>(w);
        });
        if (found.isEmpty())
            return false;
        QWidget *control = m_run.pick(found);
        if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            log(button, u"click "_s + button->objectName());
            button->click();
        } else if (draw >= 87 && !qobject_cast<QListWidget *>(control) &&
                   qobject_cast<QAbstractItemView *>(control)) {
            const QString wrong = goToProblem(*main, *static_cast<QAbstractItemView *>(control));
            checks.fault = checks.fault.isEmpty() ? wrong : checks.fault;
        } else if (draw >= 87) {
            const int row =
                m_run.below(8) == 0 ? -1 : m_run.below(control->property("count").toInt());
            log(control, u"choose %1 in %2"_s.arg(row).arg(control->objectName()));
            if (auto *list = qobject_cast<QListWidget *>(control))
                list->setCurrentRow(row);
            else if (auto *tabs = qobject_cast<QTabBar *>(control))
                tabs->setCurrentIndex(row);
            else
                static_cast<QComboBox *>(control)->setCurrentIndex(row);
        } else {
            type(control, checks);
        }
        return true;
    }

    // A click or Enter on a row of the problems list moves the cursor to the problem's line.
    QString goToProblem(app::MainWindow &main, QAbstractItemView &view)
    {
        const int row = m_run.below(view.model()->rowCount());
        const bool click = m_run.below(2) == 0;
        const QString shown = view.model()->index(row, 0).data().toString();
        log(&view, u"%1 on %2"_s.arg(click ? u"click"_s : u"Enter"_s, quoted(shown)));
        activateRow(view, row + 1, click);
        const editor::MainTextEdit &box = main.mainTextEdit();
        const int line = Checks::problemLine(shown);
        const QString at = placeInText(box, box.textCursor().position());
        if (line > 0 && at.section(u' ', 0, 0).toInt() != line)
            return u"the problem %1 leads to %2"_s.arg(quoted(shown), at);
        return {};
    }

    void type(QWidget *box, Checks &checks)
    {
        const QString text = m_run.pick(m_run.pool);
        const bool replace = m_run.below(20) < 12; // most often all, else at a random place
        log(box, u"type into %1 (%2) %3"_s.arg(box->objectName(),
                                               replace ? u"replace"_s : u"insert"_s, quoted(text)));
        checks.typed(box->window(), text);
        if (auto *line = qobject_cast<QLineEdit *>(box)) {
            if (replace)
                line->selectAll();
            else
                line->setCursorPosition(m_run.below(int(line->text().size()) + 1));
            line->insert(text);
            checks.typed(box->window(), line->text()); // typing into a word can make one
            return;
        }
        auto *edit = static_cast<QPlainTextEdit *>(box);
        QTextCursor cursor(edit->document());
        if (replace)
            cursor.select(QTextCursor::Document);
        else
            cursor.setPosition(m_run.below(edit->document()->characterCount()));
        edit->setTextCursor(cursor);
        edit->insertPlainText(text);
    }

    void log(const QWidget *widget, const QString &what)
    {
        m_run.note(u"#%1 %2: %3"_s.arg(m_run.done).arg(widget->window()->objectName(), what));
    }

    QString report(const QString &what) const
    {
        return u"Random user, seed %1: %2 after action %3 of %4.\n"
               "Replay with VELMORA_FUZZ_SEED=%1 VELMORA_FUZZ_ACTIONS=%3\nThe last actions:\n%5\n"_s
                   .arg(QString::number(m_seed), what, QString::number(m_run.done),
                        QString::number(m_actions), m_run.log.join(u'\n'));
    }
    static void onFatalSignal(int signal)
    {
        std::signal(signal, SIG_DFL);
        if (TestRobustness *running = std::exchange(s_running, nullptr))
            std::fputs(qPrintable(running->report(u"the program crashed"_s)), stderr);
        std::raise(signal);
    }

    static inline TestRobustness *s_running = nullptr;
    quint64 m_seed = 0;
    int m_actions = 0;
    Run m_run;
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
