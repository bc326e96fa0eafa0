// A tireless random user: a long, seeded sequence of clicks, menu choices, typing, list choices
// and window closes over the main window and every tool dialog, with the program's promises
// checked after every single action.
//
// VELMORA_FUZZ_SEED and VELMORA_FUZZ_ACTIONS choose another seed and length for long runs by
// hand (with QTEST_FUNCTION_TIMEOUT raised past QtTest's five minutes). A failure prints the
// seed and the last 50 actions, so the run can be replayed.

#include "app/mainwindow.h"
#include "core/codepage.h"
#include "randomhost.h"
#include "textpool.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_SANITIZED 1
#endif
#endif
#ifdef VELMORA_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr quint64 kDefaultSeed = 20'240'611;
constexpr int kDefaultActions = 20'000;
constexpr int kLoggedActions = 50;

// The files the program writes into its own folder.
const QStringList kProgramFiles = {u"description.ext"_s, u"Briefing.html"_s, u"Overview.html"_s,
                                   u"init.sqs"_s,        u"markieren.sqs"_s, u"ziel.sqs"_s,
                                   u"schuss.sqs"_s};

QString shortened(QString text)
{
    if (text.size() > 40)
        text = text.left(40) + u"...("_s + QString::number(text.size()) + u" Zeichen)"_s;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x20) {
            const QString escaped = u"\\x"_s + QString::number(text[i].unicode(), 16);
            text.replace(i, 1, escaped);
            i += escaped.size() - 1;
        }
    }
    return text;
}

QString nameOf(const QObject *object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    if (object->parent())
        return nameOf(object->parent()) + u"/"_s +
               QString::fromLatin1(object->metaObject()->className());
    return QString::fromLatin1(object->metaObject()->className());
}

bool isFormName(const QString &name)
{
    return name.size() == 5 && name.startsWith(u"Form"_s) && name[4] >= u'1' && name[4] <= u'9';
}

// Bytes that a text written by the program may hold: what the code page can say, closed by
// one CR LF.
QString fileFault(const QByteArray &bytes)
{
    if (!bytes.endsWith("\r\n"))
        return u"does not end in CR LF"_s;
    if (core::toCp1252(core::fromCp1252(bytes)) != bytes)
        return u"holds bytes outside Windows-1252"_s;
    return QString();
}

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("VELMORA_FUZZ_SEED").toULongLong(&ok);
    return ok ? seed : kDefaultSeed;
}

int actionsFromEnvironment()
{
    bool ok = false;
    const int actions = qEnvironmentVariableIntValue("VELMORA_FUZZ_ACTIONS", &ok);
    return ok && actions > 0 ? actions : kDefaultActions;
}

class RandomUser;
RandomUser *g_running = nullptr;
void printLastActions();

class RandomUser
{
public:
    RandomUser(quint64 seed, int actions);
    ~RandomUser();

    // Empty when every check held.
    QString run();
    QString report(const QString &what) const;
    int actionsDone() const { return m_done; }
    // How many actions went to each window, to see that every dialog had its share.
    QString share() const
    {
        QStringList parts;
        for (auto it = m_perWindow.cbegin(); it != m_perWindow.cend(); ++it)
            parts.append(it.key() + u' ' + QString::number(it.value()));
        return parts.join(u", "_s);
    }

private:
    enum class Kind { Menu, Click, Type, Choose, CloseDialog, CloseMainWindow };

    QList<QWidget *> windows() const;
    template <typename T> QList<T *> usable(bool (*accept)(T *)) const;
    QWidget *m_target = nullptr;      // the window of the next action
    QPointer<QWidget> m_actionWindow; // the window the last action was done in
    bool act(Kind kind);
    bool chooseMenuItem();
    bool click();
    bool type();
    bool choose();
    bool closeDialog();
    bool closeMainWindow();
    void startProgram();
    void log(const QString &line);
    void noteTyped(QWidget *window, const QString &text);
    void watchForModalWindows();

