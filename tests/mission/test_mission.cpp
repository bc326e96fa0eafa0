#include "mission/soundeditor.h"
#include "mission/soundlistmodel.h"
#include "mission/stockmodel.h"
#include "mission/weaponseditor.h"
#include "support/fakehost.h"
#include "support/golden.h"
#include "ui/exacttextedit.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Addition = mission::SoundListModel::Addition;

namespace {

// A dialog made as the main window makes it, on a fake host with an empty program folder.
template <typename Dialog> struct Session
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    FakeMainText mainText;
    Dialog dialog{ui::DialogContext{host, mainText}};

    template <typename T = QWidget> T *get(const QString &name) const
    {
        T *found = dialog.template findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    void type(const QString &box, const QString &text) { get<QLineEdit>(box)->setText(text); }
    void click(const QString &button) { get<QAbstractButton>(button)->click(); }
    bool enabled(const QString &control) const { return get(control)->isEnabled(); }
    bool grey(const QString &box) const
    {
        return get(box)->palette().color(QPalette::Base) == QPalette().color(QPalette::Button);
    }
    QString result(const QString &box) const { return get<ui::ExactTextEdit>(box)->text(); }
    QByteArray saved() const { return fileBytes(folder.filePath(u"description.ext"_s)); }
    QStringList entries(const QString &list) const
    {
        QStringList texts;
        for (auto *item : get<QListWidget>(list)->findItems(u"*"_s, Qt::MatchWildcard))
            texts.append(item->text());
        return texts;
    }
};

} // namespace

