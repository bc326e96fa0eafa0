// One key press in the main text holding a big script, against the same in a plain text box
// of the toolkit with the same text, font and size, the repaint included. The main text as
// the program shows it: coloured, with line numbers, the cursor's line and its brackets
// marked, the cursor's place in the status bar and the problems check on. At the start, in
// the middle and at the end of the text, and in the middle beside a bracket, whose partner is
// looked for; every 16th line has a problem, so that the view shows marks. Then what the check
// costs here, in the window's thread, when typing pauses: the text is copied for the check's
// own thread, and its result is shown.
//   bench_typing <megabytes>
#include "app/mainwindow.h"
#include "benchhost.h"
#include "benchutil.h"
#include "check/diagnostics.h"
#include "editor/maintextedit.h"
#include "editor/problemspanel.h"
#include "ui/look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Every 16th line a condition without a command.
QString scriptWithProblems(qint64 bytes)
{
    QByteArray text = bench::script(bytes);
    const qsizetype lineLength = text.indexOf('\n') + 1;
    for (qsizetype at = 0; at < text.size(); at += 16 * lineLength)
        text[at] = '?';
    return QString::fromLatin1(text);
}

double millisOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double typingMillis(QPlainTextEdit &box, double where, bool bracket,
                    editor::ProblemsPanel *problems)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(int(where * (box.document()->characterCount() - 1)));
    cursor.movePosition(QTextCursor::EndOfBlock);
    if (bracket) // right after the line's "[", before its "("
        cursor.setPosition(cursor.block().position() + int(cursor.block().text().indexOf(u'[')) +
                           1);
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
    box.setFocus();
    if (problems) // the pause before typing here: the shown lines carry their marks
        problems->checkNow();
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 40; ++i) {
        times.push_back(bench::keyMillis(&box, Qt::Key_A, QStringLiteral("a")));
        times.push_back(bench::keyMillis(&box, Qt::Key_Backspace, QString()));
    }
    return bench::median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int megabytes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
    const QString text = scriptWithProblems(qint64(megabytes) << 20);

    BenchHost host;
    app::MainWindow window(host);
    window.show();
    editor::MainTextEdit &coloured = window.mainTextEdit();
    coloured.setText(text);

    QPlainTextEdit plain;
    plain.setFont(ui::scriptFont());
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    plain.resize(coloured.size());
    plain.show();
    plain.setPlainText(text);
    QApplication::processEvents();

    const struct
    {
        const char *name;
        double where;
        bool bracket;
    } places[] = {{"start", 0.0, false},
                  {"middle", 0.5, false},
                  {"end", 1.0, false},
                  {"middle, beside a bracket", 0.5, true}};
    for (const auto &place : places) {
        window.activateWindow();
        const double ours =
            typingMillis(coloured, place.where, place.bracket, &window.problemsPanel());
        plain.activateWindow();
        const double floor = typingMillis(plain, place.where, place.bracket, nullptr);
        std::printf("key press in %d MB at the %s, main text: %.3f ms, plain box %.3f ms "
                    "(%.2fx)\n",
                    megabytes, place.name, ours, floor, ours / floor);
    }

    // The pause: copy, check and show here at once, against the copy and the check alone. The
    // best of several runs: a busy machine only ever adds.
    double whole = 1e9, copy = 1e9, check = 1e9;
    for (int i = 0; i < 9; ++i) {
        whole = std::min(whole, millisOf([&] { window.problemsPanel().checkNow(); }));
        QString copied;
        copy = std::min(copy, millisOf([&] { copied = coloured.text(); }));
        check = std::min(check, millisOf([&] { check::diagnose(copied, check::Language::Sqs); }));
    }
    std::printf("check of %d MB with %lld problems when typing pauses: %.1f ms in its own "
                "thread; here about %.1f ms (copying the text %.1f ms, showing the result "
                "%.1f ms)\n",
                megabytes, qint64(check::diagnose(text, check::Language::Sqs).size()), check,
                whole - check, copy, whole - check - copy);
    return 0;
}