    QString check();
    QString checkWindows();
    QString checkNumbers();
    QString checkFiles();

    quint64 m_seed;
    int m_actions;
    int m_done = 0;
    Random m_random;
    QTemporaryDir m_root;
    QString m_programFolder;
    QString m_otherFolder;
    QString m_oldCurrent;
    std::unique_ptr<RandomHost> m_host;
    std::unique_ptr<app::MainWindow> m_window;
    std::deque<QString> m_log;
    QMap<QString, int> m_perWindow;
    QTimer m_modalWatch;
    QString m_modalFault;

    // The bad-number words the user typed into each window since it was made; the main text
    // takes every dialog's result, so the main window counts all of them.
    QObject m_guard;
    std::map<const QObject *, QSet<QString>> m_typed;
    QSet<QString> m_typedAnywhere;
    struct DocumentWords
    {
        QPointer<QTextDocument> document;
        int revision = -1;
        QSet<QString> words;
    };
    std::map<const QObject *, DocumentWords> m_documentWords;

    std::map<QString, QByteArray> m_fixtures;
    QSet<QString> m_folders;
    std::map<QString, std::pair<qint64, QDateTime>> m_seen;
};

RandomUser::RandomUser(quint64 seed, int actions) : m_seed(seed), m_actions(actions), m_random(seed)
{
    m_programFolder = m_root.filePath(u"programm"_s);
    m_otherFolder = m_root.filePath(u"anderswo"_s);
    const QString current = m_root.filePath(u"arbeitsordner"_s);
    for (const QString &folder :
         {m_programFolder, m_otherFolder, current, m_programFolder + u"/ordner"_s}) {
        QDir().mkpath(folder);
        m_folders.insert(QFileInfo(folder).absoluteFilePath());
    }
    m_folders.insert(QFileInfo(m_root.path()).absoluteFilePath());
    // A file the program must not touch unless the user chose it, an empty one, and one with
    // every byte.
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    m_fixtures = {{m_otherFolder + u"/alt.sqs"_s, "hint \"Hallo\"\r\n"},
                  {m_otherFolder + u"/leer.sqs"_s, QByteArray()},
                  {m_otherFolder + u"/bytes.bin"_s, everyByte}};
    for (const auto &[path, bytes] : m_fixtures) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    // Relative paths would land here, where the checks see them.
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(current);

    m_host = std::make_unique<RandomHost>(m_random, m_programFolder, m_otherFolder,
                                          [this](const QString &line) { log(line); });
    m_modalWatch.setInterval(0);
    QObject::connect(&m_modalWatch, &QTimer::timeout, &m_guard, [this] { watchForModalWindows(); });
}

RandomUser::~RandomUser()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(m_oldCurrent);
}

void RandomUser::log(const QString &line)
{
    if (line.startsWith(u' ') && !m_log.empty()) {
        m_log.back() += u'\n' + line;
        return;
    }
    m_log.push_back(line);
    if (m_log.size() > kLoggedActions)
        m_log.pop_front();
}

QString RandomUser::report(const QString &what) const
{
    QString text = u"Random user, seed %1: %2 after action %3 of %4.\n"
                   "Replay with VELMORA_FUZZ_SEED=%1 VELMORA_FUZZ_ACTIONS=%3\n"
                   "The last actions:\n"_s.arg(m_seed)
                       .arg(what)
                       .arg(m_done)
                       .arg(m_actions);
    for (const QString &line : m_log)
        text += line + u'\n';
    return text;
}

void RandomUser::startProgram()
{
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_window = std::make_unique<app::MainWindow>(*m_host);
    m_window->show();
}

