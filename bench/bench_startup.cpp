// Process start to the main window shown, then quit: timed from outside (hyperfine) beside
// bench_minimal, which shows an empty main window the same way.
#include "app/mainwindow.h"
#include "benchhost.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BenchHost host;
    app::MainWindow window(host);
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
