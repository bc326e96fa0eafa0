// Process start to the main window's first painted frame, then quit: timed from outside
// (hyperfine) beside bench_minimal and bench_floor, which do the same with less.
#include "app/mainwindow.h"
#include "app/startup.h"
#include "benchhost.h"
#include "benchutil.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    BenchHost host;
    app::MainWindow window(host);
    bench::QuitAfterFirstPaint quit(window);
    window.show();
    return application.exec();
}