QString RandomUser::run()
{
    if (!m_root.isValid())
        return u"no temporary folder"_s;
    startProgram();
    static const QList<Kind> kinds = {
        Kind::Menu,  Kind::Menu,   Kind::Click,  Kind::Click,       Kind::Click,
        Kind::Click, Kind::Click,  Kind::Click,  Kind::Click,       Kind::Type,
        Kind::Type,  Kind::Type,   Kind::Type,   Kind::Type,        Kind::Type,
        Kind::Type,  Kind::Choose, Kind::Choose, Kind::CloseDialog, Kind::CloseMainWindow};
    while (m_done < m_actions) {
        ++m_done;
        // Draw until an action can be done: the main window's close box and a dialog's are
        // drawn rarely, the rest often.
        for (int tries = 0; tries < 100; ++tries) {
            // The window first, so that a dialog with few controls gets its share.
            const QList<QWidget *> shown = windows();
            m_target = shown.isEmpty() ? nullptr : m_random.pick(shown);
            const Kind kind = m_random.pick(kinds);
            if (kind == Kind::CloseMainWindow && !m_random.percent(10))
                continue;
            if (kind == Kind::CloseDialog && !m_random.percent(25))
                continue;
            m_modalWatch.start();
            m_actionWindow = m_target;
            const bool done = act(kind);
            m_modalWatch.stop();
            // Texts given in input boxes count as typed into the window that asked.
            for (const QString &input : m_host->takeInputs()) {
                if (m_actionWindow)
                    noteTyped(m_actionWindow, input);
                else
                    m_typedAnywhere.unite(badNumberWords(input));
            }
            if (done) {
                ++m_perWindow[m_actionWindow ? m_actionWindow->objectName() : u"Form1"_s];
                break;
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The windows are laid out and painted after every few actions: often enough to
        // paint every state a while, seldom enough for the run to stay quick.
        if (m_done % 4 == 0)
            QApplication::processEvents();
        if (const QString fault = check(); !fault.isEmpty())
            return report(fault);
        if (windows().isEmpty()) {
            log(u"#%1 program ended; started again"_s.arg(m_done));
            startProgram();
        }
    }
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_seen.clear(); // every file once more
    if (const QString fault = checkFiles(); !fault.isEmpty())
        return report(fault);
    return QString();
}

bool RandomUser::act(Kind kind)
{
    switch (kind) {
    case Kind::Menu:
        return chooseMenuItem();
    case Kind::Click:
        return click();
    case Kind::Type:
        return type();
    case Kind::Choose:
        return choose();
    case Kind::CloseDialog:
        return closeDialog();
    case Kind::CloseMainWindow:
        return closeMainWindow();
    }
    return false;
}

// The program's windows the user can reach: shown top-level windows.
QList<QWidget *> RandomUser::windows() const
{
    QList<QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && isFormName(widget->objectName()))
            shown.append(widget);
    }
    std::sort(shown.begin(), shown.end(),
              [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    return shown;
}

template <typename T> QList<T *> RandomUser::usable(bool (*accept)(T *)) const
{
    QList<T *> found;
    if (!m_target)
        return found;
    for (T *widget : m_target->findChildren<T *>()) {
        if (widget->isVisible() && widget->isEnabled() && accept(widget))
            found.append(widget);
    }
    return found;
}

bool RandomUser::chooseMenuItem()
{
    if (!m_window || !m_window->isVisible())
        return false;
    QList<QAction *> items;
    for (QAction *menu : m_window->menuBar()->actions()) {
        if (menu->menu()) {
            for (QAction *item : menu->menu()->actions()) {
                if (item->isEnabled() && !item->isSeparator())
                    items.append(item);
            }
        }
    }
    if (items.isEmpty())
        return false;
    QAction *item = m_random.pick(items);
    m_actionWindow = m_window.get();
    log(u"#%1 Form1: menu item %2 \"%3\""_s.arg(m_done).arg(item->objectName(), item->text()));
    item->trigger();
    return true;
}

bool RandomUser::click()
{
    const QList<QAbstractButton *> buttons = usable<QAbstractButton>(
        [](QAbstractButton *button) { return !qobject_cast<QComboBox *>(button->parent()); });
    if (buttons.isEmpty())
        return false;
    QAbstractButton *button = m_random.pick(buttons);
    const QString caption = button->text().isEmpty() ? button->toolTip() : button->text();
    log(u"#%1 %2: click %3 \"%4\""_s.arg(m_done).arg(button->window()->objectName(), nameOf(button),
                                                     caption));
    button->click();
    return true;
}

void RandomUser::noteTyped(QWidget *window, const QString &text)
{
    const QSet<QString> words = badNumberWords(text);
    if (words.isEmpty())
        return;
    m_typedAnywhere.unite(words);
    if (!m_typed.contains(window))
        QObject::connect(window, &QObject::destroyed, &m_guard,
                         [this](QObject *gone) { m_typed.erase(gone); });
    m_typed[window].unite(words);
}

bool RandomUser::type()
{
    const QList<QLineEdit *> lines =
        usable<QLineEdit>([](QLineEdit *line) { return !line->isReadOnly(); });
    const QList<QPlainTextEdit *> boxes =
        usable<QPlainTextEdit>([](QPlainTextEdit *box) { return !box->isReadOnly(); });
    const int count = int(lines.size() + boxes.size());
    if (count == 0)
        return false;
    const int chosen = m_random.below(count);
    QWidget *box = chosen < lines.size() ? static_cast<QWidget *>(lines[chosen])
                                         : boxes[chosen - lines.size()];
    const QString text = m_random.pick(textPool());
    // Most often the whole content is replaced, else the text goes to the end or anywhere.
    const int how = m_random.below(20);
    const QString mode = how < 12 ? u"replace"_s : how < 17 ? u"append"_s : u"insert"_s;
    log(u"#%1 %2: type into %3 (%4) \"%5\""_s.arg(m_done).arg(box->window()->objectName(),
                                                              nameOf(box), mode, shortened(text)));
    noteTyped(box->window(), text);
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        if (mode == u"replace"_s)
            line->selectAll();
        else
            line->setCursorPosition(mode == u"append"_s
                                        ? int(line->text().size())
                                        : m_random.below(int(line->text().size()) + 1));
        // The box keeps what fits, as it would itself; cut here, because the toolkit's own
        // cutting copies the rest once per character it inserts.
        const qsizetype room =
            line->maxLength() - line->text().size() + line->selectedText().size();
        line->insert(text.left(std::max<qsizetype>(room, 0)));
    } else {
        auto *edit = static_cast<QPlainTextEdit *>(box);
        QTextCursor cursor(edit->document());
        if (mode == u"replace"_s)
            cursor.select(QTextCursor::Document);
        else if (mode == u"append"_s)
            cursor.movePosition(QTextCursor::End);
        else
            cursor.setPosition(m_random.below(edit->document()->characterCount()));
        edit->setTextCursor(cursor);
        edit->insertPlainText(text);
    }
    // Typing into the middle of a word can make one: "Infinity" and a quote after "Inf".
    noteTyped(box->window(), qobject_cast<QLineEdit *>(box)
                                 ? static_cast<QLineEdit *>(box)->text()
                                 : static_cast<QPlainTextEdit *>(box)->document()->toRawText());
    return true;
}

bool RandomUser::choose()
{
    const QList<QListWidget *> lists = usable<QListWidget>([](QListWidget *) { return true; });
    const QList<QComboBox *> combos = usable<QComboBox>([](QComboBox *) { return true; });
    const int count = int(lists.size() + combos.size());
    if (count == 0)
        return false;
    const int chosen = m_random.below(count);
    if (chosen < lists.size()) {
        QListWidget *list = lists[chosen];
        // Now and then no entry at all.
        const int row = m_random.percent(15) ? -1 : m_random.below(list->count());
        log(u"#%1 %2: choose row %3 in %4"_s.arg(m_done)
                .arg(list->window()->objectName())
                .arg(row)
                .arg(nameOf(list)));
        if (row < 0)
            list->clearSelection();
        list->setCurrentRow(row);
    } else {
        QComboBox *combo = combos[chosen - lists.size()];
        const int index = m_random.below(combo->count());
        log(u"#%1 %2: choose entry %3 in %4"_s.arg(m_done)
                .arg(combo->window()->objectName())
                .arg(index)
                .arg(nameOf(combo)));
        combo->setCurrentIndex(index);
    }
    return true;
}

bool RandomUser::closeDialog()
{
    QList<QWidget *> dialogs = windows();
    dialogs.removeIf([](const QWidget *w) { return w->objectName() == u"Form1"_s; });
    if (dialogs.isEmpty())
        return false;
    QWidget *dialog = m_random.pick(dialogs);
    log(u"#%1 %2: close box"_s.arg(m_done).arg(dialog->objectName()));
    dialog->close();
    return true;
}

bool RandomUser::closeMainWindow()
{
    if (!m_window || !m_window->isVisible())
        return false;
    m_actionWindow = m_window.get();
    log(u"#%1 Form1: close box"_s.arg(m_done));
    m_window->close();
    return true;
}

// Runs only when an action spins an event loop of its own, as a modal window does.
void RandomUser::watchForModalWindows()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        modal = QApplication::activePopupWidget();
    if (!modal) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && (qobject_cast<QDialog *>(widget) || widget->isModal()))
                modal = widget;
        }
    }
    if (!modal)
        return;
    if (m_modalFault.isEmpty())
        m_modalFault = u"a modal window \"%1\" (%2) was opened outside ui::Host"_s.arg(
            modal->windowTitle(), QString::fromLatin1(modal->metaObject()->className()));
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

