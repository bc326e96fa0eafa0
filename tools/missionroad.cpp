// Walks the README's road into a mission through the real program on a display: a new user
// from an empty mission folder to a finished one, with the real host, its dialogs and files.
// Saves a picture of each step. Run by tools/mission-road.sh under a virtual X server.
//   velmora_road <folder for the pictures> <scratch folder>
#include "app/mainwindow.h"
#include "ui/realhost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QString g_pictures;
QStringList g_written;

// The picture of the screen where the windows are, as the user sees them.
void shoot(const QString &name, const QList<QWidget *> &windows)
{
    QRect area;
    for (const QWidget *window : windows)
        area |= window->frameGeometry();
    // The windows on a plain grey, where the screen has nothing.
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter painter(&picture);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(
        0, area.x(), area.y(), area.width(), area.height());
    for (const QWidget *window : windows) {
        const QRect frame = window->frameGeometry().translated(-area.topLeft());
        painter.drawPixmap(frame.topLeft(), screen, frame);
    }
    painter.end();
    const QString path = g_pictures + u'/' + name + u".png"_s;
    picture.save(path);
    g_written.append(path);
}

template <typename T = QWidget> T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return found;
}

void type(QWidget *window, const QString &field, const QString &text)
{
    control<QLineEdit>(window, field)->setText(text);
}

void click(QWidget *window, const QString &button)
{
    control<QAbstractButton>(window, button)->click();
}

// Answers the next modal file or folder dialog with the path, after a picture of it.
void answerFileDialog(const QString &path, const QString &picture, QWidget *behind)
{
    QTimer::singleShot(700, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no file dialog for %s", qPrintable(path));
        dialog->move(behind->frameGeometry().left() + 120, behind->frameGeometry().top() + 80);
        // A folder is chosen by going into it; a file by its name in the dialog's name field.
        const QFileInfo info(path);
        const bool folder = dialog->fileMode() == QFileDialog::Directory;
        dialog->setDirectory(folder ? path : info.absolutePath());
        control<QLineEdit>(dialog, u"fileNameEdit"_s)
            ->setText(folder ? QString() : info.fileName());
        QTimer::singleShot(500, [=] {
            if (!picture.isEmpty())
                shoot(picture, {behind, dialog});
            static_cast<QDialog *>(dialog)->accept(); // the dialog's own checks included
        });
    });
}

