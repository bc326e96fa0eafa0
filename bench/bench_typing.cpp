// One key press in the main text holding a big script, against the same in a plain text box
// of the toolkit with the same text, font and size, the repaint included. The main text as
// the program shows it: coloured, with line numbers, the cursor's line and its brackets
// marked and the cursor's place in the status bar. At the start, in the middle and at the
// end of the text, and in the middle beside a bracket, whose partner is looked for.
//   bench_typing <megabytes>
#include "app/mainwindow.h"
#include "benchhost.h"
#include "benchutil.h"
#include "editor/maintextedit.h"
#include "ui/look.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <cstdio>

namespace {

double typingMillis(QPlainTextEdit &box, double where, bool bracket)
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
    const QString text = QString::fromLatin1(bench::script(qint64(megabytes) << 20));

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
        const double ours = typingMillis(coloured, place.where, place.bracket);
        plain.activateWindow();
        const double floor = typingMillis(plain, place.where, place.bracket);
        std::printf("key press in %d MB at the %s, main text: %.3f ms, plain box %.3f ms "
                    "(%.2fx)\n",
                    megabytes, place.name, ours, floor, ours / floor);
    }
    return 0;
}
