// Speichern unter... of a main text of a given size: the time, and the peak memory above what
// the program held before the save (the text box with its document is that idle state). The
// file goes into memory (/dev/shm) where there is one, so that the figure is the program's
// work and not the disk's.
//   bench_save <megabytes>
#include "app/mainwindow.h"
#include "benchhost.h"
#include "benchutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int megabytes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;

    BenchHost host;
    app::MainWindow window(host);
    window.show();
    window.replace(QString::fromLatin1(bench::script(qint64(megabytes) << 20)));
    QApplication::processEvents();

    const QString shm = u"/dev/shm"_s;
    QTemporaryDir dir(QFileInfo(shm).isWritable() ? shm + u"/velmora-XXXXXX"_s : QString());
    host.fileName = dir.filePath(u"big.sqs"_s);
    auto *saveAs = window.findChild<QAbstractButton *>(u"Command19"_s);
    saveAs->click(); // once beforehand, so that both runs replace an existing file
    bench::resetPeak();
    const double idle = bench::residentMegabytes();
    QElapsedTimer timer;
    timer.start();
    saveAs->click();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const double above = bench::peakMegabytes() - idle;
    std::printf("save %d MB: %.3f s, peak %.0f MB above idle (%.2fx the file)\n", megabytes,
                seconds, above, above / megabytes);
    return QFileInfo(host.fileName).size() > (qint64(megabytes) << 20) - 100 ? 0 : 1;
}
