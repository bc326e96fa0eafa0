// The main text on big scripts: opening a generated file of a given size (time and peak
// memory, against setPlainText of the same text in a plain text box of the toolkit), and one
// snippet panel click on a big main text against one on an empty text.
//   bench_maintext open <megabytes> [plain]
//   bench_maintext append <megabytes> [plain]
// "plain" switches the colouring of the script off, for the figures without it.
#include "app/mainwindow.h"
#include "benchhost.h"
#include "benchutil.h"
#include "editor/maintextedit.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Peak resident memory so far; only measured where the system tells it cheaply.
long peakKilobytes()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

double clickMillis(app::MainWindow &window, int repeats)
{
    auto *button = window.findChild<QAbstractButton *>(u"Command2"_s);
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        button->click();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        // The repaint that follows draws what the view shows, the same for any size of text;
        // it is left out of the figure.
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"open"_s;
    const int megabytes = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
    const bool plain = argc > 3 && QString::fromLocal8Bit(argv[3]) == u"plain"_s;

    BenchHost host;
    app::MainWindow window(host);
    window.mainTextEdit().setHighlighting(!plain);
    const char *label = plain ? "without colours" : "with colours";
    window.show();
    QApplication::processEvents();

    if (mode == u"open"_s) {
        QTemporaryDir dir;
        host.fileName = dir.filePath(u"big.sqs"_s);
        {
            QFile file(host.fileName);
            if (!file.open(QIODevice::WriteOnly))
                return 1;
            file.write(bench::script(qint64(megabytes) << 20));
        }
        const long before = peakKilobytes();
        QElapsedTimer timer;
        timer.start();
        window.findChild<QAbstractButton *>(u"Command16"_s)->click();
        QApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        const long peak = peakKilobytes();
        std::printf("open %d MB %s: %.2f s, peak memory %.0f MB (%.1fx the file; %.0f MB "
                    "before)\n",
                    megabytes, label, seconds, peak / 1024.0, peak / 1024.0 / megabytes,
                    before / 1024.0);
        QPlainTextEdit plain;
        plain.setFont(ui::scriptFont());
        plain.setLineWrapMode(QPlainTextEdit::NoWrap);
        plain.resize(window.mainTextEdit().size());
        plain.show();
        QApplication::processEvents();
        const QString text = window.text();
        timer.restart();
        plain.setPlainText(text);
        QApplication::processEvents();
        const double floor = double(timer.nsecsElapsed()) / 1e9;
        std::printf("  setPlainText of the same text in a plain box: %.2f s (open is %.2fx)\n",
                    floor, seconds / floor);
        return text.size() > 0 ? 0 : 1;
    }

    const double empty = clickMillis(window, 50);
    window.replace(QString::fromLatin1(bench::script(qint64(megabytes) << 20)));
    QApplication::processEvents();
    const double big = clickMillis(window, 50);
    std::printf("append %s: %.3f ms on an empty text, %.3f ms on %d MB (%.2fx)\n", label, empty,
                big, megabytes, big / empty);
    return 0;
}
