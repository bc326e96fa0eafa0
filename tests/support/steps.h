#pragma once

#include "core/codepage.h"
#include "core/version.h"
#include "editor/maintextedit.h"
#include "editor/problemspanel.h"
#include "program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

// Plays a story of what a user does and sees, from a "*.steps" file in the test's data
// folder, against the program; tests/README.md lists the steps. A failing step is named by
// its file and line.
void playSteps(Program &program, const QString &stepsFile);

// A row for each stories file "*.steps" in the test's data folder.
void addStories();

// Plays the story of the current row of addStories() on a fresh program.
void playStory();

namespace steps {
using namespace Qt::StringLiterals;

inline QString textOf(const QString &raw, const Program &program)
{
    QString text;
    qsizetype i = 0;
    while (i < raw.size() && raw[i] == u'@') {
        qsizetype end = i;
        while (end < raw.size() && raw[end] != u' ' && raw[end] != u'\\')
            ++end;
        text += golden(raw.mid(i + 1, end - i - 1));
        i = end < raw.size() && raw[end] == u' ' ? end + 1 : end;
    }
    for (; i < raw.size(); ++i) {
        const QChar c = raw[i] == u'\\' && i + 1 < raw.size() ? raw[++i] : QChar();
        if (c == u'x') // the character the byte of these two hex digits reads as
            text += core::fromCp1252(QByteArray::fromHex(raw.mid(i + 1, 2).toLatin1())), i += 2;
        else
            text += c.isNull()  ? raw[i]
                    : c == u'r' ? u'\r'
                    : c == u'n' ? u'\n'
                    : c == u't' ? u'\t'
                                : c;
    }
    return text.replace(u"{folder}/"_s, QDir::toNativeSeparators(program.folder.path() + u'/'));
}

inline bool is(const Window &w, const QString &name, const QString &word)
{
    QWidget *control = name == u"window"_s ? w.widget.data() : w.get(name);
    auto *button = qobject_cast<QAbstractButton *>(control);
    const bool readOnly = control->property("readOnly").toBool();
    const bool grey = name != u"window"_s && w.grey(name);
    const QHash<QString, bool> words = {{u"enabled"_s, control->isEnabled()},
                                        {u"disabled"_s, !control->isEnabled()},
                                        {u"visible"_s, control->isVisible()},
                                        {u"hidden"_s, !control->isVisible()},
                                        {u"checked"_s, button && button->isChecked()},
                                        {u"unchecked"_s, button && !button->isChecked()},
                                        {u"open"_s, !readOnly && !grey && control->isEnabled()},
                                        {u"locked"_s, readOnly && grey},
                                        {u"shut"_s, readOnly && grey && !control->isEnabled()}};
    if (!words.contains(word))
        qFatal("no state %s", qPrintable(word));
    return words.value(word);
}

// The lines of the problems marked in the main text, in order.
inline QString markedLines(const editor::MainTextEdit &box)
{
    QStringList lines;
    for (const QTextEdit::ExtraSelection &mark : box.extraSelections()) {
        if (mark.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            lines.append(placeInText(box, mark.cursor.selectionStart()).section(u' ', 0, 0));
    }
    return lines.join(u' ');
}

inline QLineEdit *fieldOf(const Window &w, const QString &name)
{
    auto *list = qobject_cast<QComboBox *>(w.get(name));
    return list ? list->lineEdit() : w.get<QLineEdit>(name);
}

inline void setText(const Window &w, const QString &name, const QString &text)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(w.get(name)))
        box->setPlainText(text);
    else
        fieldOf(w, name)->setText(text);
}

} // namespace steps

