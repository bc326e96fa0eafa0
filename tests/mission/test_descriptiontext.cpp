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
    void stockBlocks_data();
    void stockBlocks();
    void catalogue();
};

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
    QTest::newRow("separators, no name, odd counts")
        << Stock{{u"----------------"_s, u"1"_s}, {QString(), QString()}}
        << Stock{{u"---------------"_s, u"x y"_s}} << u"stock_odd_entries.txt"_s;
}

void TestDescriptionText::stockBlocks()
{
    QFETCH(Stock, weapons);
    QFETCH(Stock, magazines);
    QFETCH(QString, goldenFile);

    QString entries[2];
    for (const auto &[name, count] : weapons)
        entries[0] += mission::stockEntry(name, count);
    for (const auto &[name, count] : magazines)
        entries[1] += mission::stockEntry(name, count);
    QCOMPARE(mission::stockBlocks(entries[0], entries[1]), golden(goldenFile));
}

void TestDescriptionText::catalogue()
{
    const QStringList weapons = mission::weaponCatalogue(Edition::AddOn);
    const QStringList magazines = mission::magazineCatalogue(Edition::AddOn);
    QCOMPARE(weapons.size(), 45);
    QCOMPARE(magazines.size(), 83);

    // The base edition is the add-on edition without these, in the same order.
    const QString dashes = u"----------------"_s;
    QStringList baseWeapons = weapons;
    for (const char *name : {"FAL", "HKG3", "HuntingRifle", "UZI", "Beretta", "CZ75", "Glock",
                             "GlockS", "Ingram", "Revolver", "Skorpion", "Tokarev"})
        QVERIFY2(baseWeapons.removeOne(QLatin1StringView(name) + QString()), name);
    QVERIFY(baseWeapons.removeOne(dashes));
    QCOMPARE(mission::weaponCatalogue(Edition::Base), baseWeapons);
    QStringList baseMagazines = magazines;
    for (const char *name :
         {"FALMag", "HKG3Mag", "HuntingRifleMag", "UZIMag", "BerettaMag", "CZ75Mag", "GlockMag",
          "GlockSMag", "IngramMag", "RevolverMag", "SkorpionMag", "TokarevMag"})
        QVERIFY2(baseMagazines.removeOne(QLatin1StringView(name) + QString()), name);
    QVERIFY(baseMagazines.removeOne(dashes));
    QCOMPARE(mission::magazineCatalogue(Edition::Base), baseMagazines);

    QCOMPARE(weapons.constFirst(), u"6G30"_s);
    QCOMPARE(weapons.constLast(), u"NVGoggles"_s);
    QCOMPARE(magazines.constFirst(), u"6G30Magazine"_s);
    QCOMPARE(magazines.constLast(), u"ZuniLauncherOH"_s);
    // Only the separator before the vehicle ammunition is one dash shorter.
    QCOMPARE(weapons.filter(u"-"_s), QStringList(2, dashes));
    QCOMPARE(magazines.filter(u"-"_s), (QStringList{dashes, dashes, dashes.mid(1)}));
    QCOMPARE(magazines.indexOf(dashes.mid(1)), magazines.indexOf(u"AT3Launcher"_s) - 1);
}

QTEST_APPLESS_MAIN(TestDescriptionText)
#include "test_descriptiontext.moc"
