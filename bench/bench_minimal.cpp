// The floor for bench_startup: an empty main window shown, then quit.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return application.exec();
}