class TestMission : public QObject
{
    Q_OBJECT
private slots:
    void soundList_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("file"); // added with every click, from no folder
        QTest::addColumn<int>("clicks");
        QTest::addColumn<Addition>("last");
        QTest::addColumn<QString>("seen");       // caption | progress/maximum
        QTest::addColumn<QString>("goldenFile"); // the block; none while it is not finished
        QTest::newRow("empty folder, quotes and line end in the name")
            << u"1"_s << u"x\"\\\r\ny"_s << 1 << Addition::Finished << u"Fertig | 1/1"_s
            << u"sound_odd_names.txt"_s;
        QTest::newRow("30 accepted") << u"30"_s << u"f"_s << 30 << Addition::Finished
                                     << u"Fertig | 30/30"_s << u"sound_thirty.txt"_s;
        QTest::newRow("31 refused") << u"31"_s << u"f"_s << 1 << Addition::Refused
                                    << u"Name der 1. Sounddatei | 0/31"_s << QString();
        QTest::newRow("05 never finishes, sixth click ignored")
            << u"05"_s << u"f"_s << 6 << Addition::Ignored << u"Name der 6. Sounddatei | 5/5"_s
            << QString();
        QTest::newRow("0 collects without progress")
            << u"0"_s << u"f"_s << 3 << Addition::Added << u"Name der 4. Sounddatei | 0/100"_s
            << QString();
        QTest::newRow("negative collects without progress")
            << u"-2"_s << u"f"_s << 2 << Addition::Added << u"Name der 3. Sounddatei | 0/100"_s
            << QString();
        QTest::newRow("not a number") << u"zwei"_s << u"f"_s << 2 << Addition::Ignored
                                      << u"Name der 1. Sounddatei | 0/100"_s << QString();
    }
    void soundList()
    {
        QFETCH(QString, count);
        QFETCH(QString, file);
        QFETCH(int, clicks);
        QFETCH(QString, goldenFile);
        mission::SoundListModel sounds;
        sounds.setCountText(count);
        Addition last{};
        for (int n = 0; n < clicks; ++n)
            last = sounds.add(count, QString(), file);
        QTEST(last, "last");
        QTEST(sounds.fileCaption() +
                  u" | %1/%2"_s.arg(sounds.progress().value()).arg(sounds.progress().maximum()),
              "seen");
        QCOMPARE(sounds.block(), goldenFile.isEmpty() ? QString() : golden(goldenFile));

        // Reset starts over from any state; nothing of the discarded sounds remains.
        sounds.reset();
        sounds.setCountText(u"1"_s);
        QCOMPARE(sounds.add(u"1"_s, u"Musik"_s, u"intro"_s), Addition::Finished);
        QCOMPARE(sounds.block(), golden(u"sound_one.txt"_s));
    }

    void stock_data()
    {
        QTest::addColumn<QStringList>("steps");  // additions "WEAPON,name,count", Generieren, Reset
        QTest::addColumn<QString>("state");      // Generieren, save and transfer, result locked
        QTest::addColumn<QString>("goldenFile"); // what Generieren gave since the last Reset
        QTest::newRow("nothing added") << QStringList() << u"- - locked"_s << QString();
        QTest::newRow("worked example, magazine first")
            << QStringList{u"AMMO,M16,40"_s, u"WEAPON,M16,12"_s, u"Generieren"_s}
            << u"generate save open"_s << u"stock_example.txt"_s;
        QTest::newRow("only magazines")
            << QStringList{u"AMMO,M16,30"_s, u"AMMO,HandGrenade,4"_s, u"Generieren"_s}
            << u"generate save open"_s << u"stock_magazines_only.txt"_s;
        QTest::newRow("separators, no selection, odd counts")
            << QStringList{u"WEAPON,----------------,1"_s, u"WEAPON,,"_s,
                           u"AMMO,---------------,x y"_s, u"WEAPON,NVGoggles,1\r\n\"\\"_s,
                           u"Generieren"_s}
            << u"generate save open"_s << u"stock_odd_entries.txt"_s;
        QTest::newRow("Reset keeps save and transfer")
            << QStringList{u"WEAPON,M16,1"_s, u"Generieren"_s, u"Reset"_s} << u"- save locked"_s
            << QString();
        QTest::newRow("collected anew after Reset")
            << QStringList{u"AMMO,M16,1"_s, u"Reset"_s, u"WEAPON,AK47,2"_s, u"Generieren"_s}
            << u"generate save open"_s << u"stock_weapons_only.txt"_s;
    }
    void stock()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, goldenFile);
        mission::StockModel stock;
        QString generated;
        for (const QString &step : steps) {
            const QString name = step.section(u',', 1, 1), count = step.section(u',', 2);
            if (step == u"Generieren"_s)
                generated = stock.generate();
            else if (step == u"Reset"_s)
                stock.reset(), generated.clear();
            else
                QCOMPARE((step.startsWith(u"WEAPON"_s) ? stock.addWeapon(name, count)
                                                       : stock.addMagazine(name, count)),
                         step + u"\r\n"_s);
        }
        QTEST(QStringList({stock.canGenerate() ? u"generate"_s : u"-"_s,
                           stock.canSave() ? u"save"_s : u"-"_s,
                           stock.resultLocked() ? u"locked"_s : u"open"_s})
                  .join(u' '),
              "state");
        QCOMPARE(generated, goldenFile.isEmpty() ? QString() : golden(goldenFile));
    }

    void weaponsEditor()
    {
        Session<mission::WeaponsEditor> s;
        QVERIFY(!s.enabled(u"Command2"_s) && !s.enabled(u"Command4"_s) && s.grey(u"Text1"_s));
        // Breaking only between words made every addition take seconds once the box held a
        // word of many thousand letters.
        QCOMPARE(s.get<QPlainTextEdit>(u"Text1"_s)->wordWrapMode(), QTextOption::WrapAnywhere);

        // The base edition is the add-on edition without the add-on's entries.
        const QStringList addOnWeapons = s.entries(u"List1"_s);
        const QStringList addOnMagazines = s.entries(u"List2"_s);
        s.click(u"Check1"_s);
        const QStringList baseWeapons = s.entries(u"List1"_s);
        QVERIFY(addOnWeapons.contains(u"FAL"_s) && !baseWeapons.contains(u"FAL"_s));
        QVERIFY(!s.entries(u"List2"_s).contains(u"UZIMag"_s));
        qsizetype at = 0;
        for (const QString &entry : baseWeapons) // in the add-on edition's order
            QVERIFY((at = addOnWeapons.indexOf(entry, at) + 1) > 0);
        s.click(u"Check1"_s);
        QCOMPARE(s.entries(u"List2"_s), addOnMagazines);

        // The selected entry and the count as typed; after Generieren an addition goes straight
        // after the final "};".
        s.get<QListWidget>(u"List1"_s)->setCurrentRow(addOnWeapons.indexOf(u"M16"_s));
        s.type(u"Text2"_s, u"12"_s);
        s.click(u"Command1"_s);
        s.get<QListWidget>(u"List2"_s)->setCurrentRow(addOnMagazines.indexOf(u"M16"_s));
        s.type(u"Text3"_s, u"40"_s);
        s.click(u"Command3"_s);
        QCOMPARE(s.result(u"Text1"_s), u"WEAPON,M16,12\r\nAMMO,M16,40\r\n"_s);
        QVERIFY(s.enabled(u"Command2"_s) && !s.enabled(u"Command5"_s) && !s.grey(u"Text1"_s));
        s.click(u"Command2"_s);
        const QString result = golden(u"stock_example.txt"_s);
        QCOMPARE(s.result(u"Text1"_s), result);
        s.click(u"Command3"_s);
        QCOMPARE(s.result(u"Text1"_s), result + u"AMMO,M16,40\r\n"_s);
        s.click(u"Command7"_s); // Reset
        QVERIFY(s.result(u"Text1"_s).isEmpty() && s.grey(u"Text1"_s) && s.enabled(u"Command5"_s));
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
        if (sound) {
            Session<mission::SoundEditor> s;
            s.type(u"Text2"_s, u"31"_s);
            s.click(u"Command1"_s);
            QCOMPARE(s.host.messageTexts(), QStringList{u"Vorerst maximal 30 Sounds..."_s});
            s.type(u"Text1"_s, u"D"_s); // the worked example
            s.type(u"Text2"_s, u"2"_s);
            for (const QString &file : {u"A"_s, u"B"_s}) {
                QVERIFY(s.enabled(u"Command1"_s));
                s.type(u"Text3"_s, file);
                s.click(u"Command1"_s);
                QVERIFY(s.grey(u"Text1"_s) && ui::isLocked(*s.get(u"Text2"_s)));
                QVERIFY(s.get<QLineEdit>(u"Text3"_s)->text().isEmpty());
            }
            QCOMPARE(s.result(u"Text5"_s), golden(u"sound_two.txt"_s));
            QCOMPARE(s.get<QLabel>(u"Label3"_s)->text(), u"Fertig"_s);
            QVERIFY(!s.enabled(u"Command1"_s) &&
                    s.get<QProgressBar>(u"ProgressBar1"_s)->value() == 2);
            saveAndTransferIn(s, u"Text5"_s, {u"Command3"_s, u"Command4"_s, u"Command5"_s});
            s.click(u"Command2"_s); // Reset
            QVERIFY(s.result(u"Text5"_s).isEmpty() && s.enabled(u"Command1"_s));
            QVERIFY(!s.grey(u"Text1"_s) && !ui::isLocked(*s.get(u"Text2"_s)));
            QCOMPARE(s.get<QLabel>(u"Label3"_s)->text(), u"Name der 1. Sounddatei"_s);
        } else {
            Session<mission::WeaponsEditor> s;
            s.click(u"Command1"_s);
            s.click(u"Command2"_s);
            saveAndTransferIn(s, u"Text1"_s, {u"Command4"_s, u"Command5"_s, u"Command6"_s});
        }
    }

