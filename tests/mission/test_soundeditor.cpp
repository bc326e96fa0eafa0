#include "dialogfixture.h"
#include "golden.h"
#include "mission/missiondialogs.h"
#include "ui/look.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSoundEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<DialogFixture>(&mission::createSoundEditor); }
    void finishedBlock_data();
    void finishedBlock();
    void silentEnds_data();
    void silentEnds();
    void resetWhileCollecting();
    void save();
    void transfer();

private:
    void addSound(const QString &fileName)
    {
        f->type("Text3", fileName);
        f->click("Command1");
    }
    QProgressBar *bar() { return f->find<QProgressBar>("ProgressBar1"); }

    std::unique_ptr<DialogFixture> f;
};

void TestSoundEditor::finishedBlock_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("goldenFile");

    QStringList thirty;
    for (int n = 1; n <= 30; ++n)
        thirty.append(u"s"_s + QString::number(n));
    QTest::newRow("worked example") << u"D"_s << QStringList{u"A"_s, u"B"_s} << u"sound_two.txt"_s;
    QTest::newRow("count 1 finishes at once")
        << u"Musik"_s << QStringList{u"intro"_s} << u"sound_one.txt"_s;
    QTest::newRow("empty names") << QString() << QStringList{QString()}
                                 << u"sound_empty_names.txt"_s;
    QTest::newRow("30 accepted") << u"Sounds"_s << thirty << u"sound_thirty.txt"_s;
}

void TestSoundEditor::finishedBlock()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QString, goldenFile);

    f->type("Text1", folder);
    f->type("Text2", QString::number(files.size()));
    for (const QString &file : files) {
        QVERIFY(f->boxText("Text5").isEmpty());
        addSound(file);
    }
    QCOMPARE(f->boxText("Text5"), golden(goldenFile));
    QCOMPARE(f->find<QLabel>("Label3")->text(), u"Fertig"_s);
    QVERIFY(!f->find("Command1")->isEnabled());
    QCOMPARE(bar()->value(), files.size());
    QCOMPARE(bar()->maximum(), files.size());
    QVERIFY(f->host.messages.isEmpty());
}

void TestSoundEditor::silentEnds_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("nextSound"); // the number in the caption of Label3
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("messages");

    const QStringList none;
    QTest::newRow("31 refused") << u"31"_s << 1 << 1 << 0 << 31
                                << QStringList{u"Vorerst maximal 30 Sounds..."_s};
    QTest::newRow("05 never finishes, sixth click refused") << u"05"_s << 6 << 6 << 5 << 5 << none;
    QTest::newRow("trailing blank never finishes") << u"2 "_s << 3 << 3 << 2 << 2 << none;
    QTest::newRow("0 collects without progress") << u"0"_s << 3 << 4 << 0 << 100 << none;
    QTest::newRow("negative collects without progress") << u"-2"_s << 2 << 3 << 0 << 100 << none;
    QTest::newRow("not a number") << u"zwei"_s << 2 << 1 << 0 << 100 << none;
    QTest::newRow("infinite") << u"1e999"_s << 1 << 1 << 0 << 100 << none;
}

void TestSoundEditor::silentEnds()
{
    QFETCH(QString, count);
    QFETCH(int, clicks);
    QFETCH(int, nextSound);
    QFETCH(int, position);
    QFETCH(int, maximum);
    QFETCH(QStringList, messages);

    f->type("Text2", count);
    for (int n = 0; n < clicks; ++n)
        addSound(u"f"_s);
    QCOMPARE(f->find<QLabel>("Label3")->text(), u"Name der %1. Sounddatei"_s.arg(nextSound));
    QVERIFY(f->find("Command1")->isEnabled());
    QVERIFY(f->boxText("Text5").isEmpty());
    QCOMPARE(ui::isLocked(*f->find("Text1")), nextSound > 1);
    QCOMPARE(ui::isLocked(*f->find("Text2")), nextSound > 1);
    QCOMPARE(bar()->value(), position);
    QCOMPARE(bar()->maximum(), maximum);
    QCOMPARE(f->host.messageTexts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(f->host.lastMessage().icon, ui::Icon::Critical);
}

void TestSoundEditor::resetWhileCollecting()
{
    const QPalette app = QApplication::palette();
    f->type("Text1", u"Alt"_s);
    f->type("Text2", u"3"_s);
    addSound(u"a"_s);
    addSound(u"b"_s);
    QCOMPARE(f->find("Text2")->palette().color(QPalette::Base), app.color(QPalette::Button));
    QVERIFY(!ui::isLocked(*f->find("Text3")));
    f->type("Text3", u"halb"_s);
    f->click("Command2");

    for (const char *name : {"Text1", "Text2", "Text3"})
        QVERIFY(f->find<QLineEdit>(name)->text().isEmpty());
    QVERIFY(!ui::isLocked(*f->find("Text1")));
    QCOMPARE(f->find("Text2")->palette().color(QPalette::Base), app.color(QPalette::Base));
    QCOMPARE(f->find<QLabel>("Label3")->text(), u"Name der 1. Sounddatei"_s);
    QCOMPARE(bar()->value(), 0);
    QCOMPARE(bar()->maximum(), 3); // emptying the count keeps the maximum

    // Nothing of the discarded sounds remains: the next one is track1 again.
    f->type("Text1", u"Musik"_s);
    f->type("Text2", u"1"_s);
    addSound(u"intro"_s);
    QCOMPARE(f->boxText("Text5"), golden(u"sound_one.txt"_s));
}

void TestSoundEditor::save()
{
    f->type("Text1", u"D"_s);
    f->type("Text2", u"2"_s);
    addSound(u"A"_s);
    addSound(u"B"_s);
    f->click("Command3");
    f->click("Command3"); // the second save replaces the file, not appends

    QFile file(f->programFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()), golden(u"sound_two.txt"_s) + u"\r\n"_s);
    QCOMPARE(f->host.messages.size(), 2);
    QCOMPARE(f->host.lastMessage().text,
             u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(f->programFile()));
    file.remove();

    QVERIFY(QDir(f->folder.path()).mkdir(u"description.ext"_s));
    f->click("Command3");
    QCOMPARE(f->host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);
    QCOMPARE(f->host.lastMessage().title, u"Fehler"_s);
    QVERIFY(QFileInfo(f->programFile()).isDir());
}

void TestSoundEditor::transfer()
{
    f->type("Text2", u"1"_s);
    addSound(u"x\"\\y"_s);
    const QString block = f->boxText("Text5");
    f->click("Command4");
    QCOMPARE(f->mainText.text(), block); // an empty main text is replaced without a question
    QVERIFY(f->host.messages.isEmpty());
    QVERIFY(!f->dialog->isVisible());

    // Cancel keeps the main text, and the dialog closes all the same.
    init();
    f->mainText.replace(u"alt"_s);
    f->host.answers.enqueue(ui::Answer::Cancel);
    f->click("Command4");
    QCOMPARE(f->host.messageTexts(),
             QStringList{u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s});
    QCOMPARE(f->mainText.text(), u"alt"_s);
    QVERIFY(!f->dialog->isVisible());

    init();
    f->click("Command5");
    QVERIFY(!f->dialog->isVisible());
}

QTEST_MAIN(TestSoundEditor)
#include "test_soundeditor.moc"
