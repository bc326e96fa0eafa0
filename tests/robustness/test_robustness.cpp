// A tireless random user: a long, seeded run of clicks, menu choices, typing, list choices and
// closes over every window, checking the program's promises after each action; as the host it
// answers as carelessly. VELMORA_FUZZ_SEED and VELMORA_FUZZ_ACTIONS choose another run (raise
// QTEST_FUNCTION_TIMEOUT for long ones). A failure or crash prints the seed and last 50 actions.

#include "app/mainwindow.h"
#include "core/codepage.h"
#include "ui/host.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <numeric>
#include <random>

// Set only in sanitizer builds, where an error ends the process without a signal.
extern "C" void __sanitizer_set_death_callback(void (*)()) __attribute__((weak));

using namespace Qt::StringLiterals;

namespace {

const QStringList kProgramFiles = {u"description.ext"_s, u"Briefing.html"_s, u"Overview.html"_s,
                                   u"init.sqs"_s,        u"markieren.sqs"_s, u"ziel.sqs"_s,
                                   u"schuss.sqs"_s};

// "nan", "inf" and "infinity" (any case) standing alone: what a number shows when it went wrong.
QStringList badNumberWords(QStringView text)
{
    QStringList words;
    for (const QString &word : {u"infinity"_s, u"inf"_s, u"nan"_s}) {
        for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            const qsizetype end = at + word.size();
            if ((at == 0 || !text[at - 1].isLetterOrNumber()) &&
                (end == text.size() || !text[end].isLetterOrNumber())) {
                words.append(word);
                break;
            }
        }
    }
    return words;
}

QString quoted(const QString &text)
{
    QString out;
    QDebug(&out).nospace() << text.left(40);
    return text.size() > 40 ? out + u"...(%1 Zeichen)"_s.arg(text.size()) : out;
}

QString nameOf(const QObject *object)
{
    return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                          : object->objectName();
}

bool isFormName(const QString &name)
{
    return name.size() == 5 && name.startsWith(u"Form"_s) && name[4] >= u'1' && name[4] <= u'9';
}

// The program's windows the user can reach, in a fixed order.
QList<QWidget *> windows()
{
    QMap<QString, QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && isFormName(widget->objectName()))
            shown.insert(widget->objectName(), widget);
    }
    return shown.values();
}

} // namespace

class TestRobustness : public QObject, public ui::Host
{
    Q_OBJECT
public:
    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon) override
    {
        const bool cancel = buttons == ui::Buttons::OkCancel && below(2) == 0;
        log(u"  host: message %1 %2 -> %3"_s.arg(quoted(title), quoted(text),
                                                 cancel ? u"Cancel"_s : u"OK"_s));
        return cancel ? ui::Answer::Cancel : ui::Answer::Ok;
    }
    QString input(const QString &prompt, const QString &, const QString &defaultText) override
    {
        const int how = below(4);
        const QString answer = how == 0 ? QString() : how == 1 ? defaultText : pick(m_pool);
        log(u"  host: input %1 -> %2"_s.arg(quoted(prompt), quoted(answer)));
        noteTyped(m_actionWindow, answer); // as if typed into the window that asked
        return answer;
    }
    QString openFileName(const QString &filter) override { return filePath(u"open"_s, filter); }
    QString saveFileName(const QString &filter) override { return filePath(u"save"_s, filter); }
    QString programFolder() const override { return m_programFolder; }

