#include "fakemaintext.h"
#include "golden.h"
#include "mission/missiondialogs.h"
#include "mission/resultbox.h"
#include "support/fakehost.h"
#include "ui/dialogcontext.h"
#include "ui/look.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestSoundEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void finishedBlock_data();
    void finishedBlock();
    void silentEnds_data();
    void silentEnds();
    void lockedLook();
    void resetWhileCollecting();
    void save();
    void saveFails();
    void transfer_data();
    void transfer();
    void closeButton();

private:
    template <typename T> T *find(const char *name)
    {
        auto *widget = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    void type(const char *box, const QString &text) { find<QLineEdit>(box)->setText(text); }
    void addSound(const QString &fileName)
    {
        type("Text3", fileName);
        find<QPushButton>("Command1")->click();
    }
    QString result() { return mission::resultBoxText(*find<QPlainTextEdit>("Text5")); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeHost> m_host;
    FakeMainText m_mainText;
    std::unique_ptr<QWidget> m_dialog;
};

void TestSoundEditor::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>(m_folder->path());
    m_mainText.replace(QString());
    m_dialog.reset(mission::createSoundEditor(ui::DialogContext{*m_host, m_mainText}));
    QVERIFY(m_dialog);
    QCOMPARE(m_dialog->objectName(), u"Form6"_s);
    m_dialog->show();
}

void TestSoundEditor::cleanup()
{
    m_dialog.reset();
}

void TestSoundEditor::finishedBlock_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("goldenFile");

    QTest::newRow("worked example") << u"D"_s << QStringList{u"A"_s, u"B"_s} << u"sound_two.txt"_s;
    QTest::newRow("count 1 finishes at once")
        << u"Musik"_s << QStringList{u"intro"_s} << u"sound_one.txt"_s;
    QStringList thirty;
    for (int n = 1; n <= 30; ++n)
        thirty.append(u"s"_s + QString::number(n));
    QTest::newRow("30 accepted") << u"Sounds"_s << thirty << u"sound_thirty.txt"_s;
}

void TestSoundEditor::finishedBlock()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QString, goldenFile);

    type("Text1", folder);
    type("Text2", QString::number(files.size()));
    for (qsizetype n = 0; n < files.size(); ++n) {
        QVERIFY(result().isEmpty());
        addSound(files[n]);
    }
    QCOMPARE(result(), golden(goldenFile));
    QCOMPARE(find<QLabel>("Label3")->text(), u"Fertig"_s);
    QVERIFY(!find<QPushButton>("Command1")->isEnabled());
    QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), files.size());
    QCOMPARE(find<QProgressBar>("ProgressBar1")->maximum(), files.size());
    QVERIFY(m_host->messages.isEmpty());
}

void TestSoundEditor::silentEnds_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("messages");

    const QString first = u"Name der 1. Sounddatei"_s;
    const QStringList none;
    QTest::newRow("31 refused") << u"31"_s << 1 << first << false << 0 << 31
                                << QStringList{u"Vorerst maximal 30 Sounds..."_s};
    QTest::newRow("05 never finishes, sixth click refused")
        << u"05"_s << 6 << u"Name der 6. Sounddatei"_s << true << 5 << 5 << none;
    QTest::newRow("trailing blank never finishes")
        << u"2 "_s << 3 << u"Name der 3. Sounddatei"_s << true << 2 << 2 << none;
    QTest::newRow("0 collects without progress")
        << u"0"_s << 3 << u"Name der 4. Sounddatei"_s << true << 0 << 100 << none;
    QTest::newRow("negative collects without progress")
        << u"-2"_s << 2 << u"Name der 3. Sounddatei"_s << true << 0 << 100 << none;
    QTest::newRow("not a number") << u"zwei"_s << 2 << first << false << 0 << 100 << none;
    QTest::newRow("empty") << QString() << 1 << first << false << 0 << 100 << none;
    QTest::newRow("infinite") << u"1e999"_s << 1 << first << false << 0 << 100 << none;
}

void TestSoundEditor::silentEnds()
{
    QFETCH(QString, count);
    QFETCH(int, clicks);
    QFETCH(QString, label);
    QFETCH(bool, locked);
    QFETCH(int, position);
    QFETCH(int, maximum);
    QFETCH(QStringList, messages);

    type("Text2", count);
    for (int n = 0; n < clicks; ++n)
        addSound(u"f"_s);
    QCOMPARE(find<QLabel>("Label3")->text(), label);
    QVERIFY(find<QPushButton>("Command1")->isEnabled());
    QVERIFY(result().isEmpty());
    QCOMPARE(ui::isLocked(*find<QLineEdit>("Text1")), locked);
    QCOMPARE(ui::isLocked(*find<QLineEdit>("Text2")), locked);
    QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), position);
    QCOMPARE(find<QProgressBar>("ProgressBar1")->maximum(), maximum);
    QCOMPARE(m_host->messageTexts(), messages);
    if (!messages.isEmpty()) {
        QCOMPARE(m_host->lastMessage().title, u"Fehler"_s);
        QCOMPARE(m_host->lastMessage().icon, ui::Icon::Critical);
    }
}

