#include "campaign/description.h"
#include "campaign/missioncount.h"
#include "goldenfile.h"

#include <QTest>

using namespace Qt::StringLiterals;
using campaign::CampaignDescription;
using campaign::MissionEntry;

namespace {

QStringList lines(const QString &text)
{
    QStringList result = text.split(u"\r\n"_s);
    result.removeLast(); // what follows the final CR LF
    return result;
}

} // namespace

Q_DECLARE_METATYPE(campaign::MissionEntry)

class TestCampaignDescription : public QObject
{
    Q_OBJECT
private slots:
    void chainMatchesGolden_data();
    void chainMatchesGolden();
    void branchedMatchesGolden();
    void lineCount_data();
    void lineCount();
    void missionBlock_data();
    void missionBlock();
    void cancelledNames();
    void wholeCount_data();
    void wholeCount();
    void missionNumber_data();
    void missionNumber();
    void countReached_data();
    void countReached();
};

void TestCampaignDescription::chainMatchesGolden_data()
{
    QTest::addColumn<QString>("campaignName");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("island");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("file");
    QTest::newRow("one mission") << u"Neue Kampagne"_s << u"kampagne"_s << u"eden"_s
                                 << QStringList{u"Einsatz"_s} << u"chain_1.txt"_s;
    QTest::newRow("two missions, quote and blank")
        << u"Operation \"Sturm\""_s << u"sturm"_s << u"malden"_s
        << QStringList{u"m01_Landung"_s, u"m02 Brücke"_s} << u"chain_2.txt"_s;
}

void TestCampaignDescription::chainMatchesGolden()
{
    QFETCH(QString, campaignName);
    QFETCH(QString, folder);
    QFETCH(QString, island);
    QFETCH(QStringList, names);
    QFETCH(QString, file);
    QCOMPARE(
        campaign::buildDescription(campaign::chainedCampaign(campaignName, folder, island, names)),
        golden(file));
}

void TestCampaignDescription::branchedMatchesGolden()
{
    const QList<MissionEntry> missions = {
        {u"Start"_s, u"Sieg"_s, u"Flucht"_s, {}, {}, {}, {}, u"eden"_s},
        {u"Sieg"_s, {}, {}, {}, {}, {}, {}, u"kolgujev"_s},
        {u"Flucht"_s, u"Sieg"_s, {}, {}, {}, {}, {}, {}},
    };
    const CampaignDescription description{u"Zweiter Weg"_s, u"weg"_s, u"Start"_s, missions};
    const QString expected = golden(u"branched_3.txt"_s);
    QCOMPARE(campaign::buildDescription(description), expected);

    QStringList blocks;
    for (const MissionEntry &mission : missions)
        blocks.append(campaign::buildMissionBlock(mission));
    QCOMPARE(campaign::assembleDescription(u"Zweiter Weg"_s, u"weg"_s, u"Start"_s, blocks),
             expected);
}

void TestCampaignDescription::lineCount_data()
{
    QTest::addColumn<int>("missions");
    QTest::newRow("none") << 0;
    QTest::newRow("simple editor's most") << 30;
    QTest::newRow("extended editor's most") << 500;
}

void TestCampaignDescription::lineCount()
{
    QFETCH(int, missions);
    QStringList names;
    for (int k = 1; k <= missions; ++k)
        names.append(u"m"_s + QString::number(k));
    const QString text =
        campaign::buildDescription(campaign::chainedCampaign(u"K"_s, u"k"_s, u"eden"_s, names));

    QVERIFY(text.endsWith(u" };\r\n};\r\n"_s));
    QCOMPARE(text.count(u'\n'), 30 + 11 * missions + 2);
    QCOMPARE(text.count(u"\r\n"_s), text.count(u'\n'));
    QCOMPARE(text.count(u'\r'), text.count(u'\n'));
    if (missions > 1) {
        const QStringList all = lines(text);
        // Block k leads on to mission k + 1; the last one leads nowhere.
        QCOMPARE(all[32], u"   end1 = m2;"_s);
        QCOMPARE(all[30 + 11 * (missions - 1) + 2], u"   end1 = ;"_s);
    }
}

