#include "mission/missiondialogs.h"
#include "support/fakehost.h"
#include "ui/dialogcontext.h"
#include "ui/exacttextedit.h"
#include "ui/look.h"
#include "ui/maintext.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

static QString golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

static QString caption(int sound)
{
    return u"Name der %1. Sounddatei"_s.arg(sound);
}

struct FakeMainText : ui::MainText
{
    QString value;
    QString text() const override { return value; }
    void replace(const QString &text) override { value = text; }
};

// One freshly made, shown dialog on a fake host with an empty program folder.
struct Dialog
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    FakeMainText mainText;
    std::unique_ptr<QWidget> widget;

    explicit Dialog(bool sound)
        : widget((sound ? mission::createSoundEditor
                        : mission::createWeaponsEditor)(ui::DialogContext{host, mainText}))
    {
        widget->show();
    }
    template <typename T = QWidget> T *find(const char *name) const
    {
        if (auto *child = widget->findChild<T *>(QString::fromLatin1(name)))
            return child;
        qFatal("no control %s", name);
    }
    void type(const char *box, const QString &text) const { find<QLineEdit>(box)->setText(text); }
    void click(const char *button) const { find<QAbstractButton>(button)->click(); }
    bool enabled(const char *button) const { return find(button)->isEnabled(); }
    QColor base(const char *box) const { return find(box)->palette().color(QPalette::Base); }
    QString boxText(const char *box) const { return find<ui::ExactTextEdit>(box)->text(); }
    QString programFile() const { return folder.filePath(u"description.ext"_s); }
    QString saved() const
    {
        QFile file(programFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    // What the sound editor shows besides its result: the caption of Label3, the bar's
    // position and maximum, and the messages so far.
    QString seen() const
    {
        auto *bar = find<QProgressBar>("ProgressBar1");
        return (QStringList{find<QLabel>("Label3")->text(),
                            u"%1/%2"_s.arg(bar->value()).arg(bar->maximum())} +
                host.messageTexts())
            .join(u" | "_s);
    }

    void addSound(const QString &fileName) const
    {
        type("Text3", fileName);
        click("Command1");
    }
    // Selects the named entry (none for an empty name), types the count and adds.
    void add(const QString &line) const
    {
        const bool weapon = line.startsWith(u"WEAPON,"_s);
        const QString name = line.section(u',', 1, 1);
        auto *list = find<QListWidget>(weapon ? "List1" : "List2");
        list->clearSelection();
        if (!name.isEmpty())
            list->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
        type(weapon ? "Text2" : "Text3", line.section(u',', 2));
        click(weapon ? "Command1" : "Command3");
    }
    QString entries(const char *name) const // each followed by CR LF
    {
        QString texts;
        for (auto *item : find<QListWidget>(name)->findItems(u"*"_s, Qt::MatchWildcard))
            texts += item->text() + u"\r\n"_s;
        return texts;
    }
};

class TestMission : public QObject
{
    Q_OBJECT

private slots:
    void sound_data()
    {
        QTest::addColumn<QString>("file"); // typed for every click, into no folder
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("seen");       // caption of Label3 | position/maximum | messages
        QTest::addColumn<QString>("goldenFile"); // none while the block is not finished

        QTest::newRow("empty folder, quotes and line end in the name")
            << u"x\"\\\r\ny"_s << u"1"_s << 1 << u"Fertig | 1/1"_s << u"sound_odd_names.txt"_s;
        QTest::newRow("30 accepted")
            << u"f"_s << u"30"_s << 30 << u"Fertig | 30/30"_s << u"sound_thirty.txt"_s;
        QTest::newRow("31 refused")
            << u"f"_s << u"31"_s << 1 << caption(1) + u" | 0/31 | Vorerst maximal 30 Sounds..."_s
            << QString();
        QTest::newRow("05 never finishes, sixth click refused")
            << u"f"_s << u"05"_s << 6 << caption(6) + u" | 5/5"_s << QString();
        QTest::newRow("0 collects without progress")
            << u"f"_s << u"0"_s << 3 << caption(4) + u" | 0/100"_s << QString();
        QTest::newRow("negative collects without progress")
            << u"f"_s << u"-2"_s << 2 << caption(3) + u" | 0/100"_s << QString();
        QTest::newRow("not a number")
            << u"f"_s << u"zwei"_s << 2 << caption(1) + u" | 0/100"_s << QString();
    }
    void sound()
    {
        QFETCH(QString, file);
        QFETCH(QString, count);
        QFETCH(int, clicks);
        QFETCH(QString, seen);
        QFETCH(QString, goldenFile);

        Dialog d(true);
        d.type("Text2", count);
        for (int n = 0; n < clicks; ++n)
            d.addSound(file);
        QCOMPARE(d.seen(), seen);
        QCOMPARE(d.boxText("Text5"), goldenFile.isEmpty() ? QString() : golden(goldenFile));
        QCOMPARE(d.enabled("Command1"), goldenFile.isEmpty());
        // The folder and the count are fixed from the first accepted sound on.
        const bool locked = !seen.startsWith(caption(1));
        QCOMPARE(ui::isLocked(*d.find("Text1")), locked);
        QCOMPARE(d.base("Text2"), QPalette().color(locked ? QPalette::Button : QPalette::Base));

        // Reset starts over from any state, and nothing of the discarded sounds remains.
        d.click("Command2");
        QVERIFY(d.seen().startsWith(caption(1) + u" | 0/"_s));
        QVERIFY(!ui::isLocked(*d.find("Text2")));
        d.type("Text1", u"Musik"_s);
        d.type("Text2", u"1"_s);
        d.addSound(u"intro"_s);
        QCOMPARE(d.boxText("Text5"), golden(u"sound_one.txt"_s));
    }
    void stockBlocks_data()
    {
        QTest::addColumn<QStringList>("additions");
        QTest::addColumn<QString>("goldenFile");

        QTest::newRow("worked example, magazine first")
            << QStringList{u"AMMO,M16,40"_s, u"WEAPON,M16,12"_s} << u"stock_example.txt"_s;
        QTest::newRow("only magazines") << QStringList{u"AMMO,M16,30"_s, u"AMMO,HandGrenade,4"_s}
                                        << u"stock_magazines_only.txt"_s;
        QTest::newRow("separators, no selection, odd counts")
            << QStringList{u"WEAPON,----------------,1"_s, u"WEAPON,,"_s,
                           u"AMMO,---------------,x y"_s, u"WEAPON,NVGoggles,1\r\n\"\\"_s}
            << u"stock_odd_entries.txt"_s;
    }
    void stockBlocks()
    {
        QFETCH(QStringList, additions);
        QFETCH(QString, goldenFile);

        Dialog d(false);
        for (const QString &line : additions)
            d.add(line);
        QCOMPARE(d.boxText("Text1"), additions.join(u"\r\n"_s) + u"\r\n"_s);
        QVERIFY(d.enabled("Command2") && !d.enabled("Command4") && !d.enabled("Command5"));
        d.click("Command2");
        QCOMPARE(d.boxText("Text1"), golden(goldenFile));
    }

    void weaponsEditor()
    {
        Dialog d(false);
        QCOMPARE(d.entries("List1"), golden(u"catalogue_weapons_addon.txt"_s));
        QCOMPARE(d.entries("List2"), golden(u"catalogue_magazines_addon.txt"_s));
        QVERIFY(!d.enabled("Command2") && !d.enabled("Command4") && !d.enabled("Command5"));
        QCOMPARE(d.base("Text1"), QPalette().color(QPalette::Button));
        // Breaking only between words made every addition take seconds once the box held a
        // word of many thousand letters.
        QCOMPARE(d.find<QPlainTextEdit>("Text1")->wordWrapMode(), QTextOption::WrapAnywhere);

        d.add(u"WEAPON,FAL,1"_s);
        d.add(u"AMMO,FALMag,6"_s);
        QVERIFY(!ui::isLocked(*d.find("Text1")));
        d.click("Check1");
        QCOMPARE(d.entries("List1"), golden(u"catalogue_weapons_base.txt"_s));
        QCOMPARE(d.entries("List2"), golden(u"catalogue_magazines_base.txt"_s));
        d.click("Check1");
        QCOMPARE(d.entries("List1"), golden(u"catalogue_weapons_addon.txt"_s));

        // Entries the base edition lacks stay collected; with nothing selected the name is
        // empty. After Generieren an addition goes straight after the final "};".
        d.click("Command1");
        d.click("Command3");
        d.click("Command2");
        QCOMPARE(d.boxText("Text1"), golden(u"stock_refill.txt"_s));
        d.add(u"AMMO,Mine,3"_s);
        QCOMPARE(d.boxText("Text1"), golden(u"stock_refill.txt"_s) + u"AMMO,Mine,3\r\n"_s);

        // Reset drops the collected entries but keeps save and transfer, which then write an
        // empty box.
        d.click("Command7");
        QVERIFY(!d.enabled("Command2") && d.enabled("Command4") && d.enabled("Command5"));
        QCOMPARE(d.base("Text1"), QPalette().color(QPalette::Button));
        d.click("Command4");
        QCOMPARE(d.saved(), u"\r\n"_s);
        d.add(u"WEAPON,AK47,2"_s);
        d.click("Command2");
        QCOMPARE(d.boxText("Text1"), golden(u"stock_weapons_only.txt"_s));
    }

    void saveAndTransfer_data()
    {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QString>("warningEnd");
        QTest::newRow("sound editor") << true << QString();
        QTest::newRow("weapons editor") << false << u", trotzdem fortfahren ?"_s;
    }
    void saveAndTransfer()
    {
        QFETCH(bool, sound);
        QFETCH(QString, warningEnd);

        Dialog d(sound);
        if (sound) {
            d.type("Text1", u"D"_s); // the worked example
            d.type("Text2", u"2"_s);
            d.addSound(u"A"_s);
            d.addSound(u"B"_s);
        } else {
            d.add(u"WEAPON,M16,12"_s); // the worked example
            d.add(u"AMMO,M16,40"_s);
            d.click("Command2");
        }
        const QString result = d.boxText(sound ? "Text5" : "Text1");
        QCOMPARE(result, golden(sound ? u"sound_two.txt"_s : u"stock_example.txt"_s));
        d.click(sound ? "Command3" : "Command4");
        d.click(sound ? "Command3" : "Command4"); // the second save replaces the file, not appends
        QCOMPARE(d.saved(), result + u"\r\n"_s);
        QCOMPARE(d.host.lastMessage().text,
                 u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(d.programFile()));

        QVERIFY(QFile::remove(d.programFile()) &&
                QDir(d.folder.path()).mkdir(u"description.ext"_s));
        d.click(sound ? "Command3" : "Command4");
        QCOMPARE(d.host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);

        // Cancel keeps the main text, and the dialog closes all the same.
        d.mainText.value = u"alt"_s;
        d.host.answers.enqueue(ui::Answer::Cancel);
        d.click(sound ? "Command4" : "Command5");
        QCOMPARE(d.host.lastMessage().text,
                 u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s +
                     warningEnd);
        QCOMPARE(d.mainText.value, u"alt"_s);
        QVERIFY(!d.widget->isVisible());
        d.widget->show();
        d.click(sound ? "Command4" : "Command5");
        QCOMPARE(d.mainText.value, result);
        QVERIFY(!d.widget->isVisible());
        d.widget->show();
        d.click(sound ? "Command5" : "Command6");
        QVERIFY(!d.widget->isVisible());
    }
};

QTEST_MAIN(TestMission)
#include "test_mission.moc"