void TestSoundEditor::lockedLook()
{
    const QPalette app = QApplication::palette();
    auto *folder = find<QLineEdit>("Text1");
    QCOMPARE(folder->palette().color(QPalette::Base), app.color(QPalette::Base));
    type("Text2", u"3"_s);
    addSound(u"a"_s);
    for (const char *name : {"Text1", "Text2"}) {
        QVERIFY(find<QLineEdit>(name)->isReadOnly());
        QCOMPARE(find<QLineEdit>(name)->palette().color(QPalette::Base),
                 app.color(QPalette::Button));
    }
    QVERIFY(!find<QLineEdit>("Text3")->isReadOnly());
    QVERIFY(find<QLineEdit>("Text3")->text().isEmpty());
}

void TestSoundEditor::resetWhileCollecting()
{
    type("Text1", u"Alt"_s);
    type("Text2", u"3"_s);
    addSound(u"a"_s);
    addSound(u"b"_s);
    type("Text3", u"halb"_s);
    find<QPushButton>("Command2")->click();

    for (const char *name : {"Text1", "Text2", "Text3"})
        QVERIFY(find<QLineEdit>(name)->text().isEmpty());
    QVERIFY(!ui::isLocked(*find<QLineEdit>("Text1")));
    QCOMPARE(find<QLineEdit>("Text2")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QCOMPARE(find<QLabel>("Label3")->text(), u"Name der 1. Sounddatei"_s);
    QCOMPARE(find<QProgressBar>("ProgressBar1")->value(), 0);
    QCOMPARE(find<QProgressBar>("ProgressBar1")->maximum(), 3); // emptying keeps the maximum

    // Nothing of the discarded sounds remains: the next one is track1 again.
    type("Text1", u"Musik"_s);
    type("Text2", u"1"_s);
    addSound(u"intro"_s);
    QCOMPARE(result(), golden(u"sound_one.txt"_s));

    // Reset after finishing opens the way for a new block.
    find<QPushButton>("Command2")->click();
    QVERIFY(find<QPushButton>("Command1")->isEnabled());
    QVERIFY(result().isEmpty());
}

void TestSoundEditor::save()
{
    type("Text1", u"D"_s);
    type("Text2", u"2"_s);
    addSound(u"A"_s);
    addSound(u"B"_s);
    find<QPushButton>("Command3")->click();
    find<QPushButton>("Command3")->click(); // a second save replaces the file

    QFile file(QDir(m_folder->path()).filePath(u"description.ext"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(file.readAll()), golden(u"sound_two.txt"_s) + u"\r\n"_s);
    QCOMPARE(m_host->messages.size(), 2);
    QCOMPARE(m_host->lastMessage().title, u"Info"_s);
    QCOMPARE(m_host->lastMessage().text,
             u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(file.fileName()));
}

void TestSoundEditor::saveFails()
{
    QVERIFY(QDir(m_folder->path()).mkdir(u"description.ext"_s));
    find<QPushButton>("Command3")->click();
    QCOMPARE(m_host->messageTexts(), QStringList{u"Die Datei konnte nicht ertsellt werden"_s});
    QCOMPARE(m_host->lastMessage().title, u"Fehler"_s);
    QCOMPARE(m_host->lastMessage().icon, ui::Icon::Critical);
    QVERIFY(QFileInfo(QDir(m_folder->path()).filePath(u"description.ext"_s)).isDir());
}

void TestSoundEditor::transfer_data()
{
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<QList<ui::Answer>>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");

    QTest::newRow("empty main text, no question")
        << QString() << QList<ui::Answer>{} << false << true;
    QTest::newRow("OK replaces") << u"alt"_s << QList<ui::Answer>{ui::Answer::Ok} << true << true;
    QTest::newRow("Cancel keeps, still closes")
        << u"alt"_s << QList<ui::Answer>{ui::Answer::Cancel} << true << false;
}

void TestSoundEditor::transfer()
{
    QFETCH(QString, mainText);
    QFETCH(QList<ui::Answer>, answers);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);

    m_mainText.replace(mainText);
    m_host->answers.append(answers);
    type("Text2", u"1"_s);
    addSound(u"x\"\\y"_s);
    const QString block = result();
    find<QPushButton>("Command4")->click();

    QCOMPARE(m_mainText.text(), replaced ? block : mainText);
    QCOMPARE(m_host->messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_host->lastMessage().title, u"Hinweis"_s);
        QCOMPARE(m_host->lastMessage().text,
                 u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s);
        QCOMPARE(m_host->lastMessage().buttons, ui::Buttons::OkCancel);
    }
    QVERIFY(!m_dialog->isVisible());
}

void TestSoundEditor::closeButton()
{
    find<QPushButton>("Command5")->click();
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_host->messages.isEmpty());
}

QTEST_MAIN(TestSoundEditor)
#include "test_soundeditor.moc"