private Q_SLOTS:
    void randomUser()
    {
        // A value that is no number keeps the default run.
        bool ok = false;
        m_seed = qEnvironmentVariable("VELMORA_FUZZ_SEED").toULongLong(&ok);
        if (!ok)
            m_seed = 20240611;
        m_actions = qEnvironmentVariable("VELMORA_FUZZ_ACTIONS").toInt(&ok);
        if (!ok || m_actions <= 0)
            m_actions = 20000;
        qInfo("Random user: seed %llu, %d actions", m_seed, m_actions);
        m_engine.seed(m_seed);
        // The headless platform warns at every raise() and resize of a window.
        static const QtMessageHandler previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(u"This plugin does not support"_s))
                    previousHandler(type, context, message);
            });
        // Left in place: with no run going on they only pass the signal on.
        s_running = this;
        for (int fatal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
            std::signal(fatal, onFatalSignal);
        if (__sanitizer_set_death_callback)
            __sanitizer_set_death_callback(printLastActions);
        // The checks see the program folder, a folder elsewhere with files the program must not
        // touch unless the user chose them, and the working folder, where relative paths land.
        QVERIFY(m_root.isValid() && m_pool.size() > 40);
        const QString oldCurrent = QDir::currentPath();
        for (const QString &folder :
             {m_root.path(), m_programFolder, m_otherFolder, m_root.filePath(u"arbeitsordner"_s),
              m_programFolder + u"/ordner"_s}) {
            QDir().mkpath(folder);
            m_folders.insert(QFileInfo(folder).absoluteFilePath());
        }
        QByteArray everyByte(256, 0);
        std::iota(everyByte.begin(), everyByte.end(), char(0));
        m_fixtures = {{m_otherFolder + u"/alt.sqs"_s, "hint \"Hallo\"\r\n"},
                      {m_otherFolder + u"/leer.sqs"_s, QByteArray()},
                      {m_otherFolder + u"/bytes.bin"_s, everyByte}};
        for (const auto &[path, bytes] : m_fixtures.asKeyValueRange()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        QDir::setCurrent(m_root.filePath(u"arbeitsordner"_s));
        const QString fault = run();
        startProgram(false);
        QDir::setCurrent(oldCurrent);
        s_running = nullptr;
        if (!fault.isEmpty())
            QFAIL(qPrintable(fault));
    }

    void badNumberWordsAreFoundOnlyStandingAlone()
    {
        QCOMPARE(badNumberWords(u"Fallzeit: -inf s, NaN m"_s), (QStringList{u"inf"_s, u"nan"_s}));
        QCOMPARE(badNumberWords(u"Infinity"_s), QStringList{u"infinity"_s});
        QCOMPARE(badNumberWords(u"Info, Banane, nano, inf1"_s), QStringList());
    }

private:
    // Everyday words, awkward characters, odd numbers; "*x" is x repeated to 100 000 characters.
    static QStringList readTextPool()
    {
        QFile file(QStringLiteral(VELMORA_TEST_DATA "/textpool.json"));
        QStringList pool = file.open(QIODevice::ReadOnly)
                               ? QJsonDocument::fromJson(file.readAll()).toVariant().toStringList()
                               : QStringList();
        for (QString &text : pool) {
            if (text.startsWith(u'*'))
                text = text.mid(1).repeated(100'000 / (text.size() - 1) + 1).left(100'000);
        }
        return pool;
    }

    QString run()
    {
        using T = TestRobustness; // the kinds of action and how often each is drawn, in percent
        static const std::pair<int, bool (T::*)()> kinds[] = {
            {11, &T::menu}, {38, &T::click}, {38, &T::type}, {11, &T::choose}, {2, &T::close}};
        m_modalWatch.setInterval(0);
        connect(&m_modalWatch, &QTimer::timeout, this, &TestRobustness::closeModalWindows);
        startProgram();
        while (m_done < m_actions) {
            ++m_done;
            // The window first, so that a dialog with few controls gets its share.
            for (int tries = 0; tries < 100; ++tries) {
                const QList<QWidget *> shown = windows();
                m_target = m_actionWindow = shown.isEmpty() ? nullptr : pick(shown);
                int draw = below(100);
                const auto *kind =
                    std::find_if(std::begin(kinds), std::end(kinds),
                                 [&](const auto &k) { return (draw -= k.first) < 0; });
                m_modalWatch.start();
                const bool done = (this->*kind->second)();
                m_modalWatch.stop();
                if (done)
                    break;
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Laid out and painted every few actions, to stay quick.
            if (m_done % 4 == 0)
                QApplication::processEvents();
            if (const QString fault = check(); !fault.isEmpty())
                return report(fault);
            if (windows().isEmpty()) {
                log(u"#%1 program ended; started again"_s.arg(m_done));
                startProgram();
            }
        }
        startProgram(false);
        m_seen.clear(); // every file once more
        const QString fault = checkFiles();
        return fault.isEmpty() ? fault : report(fault);
    }

    QString report(const QString &what) const
    {
        return u"Random user, seed %1: %2 after action %3 of %4.\n"
               "Replay with VELMORA_FUZZ_SEED=%1 VELMORA_FUZZ_ACTIONS=%3\nThe last actions:\n%5\n"_s
                   .arg(QString::number(m_seed), what, QString::number(m_done),
                        QString::number(m_actions), m_log.join(u'\n'));
    }
    static void printLastActions()
    {
        if (TestRobustness *running = std::exchange(s_running, nullptr))
            std::fputs(qPrintable(running->report(u"the program crashed"_s)), stderr);
    }
    static void onFatalSignal(int signal)
    {
        std::signal(signal, SIG_DFL);
        printLastActions();
        std::raise(signal);
    }

    // Drawn by hand from the raw engine, so that a seed gives the same run everywhere.
    int below(int n) { return n <= 1 ? 0 : int(m_engine() % quint64(n)); }
    template <typename List> const typename List::value_type &pick(const List &list)
    {
        return list.at(below(int(list.size())));
    }

    // What the host is asked is logged with the action that made the program ask.
    void log(const QString &line)
    {
        if (line.startsWith(u' ') && !m_log.isEmpty())
            m_log.last() += u'\n' + line;
        else
            m_log.append(line);
        if (m_log.size() > 50)
            m_log.removeFirst();
    }
    void logAction(const QWidget *widget, const QString &what)
    {
        log(u"#%1 %2: %3"_s.arg(QString::number(m_done), widget->window()->objectName(), what));
    }

    QString filePath(const QString &kind, const QString &filter)
    {
        QStringList existing;
        for (QDirIterator files(m_root.path(), QDir::Files | QDir::Hidden,
                                QDirIterator::Subdirectories);
             files.hasNext();)
            existing.append(files.next());
        existing.sort();
        const QString folder = below(2) ? m_programFolder : m_otherFolder;
        const QString newFile = folder + u'/' + kind + QString::number(++m_newFiles) + u".sqs"_s;
        const QString oldFile = existing.isEmpty() ? newFile : pick(existing);
        // Cancel, a folder, a path through a file or a missing folder, an existing or a new file.
        const QStringList paths = {
            QString(), folder, oldFile + u"/neu.sqs"_s, folder + u"/fehlt/neu.sqs"_s, oldFile,
            oldFile,   newFile};
        const QString path = pick(paths);
        log(u"  host: %1 dialog %2 -> %3"_s.arg(kind, quoted(filter), quoted(path)));
        if (!path.isEmpty())
            m_handedOut.insert(QFileInfo(path).absoluteFilePath());
        return path;
    }

    void startProgram(bool again = true)
    {
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (again)
            (m_window = std::make_unique<app::MainWindow>(*this))->show();
    }

    template <typename Accept> QWidget *pickControl(Accept accept)
    {
        QWidgetList found = m_target ? m_target->findChildren<QWidget *>() : QWidgetList();
        found.removeIf(
            [&](QWidget *w) { return !w->isVisible() || !w->isEnabled() || !accept(w); });
        return found.isEmpty() ? nullptr : pick(found);
    }
    bool menu()
    {
        QList<QAction *> items;
        for (QMenu *menu : m_window->findChildren<QMenu *>())
            items += menu->actions();
        items.removeIf([](QAction *item) {
            return !item->isEnabled() || item->isSeparator() || item->menu();
        });
        if (!m_window->isVisible() || items.isEmpty())
            return false;
        QAction *item = pick(items);
        m_actionWindow = m_window.get();
        logAction(m_window.get(), u"menu %1 %2"_s.arg(item->objectName(), quoted(item->text())));
        item->trigger();
        return true;
    }

    bool click()
    {
        auto *button = static_cast<QAbstractButton *>(pickControl([](QWidget *widget) {
            return qobject_cast<QAbstractButton *>(widget) &&
                   !qobject_cast<QComboBox *>(widget->parent());
        }));
        if (!button)
            return false;
        logAction(button,
                  u"click %1 %2"_s.arg(nameOf(button), quoted(button->text() + button->toolTip())));
        button->click();
        return true;
    }

    bool type()
    {
        QWidget *box = pickControl([](QWidget *widget) {
            return (qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)) &&
                   !widget->property("readOnly").toBool();
        });
        if (!box)
            return false;
        const QString text = pick(m_pool);
        const int how = below(20); // most often replacing all, else at the end or anywhere
        const QString mode = how < 12 ? u"replace"_s : how < 17 ? u"append"_s : u"insert"_s;
        logAction(box, u"type into %1 (%2) %3"_s.arg(nameOf(box), mode, quoted(text)));
        noteTyped(box->window(), text);
        if (auto *line = qobject_cast<QLineEdit *>(box)) {
            const int size = int(line->text().size());
            if (how < 12)
                line->selectAll();
            else
                line->setCursorPosition(how < 17 ? size : below(size + 1));
            // Cut to what fits here: the toolkit's own cutting is slow for long texts.
            const qsizetype room = line->maxLength() - size + line->selectedText().size();
            line->insert(text.left(std::max<qsizetype>(room, 0)));
            // Typing into a word can make one: "Inf" and "inity".
            noteTyped(box->window(), line->text());
        } else {
            auto *edit = static_cast<QPlainTextEdit *>(box);
            QTextCursor cursor(edit->document());
            const int size = edit->document()->characterCount();
            if (how < 12)
                cursor.select(QTextCursor::Document);
            else
                cursor.setPosition(how < 17 ? size - 1 : below(size));
            edit->setTextCursor(cursor);
            edit->insertPlainText(text);
            noteTyped(box->window(), edit->document()->toRawText());
        }
        return true;
    }

    bool choose()
    {
        QWidget *chosen = pickControl([](QWidget *widget) {
            return qobject_cast<QListWidget *>(widget) || qobject_cast<QComboBox *>(widget);
        });
        if (auto *list = qobject_cast<QListWidget *>(chosen)) {
            const int row = below(7) == 0 ? -1 : below(list->count());
            logAction(list, u"choose row %1 in %2"_s.arg(QString::number(row), nameOf(list)));
            if (row < 0)
                list->clearSelection();
            list->setCurrentRow(row);
        } else if (auto *combo = qobject_cast<QComboBox *>(chosen)) {
            const int index = below(combo->count());
            logAction(combo, u"choose entry %1 in %2"_s.arg(QString::number(index), nameOf(combo)));
            combo->setCurrentIndex(index);
        }
        return chosen;
    }

    // The main window's close box ends the program, so it is used more rarely.
    bool close()
    {
        if (!m_target || (m_target == m_window.get() && below(3) != 0))
            return false;
        logAction(m_target, u"close box"_s);
        m_target->close();
        return true;
    }

    // The main window may show all typed bad-number words, as its text takes every result.
    void noteTyped(QWidget *window, const QString &text)
    {
        const QStringList words = badNumberWords(text);
        m_typedAnywhere += words;
        if (window && !words.isEmpty())
            window->setProperty("typedWords",
                                window->property("typedWords").toStringList() + words);
    }

    // Runs only when an action spins an event loop of its own, as a modal window does.
    void closeModalWindows()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible() || !(qobject_cast<QDialog *>(widget) || widget->isModal() ||
                                          widget->windowType() == Qt::Popup))
                continue;
            m_modalFault = u"a modal window %1 (%2) was opened outside ui::Host"_s.arg(
                quoted(widget->windowTitle()),
                QString::fromLatin1(widget->metaObject()->className()));
            widget->close(); // a dialog's close box rejects it
        }
    }

    QString check()
    {
        if (!m_modalFault.isEmpty())
            return m_modalFault;
        QHash<QString, bool> names;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            const QString name = widget->objectName();
            if (isFormName(name) && std::exchange(names[name], true))
                return name + u" exists twice"_s;
            if (widget->isVisible() &&
                (!isFormName(name) || qobject_cast<QDialog *>(widget) || widget->isModal()))
                return u"an unexpected window %1 (%2, %3) is open"_s.arg(
                    quoted(widget->windowTitle()), name,
                    QString::fromLatin1(widget->metaObject()->className()));
        }
        // No box, label or bar shows "nan" or "inf" unless the user typed it into that window.
        for (QWidget *window : windows()) {
            const QStringList allowed = window == m_window.get()
                                            ? m_typedAnywhere
                                            : window->property("typedWords").toStringList();
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                for (const QString &word :
                     widget->isVisible() ? shownWords(widget) : QStringList()) {
                    if (!allowed.contains(word))
                        return u"%1 shows \"%2\" in %3"_s.arg(window->objectName(), word,
                                                              nameOf(widget));
                }
            }
        }
        return checkFiles();
    }

    static QStringList shownWords(QWidget *widget)
    {
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            return badNumberWords(line->text());
        if (auto *label = qobject_cast<QLabel *>(widget))
            return badNumberWords(label->text());
        if (auto *bar = qobject_cast<QProgressBar *>(widget))
            return badNumberWords(bar->text());
        auto *edit = qobject_cast<QPlainTextEdit *>(widget);
        QTextDocument *document = edit ? edit->document() : nullptr;
        // A long document is read again only when it changed.
        if (document && document->property("checkedRevision") != document->revision()) {
            document->setProperty("badWords", badNumberWords(document->toRawText()));
            document->setProperty("checkedRevision", document->revision());
        }
        return document ? document->property("badWords").toStringList() : QStringList();
    }

    // Only the program's own files in its folder, elsewhere only paths the host handed out.
    QString checkFiles()
    {
        QDirIterator entries(m_root.path(),
                             QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QFileInfo info(entries.next());
            const QString path = info.absoluteFilePath();
            if (info.isDir()) {
                if (!m_folders.contains(path))
                    return u"a folder was made: "_s + path;
                continue;
            }
            if (!m_fixtures.contains(path) && !m_handedOut.contains(path) &&
                !(info.absolutePath() == m_programFolder &&
                  kProgramFiles.contains(info.fileName())))
                return u"a file was written where it must not be: "_s + path;
            const std::pair<qint64, QDateTime> stamp{info.size(), info.lastModified()};
            if (std::exchange(m_seen[path], stamp) == stamp)
                continue;
            QFile file(path);
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
            if ((!m_fixtures.contains(path) || m_fixtures.value(path) != bytes) &&
                (!bytes.endsWith("\r\n") || core::toCp1252(core::fromCp1252(bytes)) != bytes))
                return path + u" is not readable Windows-1252 text ending in CR LF"_s;
        }
        return QString();
    }

    static inline TestRobustness *s_running = nullptr;
    quint64 m_seed = 0;
    int m_actions = 0;
    int m_done = 0;
    std::mt19937_64 m_engine;
    const QStringList m_pool = readTextPool();
    QTemporaryDir m_root;
    const QString m_programFolder = m_root.filePath(u"programm"_s);
    const QString m_otherFolder = m_root.filePath(u"anderswo"_s);
    QSet<QString> m_folders, m_handedOut;
    QMap<QString, QByteArray> m_fixtures;
    QMap<QString, std::pair<qint64, QDateTime>> m_seen;
    int m_newFiles = 0;
    std::unique_ptr<app::MainWindow> m_window;
    QWidget *m_target = nullptr;      // the window of the next action
    QPointer<QWidget> m_actionWindow; // the window that asks the host
    QStringList m_log;
    QTimer m_modalWatch;
    QString m_modalFault;
    QStringList m_typedAnywhere;
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
