#include "app/mainwindow.h"
#include "app/startup.h"
#include "ui/realhost.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    ui::RealHost host;
    app::MainWindow window(host);
    window.show();
    return application.exec();
}