QString RandomUser::check()
{
    if (!m_modalFault.isEmpty())
        return m_modalFault;
    for (const auto &part :
         {&RandomUser::checkWindows, &RandomUser::checkNumbers, &RandomUser::checkFiles}) {
        if (const QString fault = (this->*part)(); !fault.isEmpty())
            return fault;
    }
    return QString();
}

QString RandomUser::checkWindows()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return u"a modal window \"%1\" is open"_s.arg(modal->windowTitle());
    QMap<QString, int> counts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const QString name = widget->objectName();
        if (isFormName(name))
            ++counts[name];
        if (!widget->isVisible())
            continue;
        if (!isFormName(name) || qobject_cast<QDialog *>(widget) || widget->isModal())
            return u"an unexpected window \"%1\" (%2, %3) is open"_s.arg(
                widget->windowTitle(), name,
                QString::fromLatin1(widget->metaObject()->className()));
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > 1)
            return u"%1 exists %2 times"_s.arg(it.key()).arg(it.value());
    }
    return QString();
}

// No box, label or bar shows "nan" or "inf" unless the user typed it into that window.
QString RandomUser::checkNumbers()
{
    for (QWidget *window : windows()) {
        const bool mainWindow = window->objectName() == u"Form1"_s;
        const auto typed = m_typed.find(window);
        const QSet<QString> allowed = mainWindow               ? m_typedAnywhere
                                      : typed != m_typed.end() ? typed->second
                                                               : QSet<QString>();
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible())
                continue;
            QSet<QString> words;
            if (auto *line = qobject_cast<QLineEdit *>(widget))
                words = badNumberWords(line->text());
            else if (auto *label = qobject_cast<QLabel *>(widget))
                words = badNumberWords(label->text());
            else if (auto *bar = qobject_cast<QProgressBar *>(widget))
                words = badNumberWords(bar->text());
            else if (auto *group = qobject_cast<QGroupBox *>(widget))
                words = badNumberWords(group->title());
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                words = badNumberWords(button->text());
            else if (qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTextEdit *>(widget)) {
                auto *plain = qobject_cast<QPlainTextEdit *>(widget);
                QTextDocument *document =
                    plain ? plain->document() : static_cast<QTextEdit *>(widget)->document();
                DocumentWords &seen = m_documentWords[widget];
                if (seen.document != document || seen.revision != document->revision()) {
                    seen = {document, document->revision(), badNumberWords(document->toRawText())};
                }
                words = seen.words;
            }
            words.subtract(allowed);
            if (!words.isEmpty())
                return u"%1 shows \"%2\" in %3"_s.arg(window->objectName(),
                                                      words.values().join(u", "_s), nameOf(widget));
        }
    }
    return QString();
}