void TestCampaignDescription::missionBlock_data()
{
    QTest::addColumn<MissionEntry>("mission");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("all ends empty") << MissionEntry{u"m1"_s, {}, {}, {}, {}, {}, {}, u"eden"_s}
                                    << QStringList{u"  class m1: MissionDefault"_s,
                                                   u"  {"_s,
                                                   u"   end1 = ;"_s,
                                                   u"   end2 = ;"_s,
                                                   u"   end3 = ;"_s,
                                                   u"   end4 = ;"_s,
                                                   u"   end5 = ;"_s,
                                                   u"   end6 = ;"_s,
                                                   u"   lost = m1;"_s,
                                                   u"   template = m1.eden;"_s,
                                                   u"  };"_s};
    QTest::newRow("every end its own, blanks kept")
        << MissionEntry{u" Die Brücke "_s, u"a"_s,          u"b"_s, u"c"_s, u"d"_s, u"e"_s,
                        u"f g"_s,          u"Insel \"X\""_s}
        << QStringList{u"  class  Die Brücke : MissionDefault"_s,
                       u"  {"_s,
                       u"   end1 = a;"_s,
                       u"   end2 = b;"_s,
                       u"   end3 = c;"_s,
                       u"   end4 = d;"_s,
                       u"   end5 = e;"_s,
                       u"   end6 = f g;"_s,
                       u"   lost =  Die Brücke ;"_s,
                       u"   template =  Die Brücke .Insel \"X\";"_s,
                       u"  };"_s};
    QTest::newRow("empty island") << MissionEntry{u"m"_s, u"n"_s, {}, {}, {}, {}, {}, {}}
                                  << QStringList{u"  class m: MissionDefault"_s,
                                                 u"  {"_s,
                                                 u"   end1 = n;"_s,
                                                 u"   end2 = ;"_s,
                                                 u"   end3 = ;"_s,
                                                 u"   end4 = ;"_s,
                                                 u"   end5 = ;"_s,
                                                 u"   end6 = ;"_s,
                                                 u"   lost = m;"_s,
                                                 u"   template = m.;"_s,
                                                 u"  };"_s};
}

void TestCampaignDescription::missionBlock()
{
    QFETCH(MissionEntry, mission);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(campaign::buildMissionBlock(mission)), expected);
}

void TestCampaignDescription::cancelledNames()
{
    // Every input box cancelled: the chain still has its three blocks, all names empty.
    const QString text = campaign::buildDescription(
        campaign::chainedCampaign(u"K"_s, u"k"_s, u"eden"_s, QStringList(3)));
    QCOMPARE(text.count(u"  class : MissionDefault\r\n"_s), 3);
    QCOMPARE(text.count(u"   template = .eden;\r\n"_s), 3);
    QCOMPARE(text.count(u"   lost = ;\r\n"_s), 3);
    QVERIFY(text.contains(u"  firstMission = ;\r\n"_s));
}

void TestCampaignDescription::wholeCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -999: no count
    QTest::newRow("plain") << u"7"_s << 7;
    QTest::newRow("blanks around") << u" 7 "_s << 7;
    QTest::newRow("two and a half to even") << u"2,5"_s << 2;
    QTest::newRow("three and a half to even") << u"3,5"_s << 4;
    QTest::newRow("negative half to even") << u"-2,5"_s << -2;
    QTest::newRow("just above a half") << u"2,51"_s << 3;
    QTest::newRow("small fraction is zero") << u"0,4"_s << 0;
    QTest::newRow("negative") << u"-3"_s << -3;
    QTest::newRow("largest whole number") << u"2147483647"_s << 2147483647;
    QTest::newRow("empty") << QString() << -999;
    QTest::newRow("words") << u"drei"_s << -999;
    QTest::newRow("beyond whole numbers") << u"2147483648"_s << -999;
    QTest::newRow("huge") << u"1e300"_s << -999;
    QTest::newRow("hugely negative") << u"-1e300"_s << -999;
    QTest::newRow("nan") << u"nan"_s << -999;
    QTest::newRow("inf") << u"inf"_s << -999;
}

void TestCampaignDescription::wholeCount()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<int> count = campaign::readWholeCount(text, QLocale(QLocale::German));
    if (expected == -999)
        QVERIFY(!count);
    else
        QCOMPARE(count.value_or(-999), expected);
}

void TestCampaignDescription::missionNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("expected");
    QTest::newRow("fraction kept") << u"2,5"_s << true << 2.5;
    QTest::newRow("leading zero") << u"03"_s << true << 3.0;
    QTest::newRow("above the limit") << u"501"_s << true << 501.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("huge") << u"1e300"_s << false << 0.0;
    QTest::newRow("nan") << u"nan"_s << false << 0.0;
}

void TestCampaignDescription::missionNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, expected);
    const std::optional<double> number =
        campaign::readMissionNumber(text, QLocale(QLocale::German));
    QCOMPARE(number.has_value(), isNumber);
    if (number)
        QCOMPARE(*number, expected);
}

void TestCampaignDescription::countReached_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("collected");
    QTest::addColumn<bool>("reached");
    QTest::newRow("equal") << u"3"_s << 3 << true;
    QTest::newRow("not yet") << u"3"_s << 2 << false;
    QTest::newRow("leading zero") << u"03"_s << 3 << false;
    QTest::newRow("trailing blank") << u"3 "_s << 3 << false;
    QTest::newRow("fraction") << u"2,5"_s << 2 << false;
    QTest::newRow("negative") << u"-3"_s << 3 << false;
}

void TestCampaignDescription::countReached()
{
    QFETCH(QString, text);
    QFETCH(int, collected);
    QFETCH(bool, reached);
    QCOMPARE(campaign::countReached(text, collected), reached);
}

QTEST_GUILESS_MAIN(TestCampaignDescription)
#include "test_description.moc"
