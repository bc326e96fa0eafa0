#include "core/codepage.h"
#include "tools/artillery.h"
#include "tools/bombdrop.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tools;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing golden file %s", qPrintable(name));
    return file.readAll();
}

// The bytes a script becomes on disk: code page 1252 and the one CR LF the writer adds.
QByteArray onDisk(const QString &script)
{
    return core::toCp1252(script) + "\r\n";
}
} // namespace

class ToolsGenerators : public QObject
{
    Q_OBJECT
private slots:
    void bombDrop_data();
    void bombDrop();
    void bombDropRefused_data();
    void bombDropRefused();

    void defaultPackage();
    void targetScript_data();
    void targetScript();
    void lowerMarkerNumber_data();
    void lowerMarkerNumber();
};

void ToolsGenerators::bombDrop_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("fallTime");
    QTest::addColumn<QStringList>("missing");

    const QStringList none;
    QTest::newRow("400 km/h, 100 m")
        << kGerman << u"400"_s << u"100"_s << u"501,69"_s << u"4,52"_s << none;
    QTest::newRow("300 km/h, 50 m")
        << kGerman << u"300"_s << u"50"_s << u"266,06"_s << u"3,19"_s << none;
    QTest::newRow("720 km/h, 1000 m")
        << kGerman << u"720"_s << u"1000"_s << u"2855,69"_s << u"14,28"_s << none;
    QTest::newRow("speed 0") << kGerman << u"0"_s << u"100"_s << u"0,00"_s << u"4,52"_s
                             << QStringList{kMissingSpeed};
    QTest::newRow("speed empty") << kGerman << u""_s << u"100"_s << u"0,00"_s << u"4,52"_s
                                 << QStringList{kMissingSpeed};
    QTest::newRow("height 0") << kGerman << u"400"_s << u"0"_s << u"0,00"_s << u"0,00"_s
                              << QStringList{kMissingHeight};
    QTest::newRow("height -0 counts as 0")
        << kGerman << u"400"_s << u"-0"_s << u"0,00"_s << u"0,00"_s << QStringList{kMissingHeight};
    QTest::newRow("both empty, speed first") << kGerman << u""_s << u" "_s << u"0,00"_s << u"0,00"_s
                                             << QStringList{kMissingSpeed, kMissingHeight};
    QTest::newRow("negative speed")
        << kGerman << u"-400"_s << u"100"_s << u"-501,69"_s << u"4,52"_s << none;
    QTest::newRow("decimal comma and group separator")
        << kGerman << u"720,0"_s << u"1.000"_s << u"2855,69"_s << u"14,28"_s << none;
    QTest::newRow("english locale")
        << kEnglish << u"400"_s << u"100"_s << u"501.69"_s << u"4.52"_s << none;
}

void ToolsGenerators::bombDrop()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, speed);
    QFETCH(QString, height);
    const BombDropOutcome outcome = evaluateBombDrop(speed, height, locale);
    QVERIFY(outcome.hasResult);
    QVERIFY(outcome.error.isEmpty());
    QTEST(outcome.distance, "distance");
    QTEST(outcome.fallTime, "fallTime");
    QTEST(outcome.missing, "missing");
}

void ToolsGenerators::bombDropRefused_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("error");

    QTest::newRow("speed text") << u"schnell"_s << u"100"_s << kSpeedNotNumber;
    QTest::newRow("speed with decimal point in German")
        << u"400.5.1"_s << u"100"_s << kSpeedNotNumber;
    QTest::newRow("speed inf") << u"inf"_s << u"100"_s << kSpeedNotNumber;
    QTest::newRow("speed beyond a double") << u"1e400"_s << u"100"_s << kSpeedNotNumber;
    QTest::newRow("both wrong, speed first") << u"x"_s << u"y"_s << kSpeedNotNumber;
    QTest::newRow("height nan") << u"400"_s << u"nan"_s << kHeightNotNumber;
    QTest::newRow("negative height") << u"400"_s << u"-100"_s << kNegativeHeight;
    QTest::newRow("negative height with speed 0") << u""_s << u"-1"_s << kNegativeHeight;
    QTest::newRow("height sum overflows") << u"400"_s << u"1e308"_s << kResultTooLarge;
    QTest::newRow("distance overflows") << u"1e308"_s << u"100"_s << kResultTooLarge;
    QTest::newRow("no 0 times infinity") << u"0"_s << u"1e308"_s << kResultTooLarge;
}