QString RandomUser::checkFiles()
{
    const QString programFolder = QFileInfo(m_programFolder).absoluteFilePath();
    QDirIterator entries(m_root.path(),
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        const QString path = info.absoluteFilePath();
        if (info.isDir()) {
            if (!m_folders.contains(path))
                return u"a folder was made: "_s + path;
            continue;
        }
        const auto fixture = m_fixtures.find(path);
        const bool allowed =
            fixture != m_fixtures.end() || m_host->handedOut().contains(path) ||
            (info.absolutePath() == programFolder && kProgramFiles.contains(info.fileName()));
        if (!allowed)
            return u"a file was written where it must not be: "_s + path;
        const std::pair<qint64, QDateTime> stamp{info.size(), info.lastModified()};
        auto &seen = m_seen[path];
        if (seen == stamp)
            continue;
        seen = stamp;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return u"a written file cannot be read: "_s + path;
        const QByteArray bytes = file.readAll();
        if (fixture != m_fixtures.end() && fixture->second == bytes)
            continue;
        if (const QString fault = fileFault(bytes); !fault.isEmpty())
            return path + u" "_s + fault;
    }
    return QString();
}

void printLastActions()
{
    static bool printed = false;
    if (!g_running || printed)
        return;
    printed = true;
    const QByteArray text = g_running->report(u"the program crashed"_s).toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

void onFatalSignal(int signal)
{
    std::signal(signal, SIG_DFL);
    printLastActions();
    std::raise(signal);
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void randomUser()
    {
        const quint64 seed = seedFromEnvironment();
        const int actions = actionsFromEnvironment();
        qInfo("Random user: seed %llu, %d actions", seed, actions);
        // The headless platform warns at every raise() and resize of a window.
        static QtMessageHandler previousHandler = nullptr;
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(u"This plugin does not support"_s))
                    previousHandler(type, context, message);
            });
        RandomUser user(seed, actions);
        g_running = &user;
        const int fatal[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};
        std::map<int, void (*)(int)> previous;
        for (int s : fatal)
            previous[s] = std::signal(s, onFatalSignal);