// The overview's picture: 128 × 64, as the game wants it.
void makePicture(const QString &path)
{
    QImage image(128, 64, QImage::Format_RGB32);
    image.fill(QColor(0x3a, 0x5f, 0x3a));
    QPainter painter(&image);
    painter.fillRect(0, 40, 128, 24, QColor(0x2b, 0x4a, 0x6b));
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, u"NORDWIND"_s);
    painter.end();
    image.save(path, "JPG", 90);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("velmora_road <folder for the pictures> <scratch folder>\n", stderr);
        return 2;
    }
    g_pictures = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir scratch(QString::fromLocal8Bit(argv[2]));
    const QString mission = scratch.filePath(u"Nordwind.Eden"_s);
    const QString pictures = scratch.filePath(u"Bilder"_s);
    QDir().mkpath(mission);
    QDir().mkpath(pictures);
    makePicture(pictures + u"/nordwind.jpg"_s);

    ui::RealHost host;
    app::MainWindow main(host);
    main.move(0, 0);
    main.show();
    QWidget *dialog = nullptr;
    // The tool dialogs below the main window, so that a page view has room beside them.
    const auto open = [&](app::Tool tool) {
        dialog = main.openDialog(tool);
        dialog->move(0, main.frameGeometry().bottom() + 10);
    };

    // Each step runs after the one before, with time for the windows to show.
    QList<std::function<void()>> steps = {
        [&] {
            answerFileDialog(mission, u"road-1-choose-folder"_s, &main);
            main.findChild<QAction *>(u"chooseMissionFolder"_s)->trigger();
        },
        [&] { shoot(u"road-2-folder-chosen"_s, {&main}); },
        [&] {
            open(app::Tool::BriefingEditor);
            type(dialog, u"Text2"_s, u"Funkrufname Adler"_s);
            type(dialog, u"Text1"_s, u"Wir landen bei Morgengrauen am Strand und stoßen zur "_s);
            click(dialog, u"Check14"_s);
            type(dialog, u"Text22"_s, u"bruecke"_s);
            type(dialog, u"Text23"_s, u"Brücke"_s);
            click(dialog, u"Command4"_s);
            type(dialog, u"Text1"_s, control<QLineEdit>(dialog, u"Text1"_s)->text() + u" vor."_s);
            click(dialog, u"Check1"_s);
            type(dialog, u"Text4"_s, u"Den Strand sichern"_s);
            click(dialog, u"Check2"_s);
            type(dialog, u"Text5"_s, u"Die Brücke nehmen"_s);
            click(dialog, u"Check9"_s);
            type(dialog, u"Text12"_s, u"Sieg"_s);
            type(dialog, u"Text13"_s, u"Die Brücke ist unser."_s);
            click(dialog, u"pageView"_s);
            click(dialog, u"writeToMissionFolder"_s);
        },
        [&] {
            shoot(u"road-3-briefing"_s, {&main, dialog, control(dialog, u"pageViewBriefing"_s)});
            dialog->close();
        },
        [&] {
            open(app::Tool::OverviewEditor);
            type(dialog, u"Text1"_s, u"Operation Nordwind"_s);
            type(dialog, u"Text2"_s, u"Landung im Morgengrauen, dann die Brücke."_s);
            answerFileDialog(pictures + u"/nordwind.jpg"_s, QString(), dialog);
            click(dialog, u"Command1"_s);
        },
        [&] {
            click(dialog, u"pageView"_s);
            click(dialog, u"writeToMissionFolder"_s);
        },
        [&] {
            shoot(u"road-4-overview"_s, {&main, dialog, control(dialog, u"pageViewOverview"_s)});
            dialog->close();
        },
        [&] {
            open(app::Tool::SoundEditor);
            type(dialog, u"Text1"_s, u"sound"_s);
            type(dialog, u"Text2"_s, u"2"_s);
            for (const QString &file : {u"funk_start"_s, u"funk_ende"_s}) {
                type(dialog, u"Text3"_s, file);
                click(dialog, u"Command1"_s);
            }
            click(dialog, u"writeToMissionFolder"_s);
        },
        [&] {
            shoot(u"road-5-sounds"_s, {&main, dialog});
            dialog->close();
        },
        [&] {
            open(app::Tool::WeaponsEditor);
            const auto pick = [&](const QString &list, const QString &entry, const QString &count,
                                  const QString &field, const QString &add) {
                auto *box = control<QListWidget>(dialog, list);
                box->setCurrentItem(box->findItems(entry, Qt::MatchExactly).value(0));
                type(dialog, field, count);
                click(dialog, add);
            };
            pick(u"List1"_s, u"M16"_s, u"4"_s, u"Text2"_s, u"Command1"_s);
            pick(u"List2"_s, u"M16"_s, u"20"_s, u"Text3"_s, u"Command3"_s);
            click(dialog, u"Command2"_s);
            click(dialog, u"writeToMissionFolder"_s);
        },
        [&] {
            shoot(u"road-6-weapons"_s, {&main, dialog});
            dialog->close();
        },
        [&] {
            open(app::Tool::Artillery);
            click(dialog, u"writeToMissionFolder"_s);
        },
        [&] {
            shoot(u"road-7-artillery"_s, {&main, dialog});
            dialog->close();
        },
        [&] {
            // The identity: the mission's description.ext opened into the main text, the
            // identity appended by its panel, and saved again.
            answerFileDialog(mission + u"/description.ext"_s, QString(), &main);
            click(&main, u"Command16"_s);
        },
        [&] {
            const QStringList identity = {u"Adler"_s, u"Dan"_s, u"None"_s, u"Face12"_s, u"1.0"_s};
            for (int i = 0; i < identity.size(); ++i)
                type(&main, u"Text%1"_s.arg(8 + i), identity[i]);
            click(&main, u"Command3"_s);
            click(&main, u"Command7"_s);
            auto *text = control<QPlainTextEdit>(&main, u"Text1"_s);
            text->moveCursor(QTextCursor::End);
            text->ensureCursorVisible();
        },
        [&] { shoot(u"road-8-identity"_s, {&main}); },
        [&] { application.quit(); },
    };
    int next = 0;
    QTimer stepper;
    stepper.setInterval(1500);
    QObject::connect(&stepper, &QTimer::timeout, &main, [&] {
        if (next < steps.size())
            steps[next++]();
    });
    stepper.start();
    const int result = application.exec();
    for (const QString &path : std::as_const(g_written))
        std::printf("%s\n", qPrintable(path));
    return result;
}
