#include "mission/soundlistmodel.h"
#include "mission/stockmodel.h"
#include "support/steps.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Addition = mission::SoundListModel::Addition;

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
        const core::ProgressModel &progress = sounds.progress();
        QTEST(sounds.fileCaption() + u" | %1/%2"_s.arg(progress.value()).arg(progress.maximum()),
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
                QCOMPARE(step.startsWith(u"WEAPON"_s) ? stock.addWeapon(name, count)
                                                      : stock.addMagazine(name, count),
                         step + u"\r\n"_s);
        }
        QTEST(QStringList({stock.canGenerate() ? u"generate"_s : u"-"_s,
                           stock.canSave() ? u"save"_s : u"-"_s,
                           stock.resultLocked() ? u"locked"_s : u"open"_s})
                  .join(u' '),
              "state");
        QCOMPARE(generated, goldenFile.isEmpty() ? QString() : golden(goldenFile));
    }

    void stories_data() { addStories(); }
    void stories() { playStory(); }

    void catalogueEditions()
    {
        Program program;
        const Window w = program.open(app::Tool::WeaponsEditor);
        auto entries = [&](const QString &list) {
            return w.text(list).split(u'\n');
        };
        // The base edition is the add-on edition without the add-on's entries.
        const QStringList weapons = entries(u"List1"_s), magazines = entries(u"List2"_s);
        w.click(u"Check1"_s);
        QVERIFY(weapons.contains(u"FAL"_s) && !entries(u"List1"_s).contains(u"FAL"_s));
        QVERIFY(magazines.contains(u"UZIMag"_s) && !entries(u"List2"_s).contains(u"UZIMag"_s));
        w.click(u"Check1"_s);
        QCOMPARE(entries(u"List1"_s), weapons);
        // Breaking only between words made every addition take seconds once the box held a
        // word of many thousand letters.
        QCOMPARE(w.get<QPlainTextEdit>(u"Text1"_s)->wordWrapMode(), QTextOption::WrapAnywhere);
    }
};

QTEST_MAIN(TestMission)
#include "test_mission.moc"
