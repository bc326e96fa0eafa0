#include "campaign/description.h"
#include "goldenfile.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCampaignDescription : public QObject
{
    Q_OBJECT
private slots:
    void chainMatchesGolden_data();
    void chainMatchesGolden();
    void lineCount_data();
    void lineCount();
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
    QCOMPARE(text.count(u"\r\n"_s), 30 + 11 * missions + 2);
    QCOMPARE(text.count(u'\n'), text.count(u'\r'));
    if (missions > 1) {
        // Each mission leads on to the next; the last one leads nowhere.
        QVERIFY(text.contains(u"  class m1: MissionDefault\r\n  {\r\n   end1 = m2;\r\n"_s));
        QVERIFY(text.contains(
            u"  class m%1: MissionDefault\r\n  {\r\n   end1 = ;\r\n"_s.arg(missions)));
    }
}

QTEST_GUILESS_MAIN(TestCampaignDescription)
#include "test_description.moc"
