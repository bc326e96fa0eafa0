#include "support/program.h"
#include "ui/missionfolder.h"
#include "ui/realhost.h"

#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A paste beyond the toolkit's default limit of 32 767 characters stays whole in every
    // single-line field of every window and goes whole into what is made of it.
    void longPastesStayWhole()
    {
        Program program;
        QList<QWidget *> windows{&program.main};
        for (const app::ToolDialog &tool : app::toolDialogs())
            windows.append(program.main.openDialog(tool.tool));
        const QString paste = u"Bedingung "_s.repeated(4000);
        for (QWidget *window : windows) {
            for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
                field->setText(paste);
                QVERIFY2(field->text() == paste, qPrintable(field->objectName()));
            }
        }
        Window{&program.main}.click(u"Command2"_s); // "If Anweisung >"
        QCOMPARE(program.main.text(), u"If ("_s + paste + u") then ["_s + paste + u"];\r\n"_s);
    }

    // The choice of the mission folder: what can take files is remembered; what cannot is
    // refused with the reason, and a remembered one that stopped taking files says why in the
    // status bar and counts as not chosen.
    void missionFolder_data()
    {
        QTest::addColumn<QString>("chosen"); // what stands at the path when it is chosen
        QTest::addColumn<QString>("later");  // what stands there at the next start
        QTest::addColumn<QString>("status"); // then; % is the path
        QTest::newRow("a folder") << u"folder"_s << u"folder"_s << u"Missionsordner: %"_s;
        QTest::newRow("a folder that has gone")
            << u"folder"_s << u"nothing"_s << u"Missionsordner: „%“ gibt es nicht (mehr)"_s;
        QTest::newRow("a folder that became a file")
            << u"folder"_s << u"file"_s << u"Missionsordner: „%“ ist kein Ordner"_s;
        QTest::newRow("a folder that may no longer be written")
            << u"folder"_s << u"read-only"_s
            << u"Missionsordner: In „%“ darf nicht geschrieben werden"_s;
        QTest::newRow("a file, refused")
            << u"file"_s << u"file"_s << u"Kein Missionsordner gewählt"_s;
        QTest::newRow("a read-only folder, refused")
            << u"read-only"_s << u"folder"_s << u"Kein Missionsordner gewählt"_s;
    }
    void missionFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, later);
        QFETCH(QString, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mission"_s);
        const QByteArray name = QFile::encodeName(path);
        const auto make = [&](const QString &what) {
            QFile::remove(path);
            QDir(path).removeRecursively();
            if (what == u"file"_s)
                return putFile(path, "x");
            return what == u"nothing"_s ||
                   (QDir().mkdir(path) && (what == u"folder"_s || ::chmod(name, 0555) == 0));
        };
        // Root may write anywhere: a read-only folder is looked at as an ordinary user, who
        // can become root again.
        const auto asUser = [&](const QString &what, auto &&look) {
            const bool user = what == u"read-only"_s && ::getuid() == 0;
            if (user && (::chmod(QFile::encodeName(dir.path()), 0777) != 0 ||
                         ::setresuid(65534, 65534, 0) != 0))
                return false;
            look();
            return !user || ::setresuid(0, 0, 0) == 0;
        };

        FakeHost host; // empty settings
        QVERIFY(make(chosen));
        {
            ui::MissionFolder folder;
            QCOMPARE(folder.statusText(), u"Kein Missionsordner gewählt"_s);
            QSignalSpy changed(&folder, &ui::MissionFolder::changed);
            host.folderNames.enqueue(path);
            bool taken = false;
            if (!asUser(chosen, [&] { taken = folder.choose(host); }))
                QSKIP("cannot act as an ordinary user here");
            QCOMPARE(taken, chosen == u"folder"_s);
            QCOMPARE(changed.count(), taken ? 1 : 0);
            QCOMPARE(host.messages.size(), taken ? 0 : 1);
        }
        QVERIFY(make(later));
        ui::MissionFolder nextRun;
        const bool usable = status.endsWith(u'%');
        QString seen;
        bool asked = false;
        QVERIFY(asUser(later, [&] {
            seen = nextRun.statusText();
            // A folder that cannot take files makes a write ask for another first.
            asked = nextRun.folderToWrite(host).isEmpty();
        }));
        QCOMPARE(seen, status.replace(u'%', QDir::toNativeSeparators(path)));
        QCOMPARE(asked, !usable);
        QCOMPARE(host.folderDialogTitles.size(), usable ? 1 : 2);
        QCOMPARE(host.folderDialogTitles.constLast(), u"Missionsordner wählen"_s);
    }

    void fileDialogFilters()
    {
        QCOMPARE(ui::toolkitFilters(u"Alle Dateien (*.*)|*"_s),
                 QStringList{u"Alle Dateien (*.*) (*)"_s});
        QCOMPARE(ui::toolkitFilters(u"JPEG Bild (*.jpg)|*jpg"_s),
                 QStringList{u"JPEG Bild (*.jpg) (*jpg)"_s});
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