#ifdef VELMORA_SANITIZED
        __sanitizer_set_death_callback(printLastActions);
#endif
        const QString fault = user.run();
        for (int s : fatal)
            std::signal(s, previous[s]);
        g_running = nullptr;
        qInstallMessageHandler(previousHandler);
        if (!fault.isEmpty())
            QFAIL(qPrintable(fault));
        qInfo("Random user: %d actions done (%s)", user.actionsDone(), qPrintable(user.share()));
    }

    // The checks themselves must see the faults they are there for.
    void badNumberWordsAreFound_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain nan") << u"nan"_s << QStringList{u"nan"_s};
        QTest::newRow("negative inf in a sentence")
            << u"Fallzeit: -inf s"_s << QStringList{u"inf"_s};
        QTest::newRow("upper case") << u"NaN und INF"_s << QStringList{u"inf"_s, u"nan"_s};
        QTest::newRow("infinity") << u"Infinity"_s << QStringList{u"infinity"_s};
        QTest::newRow("inside words") << u"Info, Banane, nano, inf1"_s << QStringList();
        QTest::newRow("empty") << QString() << QStringList();
    }
    void badNumberWordsAreFound()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QStringList found = badNumberWords(text).values();
        found.sort();
        QCOMPARE(found, words);
    }

    void writtenFilesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("good");
        QTest::newRow("text and CR LF") << QByteArray("a\xe4\x80\r\n") << true;
        QTest::newRow("only CR LF") << QByteArray("\r\n") << true;
        QTest::newRow("no line end") << QByteArray("abc") << false;
        QTest::newRow("LF only") << QByteArray("abc\n") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void writtenFilesAreChecked()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, good);
        QCOMPARE(fileFault(bytes).isEmpty(), good);
    }
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
