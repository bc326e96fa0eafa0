// The second floor for bench_startup: a bare main window with what any window like ours must
// load, a text box and 20 single-line fields in the main window's fonts (the script font, the
// fixed-width font of one button, the application font), to its first painted frame.
#include "benchutil.h"
#include "ui/look.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto *central = new QWidget;
    auto *row = new QHBoxLayout(central);
    auto *fields = new QVBoxLayout;
    for (int i = 0; i < 20; ++i)
        fields->addWidget(new QLineEdit(QStringLiteral("Feld")));
    fields->itemAt(0)->widget()->setFont(ui::monospaceFont());
    row->addLayout(fields);
    auto *box = new QPlainTextEdit;
    box->setFont(ui::scriptFont());
    row->addWidget(box, 1);
    window.setCentralWidget(central);
    window.resize(1000, 680);
    bench::QuitAfterFirstPaint quit(window);
    window.show();
    return application.exec();
}
