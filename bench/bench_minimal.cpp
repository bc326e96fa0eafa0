// The first floor for bench_startup: an empty main window, to its first painted frame.
#include "benchutil.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    bench::QuitAfterFirstPaint quit(window);
    window.show();
    return application.exec();
}
