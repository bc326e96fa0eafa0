#include "campaign/description.h"
#include "campaign/extendedcampaignmodel.h"
#include "support/steps.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Addition = campaign::ExtendedCampaignModel::Addition;

namespace {

// Fills in fields, then clicks "Alle Missionen eingeben" or "Hinzufügen".
void run(const Window &w, std::initializer_list<std::pair<QString, QString>> fields)
{
    for (const auto &[field, value] : fields)
        w.type(field, value);
    w.click(u"Command1"_s);
}

} // namespace

class TestCampaign : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void generator()
    {
        // Six different ends, the last one empty; quotes and blanks are written unchanged.
        const campaign::MissionEntry entry{u"m \"1\""_s, u"a"_s, u"b"_s, u"c"_s,
                                           u"d"_s,       u"e"_s, {},     u" insel "_s};
        QCOMPARE(campaign::buildMissionBlock(entry), golden(u"block_six_ends.txt"_s));
    }

    void simpleCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("asked"); // -1: refused
        QTest::newRow("two and a half is two") << u"2,5"_s << 2;
        QTest::newRow("three and a half is four") << u"3,5"_s << 4;
        QTest::newRow("thirty") << u"30"_s << 30;
        QTest::newRow("negative asks thirty") << u"-3"_s << 30;
        QTest::newRow("thirty-one refused") << u"31"_s << -1;
        QTest::newRow("zero") << u"0"_s << 0;
        QTest::newRow("no number") << u"zwei"_s << 0;
        QTest::newRow("huge") << u"1e300"_s << 0;
    }
    void simpleCount()
    {
        QFETCH(QString, count);
        QFETCH(int, asked);
        Program program;
        const Window w = program.open(app::Tool::SimpleCampaign);
        run(w, {{u"Text3"_s, count}}); // every box cancelled: empty names, one block each
        QCOMPARE(program.host.messageTexts(),
                 asked < 0 ? QStringList{u"Maximal 30 Missionen"_s} : QStringList());
        QCOMPARE(program.host.inputCalls.size(), std::max(asked, 0));
        if (asked > 0)
            QCOMPARE(program.host.inputCalls.last().prompt,
                     u"Bitte den Namen der %1. Mission eingeben"_s.arg(asked));
        QCOMPARE(w.text(u"Text5"_s).count(u"\r\n"_s), asked > 0 ? 30 + 11 * asked + 2 : 0);
    }

    void stories_data() { addStories(); }
    void stories() { playStory(); }

    void extendedCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("adds");
        QTest::addColumn<Addition>("last");
        QTest::addColumn<int>("missions"); // collected
        QTest::newRow("no number") << u"drei"_s << 1 << Addition::Ignored << 0;
        QTest::newRow("zero") << u"0,0"_s << 1 << Addition::Ignored << 0;
        QTest::newRow("one completes") << u"1"_s << 1 << Addition::Complete << 1;
        QTest::newRow("none after completion") << u"1"_s << 2 << Addition::Ignored << 1;
        QTest::newRow("500") << u"500"_s << 500 << Addition::Complete << 500;
        QTest::newRow("huge") << u"1e300"_s << 1 << Addition::Refused << 0;
        QTest::newRow("501") << u"501"_s << 1 << Addition::Refused << 0;
        QTest::newRow("just above 500") << u"500,5"_s << 1 << Addition::Refused << 0;
        // Counts that the number of missions, written out, never equals.
        QTest::newRow("leading zero") << u"03"_s << 6 << Addition::Added << 6;
        QTest::newRow("trailing blank") << u"3 "_s << 6 << Addition::Added << 6;
        QTest::newRow("negative") << u"-2"_s << 6 << Addition::Added << 6;
        QTest::newRow("hugely negative") << u"-5000000000"_s << 6 << Addition::Added << 6;
        QTest::newRow("fraction") << u"2,5"_s << 6 << Addition::Added << 6;
    }
    void extendedCount()
    {
        QFETCH(QString, count);
        QFETCH(int, adds);
        QFETCH(int, missions);
        campaign::ExtendedCampaignModel model;
        Addition last{};
        for (int k = 0; k < adds; ++k)
            last = model.add(count, {u"m"_s + QString::number(k), {}, {}, {}, {}, {}, {}, {}});
        QTEST(last, "last");
        QCOMPARE(model.missionCaption(),
                 model.complete() ? u"Fertig"_s : u"Name der %1. Mission"_s.arg(missions + 1));
        const QString description = model.description(u"K"_s, u"k"_s);
        QCOMPARE(description.count(u": MissionDefault"_s), missions);
        QVERIFY(!missions || description.contains(u"firstMission = m0;"_s));
    }
};

QTEST_MAIN(TestCampaign)
#include "test_campaign.moc"