void ToolsGenerators::bombDropRefused()
{
    QFETCH(QString, speed);
    QFETCH(QString, height);
    const BombDropOutcome outcome = evaluateBombDrop(speed, height, kGerman);
    QTEST(outcome.error, "error");
    QVERIFY(!outcome.hasResult);
    QVERIFY(outcome.distance.isEmpty());
    QVERIFY(outcome.fallTime.isEmpty());
    QVERIFY(outcome.missing.isEmpty());
}

void ToolsGenerators::defaultPackage()
{
    const QList<ScriptFile> files = artilleryPackage(ArtillerySettings());
    QCOMPARE(files.size(), 4);
    const QStringList order{u"init.sqs"_s, u"markieren.sqs"_s, u"ziel.sqs"_s, u"schuss.sqs"_s};
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(files[i].name, order[i]);
        QCOMPARE(onDisk(files[i].text), golden(files[i].name));
    }
}

void ToolsGenerators::targetScript_data()
{
    QTest::addColumn<ArtillerySettings>("settings");
    QTest::addColumn<QString>("expected");

    ArtillerySettings typed;
    typed.type = u"Flag"_s;
    typed.colour = u"colorred"_s;
    typed.marker = u"1,5"_s;
    QTest::newRow("typed names and a fractional marker")
        << typed
        << u"\"_user_defined #0/1,5\" setmarkercolor \"colorred\"\r\n"
           u"\"_user_defined #0/1,5\" setmarkersize [4,4]\r\n"
           u"\"_user_defined #0/1,5\" setmarkertype \"Flag\"\r\n"
           u"~1\r\n"
           u"[\"_user_defined #0/1,5\", 50,50,50] exec \"schuss.sqs\"\r\n"_s;

    ArtillerySettings empty{QString(), QString(), u"-1"_s,  QString(),
                            QString(), QString(), QString()};
    QTest::newRow("empty fields leave gaps")
        << empty
        << u"\"_user_defined #0/-1\" setmarkercolor \"\"\r\n"
           u"\"_user_defined #0/-1\" setmarkersize [,]\r\n"
           u"\"_user_defined #0/-1\" setmarkertype \"\"\r\n"
           u"~1\r\n"
           u"[\"_user_defined #0/-1\", ,,] exec \"schuss.sqs\"\r\n"_s;

    ArtillerySettings spread{u"ColorBlue"_s, u"Dot"_s, u"2"_s,     u" 2.5"_s,
                             u"10"_s,        u"20"_s,  u"\"30\""_s};
    QTest::newRow("every field in its place, unchanged")
        << spread
        << u"\"_user_defined #0/2\" setmarkercolor \"ColorBlue\"\r\n"
           u"\"_user_defined #0/2\" setmarkersize [ 2.5, 2.5]\r\n"
           u"\"_user_defined #0/2\" setmarkertype \"Dot\"\r\n"
           u"~1\r\n"
           u"[\"_user_defined #0/2\", 10,20,\"30\"] exec \"schuss.sqs\"\r\n"_s;
}

void ToolsGenerators::targetScript()
{
    QFETCH(ArtillerySettings, settings);
    QTEST(tools::targetScript(settings), "expected");
    // The firing script takes its settings from ziel.sqs at run time, never from the fields.
    QCOMPARE(onDisk(artilleryPackage(settings).at(3).text), golden(u"schuss.sqs"_s));
}

void ToolsGenerators::lowerMarkerNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lowered"); // null: refused

    QTest::newRow("1") << kGerman << u"1"_s << u"0"_s;
    QTest::newRow("3") << kGerman << u"3"_s << u"2"_s;
    QTest::newRow("0 gives -1") << kGerman << u"0"_s << u"-1"_s;
    QTest::newRow("German fraction") << kGerman << u"2,5"_s << u"1,5"_s;
    QTest::newRow("English fraction") << kEnglish << u"2.5"_s << u"1.5"_s;
    QTest::newRow("no binary noise") << kGerman << u"1,1"_s << u"0,1"_s;
    QTest::newRow("blanks around") << kGerman << u" 7 "_s << u"6"_s;
    QTest::newRow("large, no group separator") << kGerman << u"12.345"_s << u"12344"_s;
    QTest::newRow("empty") << kGerman << u""_s << QString();
    QTest::newRow("text") << kGerman << u"eins"_s << QString();
    QTest::newRow("decimal point in German") << kGerman << u"2.5"_s << QString();
    QTest::newRow("beyond a double") << kGerman << u"1e999"_s << QString();
}

void ToolsGenerators::lowerMarkerNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, lowered);
    const std::optional<QString> result = tools::lowerMarkerNumber(text, locale);
    if (lowered.isNull())
        QVERIFY(!result);
    else
        QCOMPARE(result.value_or(u"(refused)"_s), lowered);
}

QTEST_APPLESS_MAIN(ToolsGenerators)
#include "test_generators.moc"