inline void playSteps(Program &program, const QString &stepsFile)
{
    using namespace Qt::StringLiterals;
    Window w{&program.main};
    qsizetype heard = 0; // the messages checked so far
    qsizetype shown = 0; // the folders checked so far
    const QStringList lines = golden(stepsFile).split(u'\n');
    for (qsizetype n = 0; n < lines.size() && !QTest::currentTestFailed(); ++n) {
        const QString &line = lines[n];
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QByteArray where = (stepsFile + u':' + QString::number(n + 1)).toUtf8();
        const QString verb = line.section(u' ', 0, 0), rest = line.section(u' ', 1);
        const QString name = rest.section(u' ', 0, 0),
                      text = steps::textOf(rest.section(u' ', 1), program);
        const QString value = steps::textOf(rest, program);
        auto same = [&](const auto &actual, const auto &expected) {
            QTest::qCompare(actual, expected, where.constData(), "expected", __FILE__, __LINE__);
        };
        if (verb == u"open"_s) {
            auto *button = program.main.findChild<QToolButton *>(value);
            QAction *item =
                button ? button->defaultAction() : program.main.findChild<QAction *>(value);
            button ? button->click() : item->trigger();
            for (const app::ToolDialog &tool : app::toolDialogs()) {
                if (tool.menuItem == item->objectName())
                    w = program.open(tool.tool);
            }
        } else if (verb == u"type"_s) {
            steps::setText(w, name, text);
        } else if (verb == u"append"_s) {
            steps::setText(w, name, w.text(name) + text);
        } else if (verb == u"keys"_s) {
            QLineEdit *field = steps::fieldOf(w, name);
            field->clear();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        } else if (verb == u"click"_s || verb == u"enter"_s) {
            auto *view = qobject_cast<QAbstractItemView *>(w.get(name));
            if (view && !program.main.isVisible()) { // rows have places once laid out
                program.main.show();
                QVERIFY(QTest::qWaitForWindowExposed(&program.main));
            }
            view ? activateRow(*view, text.toInt(), verb == u"click"_s) : w.click(value);
        } else if (verb == u"select"_s) {
            if (auto *choice = qobject_cast<QComboBox *>(w.get(name))) {
                choice->setCurrentIndex(choice->findText(text));
            } else {
                auto *list = w.get<QListWidget>(name);
                list->clearSelection();
                if (!text.isEmpty())
                    list->findItems(text, Qt::MatchExactly).value(0)->setSelected(true);
            }
        } else if (verb == u"check"_s) {
            program.main.problemsPanel().checkNow();
        } else if (verb == u"cursor"_s) {
            const editor::MainTextEdit &box = program.main.mainTextEdit();
            same(placeInText(box, box.textCursor().position()), value);
        } else if (verb == u"marks"_s) {
            same(steps::markedLines(program.main.mainTextEdit()), value);
        } else if (verb == u"answer"_s) {
            program.host.answers.enqueue(value == u"Cancel"_s ? ui::Answer::Cancel
                                                              : ui::Answer::Ok);
        } else if (verb == u"input"_s) {
            program.host.inputs.enqueue(value);
        } else if (verb == u"pick"_s) {
            program.host.fileNames.enqueue(value);
        } else if (verb == u"folder"_s) {
            program.host.folderNames.enqueue(value);
        } else if (verb == u"replace"_s) {
            program.main.replace(value);
        } else if (verb == u"put"_s) {
            same(QDir().mkpath(QFileInfo(program.path(name)).path()) &&
                     putFile(program.path(name), core::toCp1252(text)),
                 true);
        } else if (verb == u"mkdir"_s) {
            same(QDir().mkpath(program.path(value)), true);
        } else if (verb == u"remove"_s) {
            same(QFile::remove(program.path(value)), true);
        } else if (verb == u"block"_s) {
            QFile::remove(program.path(value));
            same(QDir().mkdir(program.path(value)), true);
        } else if (verb == u"unblock"_s) {
            same(QDir().rmdir(program.path(value)), true);
        } else if (verb == u"expect"_s) {
            same(name == u"main"_s ? program.main.text() : w.text(name), text);
        } else if (verb == u"state"_s) {
            for (const QString &word : text.split(u' '))
                same(name + u' ' + word + (steps::is(w, name, word) ? QString() : u" is not so"_s),
                     name + u' ' + word);
        } else if (verb == u"said"_s) {
            const QList<FakeHost::Message> &said = program.host.messages;
            same(heard < said.size() ? said[heard].title + u'|' + said[heard].text : QString(),
                 value);
            ++heard;
        } else if (verb == u"shown"_s) {
            const QStringList &folders = program.host.shownFolders;
            same(shown < folders.size() ? folders[shown] : QString(), value);
            shown += value.isEmpty() ? 0 : 1;
        } else if (verb == u"status"_s) {
            same(program.main.statusBar()->currentMessage(), value);
        } else if (verb == u"statusfolder"_s) {
            same(Window{&program.main}.text(u"missionFolderPath"_s), value);
        } else if (verb == u"undo"_s) {
            program.main.mainTextEdit().undo();
        } else if (verb == u"silent"_s) {
            same(program.host.messageTexts().mid(heard), QStringList());
        } else if (verb == u"file"_s) {
            same(fileBytes(program.path(name)), core::toCp1252(text));
        } else if (verb == u"files"_s) {
            // In a folder of the program folder when the first word ends in '/'.
            const bool sub = name.endsWith(u'/');
            same(QDir(sub ? program.path(name) : program.folder.path())
                     .entryList(QDir::Files)
                     .join(u' '),
                 sub ? text : value);
        } else if (verb == u"focus"_s) {
            w.widget->show();
            w.widget->activateWindow();
            same(QTest::qWaitForWindowActive(w.widget), true);
            w.get(value)->setFocus(Qt::OtherFocusReason);
        } else if (verb == u"press"_s) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keySequence(focus ? focus : w.widget.data(), QKeySequence(value));
        } else if (verb == u"back"_s) {
            w = Window{&program.main};
        } else if (verb == u"selected"_s) {
            same(program.main.mainTextEdit().textCursor().selectedText(), value);
        } else if (verb == u"version"_s) {
            core::setProgramVersion(value);
        } else {
            qFatal("%s: no step %s", where.constData(), qPrintable(verb));
        }
    }
}

inline void addStories()
{
    QTest::addColumn<QString>("steps");
    for (const QString &file :
         QDir(QStringLiteral(VELMORA_TEST_DATA)).entryList({QStringLiteral("*.steps")}))
        QTest::newRow(qPrintable(file.chopped(6))) << file;
}

inline void playStory()
{
    QFETCH(QString, steps);
    Program program;
    playSteps(program, steps);
}
