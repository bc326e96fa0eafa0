#include "golden.h"
#include "mission/catalogue.h"
#include "mission/descriptiontext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using mission::Edition;

using Stock = QList<std::pair<QString, QString>>;

class TestDescriptionText : public QObject
{
    Q_OBJECT

private slots:
    void soundBlock_data();
    void soundBlock();
    void stockBlocks_data();
    void stockBlocks();
    void additionLines();
    void catalogueEditions_data();
    void catalogueEditions();
    void baseEditionLeavesOutAddOnEntries();
    void separators();
};

void TestDescriptionText::soundBlock_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("goldenFile");

    QTest::newRow("worked example, two sounds")
        << u"D"_s << QStringList{u"A"_s, u"B"_s} << u"sound_two.txt"_s;
    QTest::newRow("one sound, 14 lines")
        << u"Musik"_s << QStringList{u"intro"_s} << u"sound_one.txt"_s;
    QStringList thirty;
    for (int n = 1; n <= 30; ++n)
        thirty.append(u"s"_s + QString::number(n));
    QTest::newRow("thirty sounds") << u"Sounds"_s << thirty << u"sound_thirty.txt"_s;
    QTest::newRow("empty folder and file name")
        << QString() << QStringList{QString()} << u"sound_empty_names.txt"_s;
}

void TestDescriptionText::soundBlock()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QString, goldenFile);

    QString entries;
    for (int n = 0; n < files.size(); ++n)
        entries += mission::soundEntry(n + 1, folder, files[n]);
    const QString expected = golden(goldenFile);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(mission::soundBlock(int(files.size()), entries), expected);
}

void TestDescriptionText::stockBlocks_data()
{
    QTest::addColumn<Stock>("weapons");
    QTest::addColumn<Stock>("magazines");
    QTest::addColumn<QString>("goldenFile");

    QTest::newRow("worked example")
        << Stock{{u"W"_s, u"C"_s}} << Stock{{u"M"_s, u"K"_s}} << u"stock_example.txt"_s;
    QTest::newRow("only magazines")
        << Stock{} << Stock{{u"M16"_s, u"30"_s}, {u"HandGrenade"_s, u"4"_s}}
        << u"stock_magazines_only.txt"_s;
    QTest::newRow("only weapons") << Stock{{u"AK47"_s, u"2"_s}} << Stock{}
                                  << u"stock_weapons_only.txt"_s;
    QTest::newRow("nothing") << Stock{} << Stock{} << u"stock_nothing.txt"_s;
    QTest::newRow("separators, no selection, empty and odd counts")
        << Stock{{u"----------------"_s, u"1"_s}, {QString(), QString()}}
        << Stock{{u"---------------"_s, u"x y"_s}} << u"stock_odd_entries.txt"_s;
}

void TestDescriptionText::stockBlocks()
{
    QFETCH(Stock, weapons);
    QFETCH(Stock, magazines);
    QFETCH(QString, goldenFile);

    QString weaponEntries;
    for (const auto &[name, count] : weapons)
        weaponEntries += mission::stockEntry(name, count);
    QString magazineEntries;
    for (const auto &[name, count] : magazines)
        magazineEntries += mission::stockEntry(name, count);
    const QString expected = golden(goldenFile);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(mission::stockBlocks(weaponEntries, magazineEntries), expected);
}

void TestDescriptionText::additionLines()
{
    QCOMPARE(mission::weaponAdditionLine(u"M16"_s, u"3"_s), u"WEAPON,M16,3\r\n"_s);
    QCOMPARE(mission::weaponAdditionLine(QString(), u"3"_s), u"WEAPON,,3\r\n"_s);
    QCOMPARE(mission::magazineAdditionLine(u"Mine"_s, QString()), u"AMMO,Mine,\r\n"_s);
}

void TestDescriptionText::catalogueEditions_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("weapons, add-on")
        << mission::weaponCatalogue(Edition::AddOn) << 45 << u"6G30"_s << u"NVGoggles"_s;
    QTest::newRow("weapons, base")
        << mission::weaponCatalogue(Edition::Base) << 32 << u"6G30"_s << u"NVGoggles"_s;
    QTest::newRow("magazines, add-on") << mission::magazineCatalogue(Edition::AddOn) << 83
                                       << u"6G30Magazine"_s << u"ZuniLauncherOH"_s;
    QTest::newRow("magazines, base") << mission::magazineCatalogue(Edition::Base) << 70
                                     << u"6G30Magazine"_s << u"ZuniLauncherOH"_s;
}

void TestDescriptionText::catalogueEditions()
{
    QFETCH(QStringList, list);
    QFETCH(int, size);
    QFETCH(QString, first);
    QFETCH(QString, last);

    QCOMPARE(list.size(), size);
    QCOMPARE(list.constFirst(), first);
    QCOMPARE(list.constLast(), last);
}

void TestDescriptionText::baseEditionLeavesOutAddOnEntries()
{
    const QString separator = u"----------------"_s;
    QStringList weapons = mission::weaponCatalogue(Edition::AddOn);
    for (const QString &name :
         {u"FAL"_s, u"HKG3"_s, u"HuntingRifle"_s, u"UZI"_s, u"Beretta"_s, u"CZ75"_s, u"Glock"_s,
          u"GlockS"_s, u"Ingram"_s, u"Revolver"_s, u"Skorpion"_s, u"Tokarev"_s})
        QVERIFY2(weapons.removeOne(name), qPrintable(name));
    // Of the two separators around the handguns, one belongs to the add-on.
    QVERIFY(weapons.removeOne(separator));
    QCOMPARE(weapons, mission::weaponCatalogue(Edition::Base));

    QStringList magazines = mission::magazineCatalogue(Edition::AddOn);
    for (const QString &name :
         {u"FALMag"_s, u"HKG3Mag"_s, u"HuntingRifleMag"_s, u"UZIMag"_s, u"BerettaMag"_s,
          u"CZ75Mag"_s, u"GlockMag"_s, u"GlockSMag"_s, u"IngramMag"_s, u"RevolverMag"_s,
          u"SkorpionMag"_s, u"TokarevMag"_s})
        QVERIFY2(magazines.removeOne(name), qPrintable(name));
    QVERIFY(magazines.removeOne(separator));
    QCOMPARE(magazines, mission::magazineCatalogue(Edition::Base));
}

void TestDescriptionText::separators()
{
    for (Edition edition : {Edition::Base, Edition::AddOn}) {
        const QStringList magazines = mission::magazineCatalogue(edition);
        const qsizetype at3 = magazines.indexOf(u"AT3Launcher"_s);
        QVERIFY(at3 > 0);
        QCOMPARE(magazines.at(at3 - 1), u"---------------"_s);
        QCOMPARE(magazines.at(at3 - 2), u"Mine"_s);
        // Every other dash entry is one dash longer.
        const QStringList dashes =
            magazines.filter(u"---"_s) + mission::weaponCatalogue(edition).filter(u"---"_s);
        QCOMPARE(dashes.count(u"----------------"_s), dashes.size() - 1);
    }
    QCOMPARE(mission::weaponCatalogue(Edition::Base).filter(u"---"_s).size(), 1);
    QCOMPARE(mission::weaponCatalogue(Edition::AddOn).filter(u"---"_s).size(), 2);
}

QTEST_APPLESS_MAIN(TestDescriptionText)
#include "test_descriptiontext.moc"