private:
    // Save twice (the file is replaced, not appended to), then fail; transfer cancelled (the
    // dialog closes all the same) and accepted; close.
    template <typename Dialog>
    void saveAndTransferIn(Session<Dialog> &s, const QString &box, const QStringList &buttons)
    {
        QFETCH(QString, warningEnd);
        const QString result = s.result(box);
        s.click(buttons[0]);
        s.click(buttons[0]);
        QCOMPARE(s.saved(), (result + u"\r\n"_s).toLatin1());
        const QString path = s.folder.filePath(u"description.ext"_s);
        QCOMPARE(s.host.lastMessage().text,
                 u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(path));
        QVERIFY(QFile::remove(path) && QDir(s.folder.path()).mkdir(u"description.ext"_s));
        s.click(buttons[0]);
        QCOMPARE(s.host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);

        s.mainText.value = u"alt"_s;
        s.host.answers.enqueue(ui::Answer::Cancel);
        s.dialog.show();
        s.click(buttons[1]);
        QCOMPARE(s.host.lastMessage().text,
                 u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s +
                     warningEnd);
        QVERIFY(s.mainText.value == u"alt"_s && !s.dialog.isVisible());
        s.dialog.show();
        s.click(buttons[1]);
        QVERIFY(s.mainText.value == result && !s.dialog.isVisible());
        s.dialog.show();
        s.click(buttons[2]);
        QVERIFY(!s.dialog.isVisible());
    }
};

QTEST_MAIN(TestMission)
#include "test_mission.moc"
