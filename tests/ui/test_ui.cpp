#include "support/program.h"
#include "ui/missionfolder.h"
#include "ui/realhost.h"

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

    // The mission folder is remembered from one run to the next; one that cannot take files
    // is refused, or, remembered, reported and asked for again at the next write.
    void missionFolder_data()
    {
        QTest::addColumn<QString>("chosen"); // what stands at the path when it is chosen
        QTest::addColumn<QString>("later");  // and at the next run
        QTest::addColumn<QString>("status"); // then; % is the path
        QTest::newRow("a folder") << u"folder"_s << u"folder"_s << u"Missionsordner: %"_s;
        QTest::newRow("gone") << u"folder"_s << u""_s
                              << u"Missionsordner: „%“ gibt es nicht (mehr)"_s;
        QTest::newRow("no longer writable")
            << u"folder"_s << u"read-only"_s
            << u"Missionsordner: In „%“ darf nicht geschrieben werden"_s;
        QTest::newRow("read-only, refused")
            << u"read-only"_s << u"folder"_s << u"Kein Missionsordner gewählt"_s;
    }
    void missionFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, later);
        QFETCH(QString, status);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mission"_s);
        const auto make = [&](const QString &what) {
            QDir(path).removeRecursively();
            return what.isEmpty() ||
                   (QDir().mkdir(path) &&
                    (what == u"folder"_s || ::chmod(QFile::encodeName(path), 0555) == 0));
        };
        // Root writes anywhere: a read-only folder is looked at as an ordinary user, who can
        // become root again.
        const auto as = [&](const QString &what, auto &&act) {
            const bool user = what == u"read-only"_s && ::getuid() == 0;
            if (user && (::chmod(QFile::encodeName(dir.path()), 0777) != 0 ||
                         ::setresuid(65534, 65534, 0) != 0))
                return false;
            act();
            return !user || ::setresuid(0, 0, 0) == 0;
        };
        FakeHost host; // empty settings
        QVERIFY(make(chosen));
        host.folderNames.enqueue(path);
        bool taken = false;
        if (!as(chosen, [&] { taken = ui::MissionFolder().choose(host); }))
            QSKIP("cannot act as an ordinary user here");
        QCOMPARE(taken, chosen == u"folder"_s);
        QVERIFY(make(later));
        ui::MissionFolder nextRun;
        QString seen;
        bool asked = false;
        QVERIFY(as(later, [&] {
            seen = nextRun.statusText();
            asked = nextRun.folderToWrite(host).isEmpty();
        }));
        QCOMPARE(seen, status.replace(u'%', QDir::toNativeSeparators(path)));
        QCOMPARE(asked, !status.endsWith(path));
        QCOMPARE(host.folderDialogTitles.size(), status.endsWith(path) ? 1 : 2);
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
