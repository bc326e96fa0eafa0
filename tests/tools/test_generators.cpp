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
const QString kRefused = QStringLiteral("(refused)");

// A script as it lies on disk: code page 1252 and the one CR LF the writer adds.
QByteArray onDisk(const QString &script)
{
    return core::toCp1252(script) + "\r\n";
}

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class ToolsGenerators : public QObject
{
    Q_OBJECT
private slots:
    void bombDrop_data();
    void bombDrop();
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
    QTest::addColumn<QString>("results"); // distance | time, or the refusal
    QTest::addColumn<QStringList>("missing");

    const QStringList none, speed{kMissingSpeed}, height{kMissingHeight};
    auto row = [](const char *name, const QString &v, const QString &h, const QString &results,
                  const QStringList &missing, const QLocale &locale = kGerman) {
        QTest::newRow(name) << locale << v << h << results << missing;
    };
    row("400 km/h, 100 m", u"400"_s, u"100"_s, u"501,69 | 4,52"_s, none);
    row("300 km/h, 50 m", u"300"_s, u"50"_s, u"266,06 | 3,19"_s, none);
    row("720 km/h, 1000 m", u"720"_s, u"1000"_s, u"2855,69 | 14,28"_s, none);
    row("speed 0", u"0"_s, u"100"_s, u"0,00 | 4,52"_s, speed);
    row("speed empty", u""_s, u"100"_s, u"0,00 | 4,52"_s, speed);
    row("height -0 counts as 0", u"400"_s, u"-0"_s, u"0,00 | 0,00"_s, height);
    row("both empty, speed first", u""_s, u" "_s, u"0,00 | 0,00"_s, speed + height);
    row("negative speed", u"-400"_s, u"100"_s, u"-501,69 | 4,52"_s, none);
    row("group separator", u"720,0"_s, u"1.000"_s, u"2855,69 | 14,28"_s, none);
    row("English locale", u"400"_s, u"100"_s, u"501.69 | 4.52"_s, none, kEnglish);
    // Refused: no results and no missing-entry messages, whatever the other field holds.
    row("speed text", u"schnell"_s, u""_s, kSpeedNotNumber, none);
    row("speed beyond a double", u"1e400"_s, u"100"_s, kSpeedNotNumber, none);
    row("height nan", u"400"_s, u"nan"_s, kHeightNotNumber, none);
    row("negative height", u""_s, u"-1"_s, kNegativeHeight, none);
    row("height sum overflows", u"400"_s, u"1e308"_s, kResultTooLarge, none);
    row("distance overflows", u"1e308"_s, u"100"_s, kResultTooLarge, none);
    row("no 0 times infinity", u"0"_s, u"1e308"_s, kResultTooLarge, none);
}

void ToolsGenerators::bombDrop()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, speed);
    QFETCH(QString, height);
    const BombDropOutcome outcome = evaluateBombDrop(speed, height, locale);
    QCOMPARE(outcome.hasResult, outcome.error.isEmpty());
    QCOMPARE(outcome.hasResult, !outcome.distance.isEmpty() && !outcome.fallTime.isEmpty());
    QTEST(outcome.hasResult ? outcome.distance + u" | "_s + outcome.fallTime : outcome.error,
          "results");
    QTEST(outcome.missing, "missing");
}

void ToolsGenerators::defaultPackage()
{
    const QList<ScriptFile> files = artilleryPackage(ArtillerySettings());
    QStringList names;
    for (const ScriptFile &file : files) {
        names.append(file.name);
        QCOMPARE(onDisk(file.text), golden(file.name));
    }
    QCOMPARE(names,
             (QStringList{u"init.sqs"_s, u"markieren.sqs"_s, u"ziel.sqs"_s, u"schuss.sqs"_s}));
}

void ToolsGenerators::targetScript_data()
{
    QTest::addColumn<ArtillerySettings>("settings");
    QTest::addColumn<QString>("expected");

    QTest::newRow("typed names, fractional marker")
        << ArtillerySettings{u"colorred"_s, u"Flag"_s, u"1,5"_s,   u" 2.5"_s,
                             u"10"_s,       u"20"_s,   u"\"30\""_s}
        << u"\"_user_defined #0/1,5\" setmarkercolor \"colorred\"\r\n"
           u"\"_user_defined #0/1,5\" setmarkersize [ 2.5, 2.5]\r\n"
           u"\"_user_defined #0/1,5\" setmarkertype \"Flag\"\r\n"
           u"~1\r\n"
           u"[\"_user_defined #0/1,5\", 10,20,\"30\"] exec \"schuss.sqs\"\r\n"_s;
    QTest::newRow("empty fields leave gaps")
        << ArtillerySettings{{}, {}, u"-1"_s, {}, {}, {}, {}}
        << u"\"_user_defined #0/-1\" setmarkercolor \"\"\r\n"
           u"\"_user_defined #0/-1\" setmarkersize [,]\r\n"
           u"\"_user_defined #0/-1\" setmarkertype \"\"\r\n"
           u"~1\r\n"
           u"[\"_user_defined #0/-1\", ,,] exec \"schuss.sqs\"\r\n"_s;
}

void ToolsGenerators::targetScript()
{
    QFETCH(ArtillerySettings, settings);
    QTEST(tools::targetScript(settings), "expected");
    // The firing script gets its settings from ziel.sqs at run time, never from the fields.
    QCOMPARE(onDisk(artilleryPackage(settings).at(3).text), golden(u"schuss.sqs"_s));
}

void ToolsGenerators::lowerMarkerNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lowered");

    QTest::newRow("1") << kGerman << u"1"_s << u"0"_s;
    QTest::newRow("0 gives -1") << kGerman << u"0"_s << u"-1"_s;
    QTest::newRow("German fraction") << kGerman << u" 2,5 "_s << u"1,5"_s;
    QTest::newRow("English fraction") << kEnglish << u"2.5"_s << u"1.5"_s;
    QTest::newRow("no binary noise") << kGerman << u"1,1"_s << u"0,1"_s;
    QTest::newRow("no group separator") << kGerman << u"12.345"_s << u"12344"_s;
    QTest::newRow("empty") << kGerman << u""_s << kRefused;
    QTest::newRow("text") << kGerman << u"eins"_s << kRefused;
    QTest::newRow("beyond a double") << kGerman << u"1e999"_s << kRefused;
}

void ToolsGenerators::lowerMarkerNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, lowered);
    QCOMPARE(tools::lowerMarkerNumber(text, locale).value_or(kRefused), lowered);
}

QTEST_APPLESS_MAIN(ToolsGenerators)
#include "test_generators.moc"
