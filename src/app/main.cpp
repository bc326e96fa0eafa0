#include "app/mainwindow.h"
#include "ui/realhost.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ui::RealHost host;
    app::MainWindow window(host);
    window.show();
    return application.exec();
}
