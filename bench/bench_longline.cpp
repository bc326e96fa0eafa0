// A script that is one line of a given size: opening it, and one key press in it (at the end
// and in the middle of the line), the repaint included.
//   bench_longline <megabytes> [key presses]
#include "app/mainwindow.h"
#include "benchhost.h"
#include "benchutil.h"
#include "editor/maintextedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int megabytes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    const int presses = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 9;

    BenchHost host;
    app::MainWindow window(host);
    window.show();
    QApplication::processEvents();
    QTemporaryDir dir;
    host.fileName = dir.filePath(u"line.sqs"_s);
    {
        QFile file(host.fileName);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(bench::longLine(qint64(megabytes) << 20));
    }
    QElapsedTimer timer;
    timer.start();
    window.findChild<QAbstractButton *>(u"Command16"_s)->click();
    QApplication::processEvents();
    const double openSeconds = double(timer.nsecsElapsed()) / 1e9;

    editor::MainTextEdit &box = window.mainTextEdit();
    box.setFocus();
    auto keys = [&](QTextCursor::MoveOperation where) {
        QTextCursor cursor(box.document());
        cursor.movePosition(where);
        if (where == QTextCursor::Start)
            cursor.setPosition(box.document()->characterCount() / 2);
        box.setTextCursor(cursor);
        box.ensureCursorVisible();
        QApplication::processEvents();
        std::vector<double> times;
        for (int i = 0; i < presses; ++i)
            times.push_back(bench::keyMillis(&box, Qt::Key_A, u"a"_s));
        return bench::median(times);
    };
    const double atEnd = keys(QTextCursor::End);
    const double inMiddle = keys(QTextCursor::Start);
    std::printf("one line of %d MB: open %.2f s, key press at the end %.1f ms, in the middle "
                "%.1f ms\n",
                megabytes, openSeconds, atEnd, inMiddle);
    return window.text().size() >= (qint64(megabytes) << 20) ? 0 : 1;
}
