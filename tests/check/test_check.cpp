#include "../support/golden.h"
#include "campaign/description.h"
#include "check/descriptionfile.h"
#include "check/descriptionmerge.h"
#include "check/diagnostics.h"
#include "editor/snippets.h"
#include "mission/catalogue.h"
#include "mission/descriptiontext.h"
#include "tools/artillery.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/mount.h>

using namespace Qt::StringLiterals;
using check::Language;

namespace {

const auto kSqs = Language::Sqs;
const auto kConfig = Language::Config;

// "line:column E|W" for each diagnostic, to compare against a table.
QStringList places(const QList<check::Diagnostic> &diagnostics)
{
    QStringList out;
    for (const check::Diagnostic &d : diagnostics)
        out.append(u"%1:%2 %3"_s.arg(d.line).arg(d.column).arg(
            d.severity == check::Severity::Error ? u"E"_s : u"W"_s));
    return out;
}

// Sorted, and every place lies inside the text.
bool wellPlaced(const QList<check::Diagnostic> &diagnostics, const QString &text)
{
    const int lines = int(text.count(u'\n') + text.count(u'\r') + text.count(QChar(0x2029))) + 1;
    for (qsizetype i = 0; i < diagnostics.size(); ++i) {
        const check::Diagnostic &d = diagnostics[i];
        if (d.line < 1 || d.line > lines || d.column < 1 || d.column > text.size() + 1 ||
            d.message.isEmpty())
            return false;
        if (i > 0 && std::pair(diagnostics[i - 1].line, diagnostics[i - 1].column) >
                         std::pair(d.line, d.column))
            return false;
    }
    return true;
}

QString weaponsOf(mission::Edition edition, bool magazines)
{
    QString entries;
    const QStringList names =
        magazines ? mission::magazineCatalogue(edition) : mission::weaponCatalogue(edition);
    for (const QString &name : names) {
        if (!name.startsWith(u'-')) // the lists' dividers are no classes
            entries += mission::stockEntry(name, QString::number(entries.size() % 7 + 1));
    }
    return entries;
}

QString sounds(int count)
{
    QString entries;
    for (int n = 1; n <= count; ++n)
        entries += mission::soundEntry(n, u"sound"_s, u"funk_%1"_s.arg(n));
    return mission::soundBlock(count, entries);
}

campaign::CampaignDescription freeCampaign()
{
    campaign::CampaignDescription description{u"Operation Nordwind"_s, u"Nordwind"_s, u"m01"_s, {}};
    description.missions = {
        {u"m01"_s, u"m02"_s, u"m03"_s, {}, {}, {}, {}, u"eden"_s},
        {u"m02"_s, u"m03"_s, u"m01"_s, u"m02"_s, {}, {}, u"m03"_s, u"kolgujev"_s},
        {u"m03"_s, {}, {}, {}, {}, {}, {}, u"eden"_s},
    };
    return description;
}

} // namespace

class TestCheck : public QObject
{
    Q_OBJECT

private slots:
    void diagnostics_data();
    void diagnostics();
    void generatedTextsAreClean_data();
    void generatedTextsAreClean();
    void guessLanguage_data();
    void guessLanguage();
    void merge_data();
    void merge();
    void badInput_data();
    void badInput();
    void descriptionFile_data();
    void descriptionFile();
    void randomText();
};

void TestCheck::diagnostics_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // "line:column E|W", then a word of the message

    QTest::newRow("sqs: condition without colon")
        << kSqs << u"? _a > 1 goto \"x\""_s << QStringList{u"1:1 E"_s};
    QTest::newRow("sqs: goto a missing label, labels found regardless of case")
        << kSqs << u"#Start\n~1\ngoto \"start\"\ngoto \"ende\""_s << QStringList{u"4:1 E ende"_s};
    QTest::newRow("sqs: string open at the line end, where it opens")
        << kSqs << u"hint \"a\"\"b\n_x = 1"_s << QStringList{u"1:6 E"_s};
    QTest::newRow("sqs: brackets within a line, strings left out")
        << kSqs << u"_a = [1, (2]\n_b = (1\n_c = 2)\n_d = \"(\" + {[]}"_s
        << QStringList{u"1:12 E"_s, u"2:6 E"_s, u"3:7 E"_s};
    QTest::newRow("sqs: waits with nothing after them")
        << kSqs << u"~\n& \n@\t\n~0.5"_s << QStringList{u"1:1 E"_s, u"2:1 E"_s, u"3:1 E"_s};
    QTest::newRow("sqs: a line over 4096 characters")
        << kSqs << QString(4096, u'x') + u'\n' + QString(4097, u'x')
        << QStringList{u"2:4097 E 4097"_s};
    QTest::newRow("sqs: label twice, at the second")
        << kSqs << u"#a\n~1\n  #A\ngoto \"a\""_s << QStringList{u"3:3 W a"_s};
    QTest::newRow("sqs: a comment after a label is part of its name")
        << kSqs << u"#weiter ; zurueck\n~1\ngoto \"weiter\""_s
        << QStringList{u"1:9 W weiter ; zurueck"_s, u"3:1 E weiter"_s};
    QTest::newRow("sqs: first colon inside a string")
        << kSqs << u"? _t == \"12:00\" : hint \"Mittag\""_s << QStringList{u"1:12 W"_s};
    QTest::newRow("sqs: loops need a ~ or @ between label and goto, & is not enough")
        << kSqs
        << u"#a\nhint \"x\"\ngoto \"a\"\n#b\n@alive p\ngoto \"b\"\n#c\n&10\n?x: goto \"c\""_s
        << QStringList{u"3:1 W a"_s, u"9:5 W c"_s};
    QTest::newRow("sqs: a jump forward is no loop")
        << kSqs << u"goto \"ende\"\nhint \"x\"\n#ende"_s << QStringList{};
    QTest::newRow("sqs: a config class in a script")
        << kSqs << u"class CfgSounds"_s << QStringList{u"1:1 W"_s};
    QTest::newRow("sqs: comments and strings hide jumps and brackets")
        << kSqs << u"; goto \"nirgends\" (\n  hint \"goto \"\"x\"\" ]\"\n_classic = 1"_s
        << QStringList{};
    QTest::newRow("sqs: every kind of line end")
        << kSqs << u"#a\r~1\r\ngoto \"b\"\u2029? x\ngoto \"A\""_s
        << QStringList{u"3:1 E b"_s, u"4:1 E"_s};
    QTest::newRow("sqs: paratroopers without a pause")
        << kSqs << editor::paratrooperScript({u"Kommander"_s, u"Heli"_s, {}})
        << QStringList{u"8:1 E"_s, u"9:8 W Start"_s};

    QTest::newRow("config: missing semicolons are tolerated with a warning")
        << kConfig << u"class A\n{\n x = 1\n y = \"z\" // c\n}\nclass B {};"_s
        << QStringList{u"3:7 W x"_s, u"4:9 W y"_s, u"5:2 W A"_s};
    QTest::newRow("config: unclosed class, at the class's line")
        << kConfig << u"class A {\n class B {\n  x = 1;\n };\n"_s << QStringList{u"1:1 E A"_s};
    QTest::newRow("config: a brace too many")
        << kConfig << u"class A {};\n};\nx = 1;"_s << QStringList{u"2:1 E"_s};
    QTest::newRow("config: line end and file end inside a string")
        << kConfig << u"x = \"ab\ny = 1;\nz[] = {\"a\", \"b"_s
        << QStringList{u"1:5 E"_s, u"3:1 E z[]"_s, u"3:13 E"_s};
    QTest::newRow("config: two members of one name, regardless of case or kind")
        << kConfig << u"x = 1;\nX[] = {};\nclass x {};\nclass A { x = 1; };"_s
        << QStringList{u"2:1 E X"_s, u"3:1 E x"_s};
    QTest::newRow("config: a base must be defined before, here or further out")
        << kConfig
        << u"class A : B {};\nclass B {};\nclass C { class D : B {}; };\nclass E : D {};"_s
        << QStringList{u"1:11 E B"_s, u"4:11 E D"_s};
    QTest::newRow("config: a list member without a list")
        << kConfig << u"a[] = 1;\nb[] =\n;\nc[] =\n {1};\nC = 2;"_s
        << QStringList{u"1:7 E a[]"_s, u"2:6 E b[]"_s, u"6:1 E C"_s};
    QTest::newRow("config: text after a value") << kConfig << u"a = \"x\" y;\nb = c, d;\nz = 1;"_s
                                                << QStringList{u"1:9 E a"_s, u"2:6 E b"_s};
    QTest::newRow("config: neither class nor member, and one error for a broken head")
        << kConfig << u"=5;\nclass A {\n hallo\n class \n {\n  count = 1;\n };\n};"_s
        << QStringList{u"1:1 E"_s, u"3:2 E hallo"_s, u"4:2 E"_s};
    QTest::newRow("config: a list without [] is read as one string")
        << kConfig << u"a = {1, 2};\nb[] = {1 {2}};\nc[] = {1, 2;\nd = 1;"_s
        << QStringList{u"1:5 W a"_s, u"2:10 E b[]"_s, u"3:12 E c[]"_s};
    QTest::newRow("config: preprocessor lines, comments, declarations and odd layout")
        << kConfig
        << u"#define X \\\n  Y\n// c\n/* a\n b */ x = 1; // c\nclass A;\nclass B: A\n{};\n"
           u"class A{ empty = ;  u = \\s\\a.ogg; };"_s
        << QStringList{};
    QTest::newRow("config: sound list against the classes of CfgSounds")
        << kConfig
        << u"class CfgSounds {\n sounds[] = {a};\n tracks[] = {\"x\", o};\n o[] = {1};\n"
           u" class A { sound[] = {s,1,1}; };\n class c { sound[] = {s, 1}; };\n};\n"
           u"class CfgRadio { sounds[] = {q}; };"_s
        << QStringList{u"3:2 W x"_s, u"3:2 W o"_s, u"6:2 W c"_s, u"6:12 W sound"_s};
    QTest::newRow("config: an empty count in the stock blocks")
        << kConfig << mission::stockBlocks(mission::stockEntry(u"AK74"_s, {}), {})
        << QStringList{u"6:3 W AK74"_s};
    QTest::newRow("config: two identity blocks are one class twice")
        << kConfig
        << editor::identityBlock({u"Max"_s, u"Dan"_s, u"None"_s, u"Face3"_s, u"1.0"_s}).repeated(2)
        << QStringList{u"12:1 E CfgIdentities"_s};
}

void TestCheck::diagnostics()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const QList<check::Diagnostic> found = check::diagnose(text, language);
    QStringList wanted;
    for (const QString &row : std::as_const(expected))
        wanted.append(row.section(u' ', 0, 1));
    QCOMPARE(places(found), wanted);
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString named = expected[i].section(u' ', 2);
        QVERIFY2(found[i].message.contains(named), qPrintable(found[i].message));
    }
}

void TestCheck::generatedTextsAreClean_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("text");

    using namespace editor;
    const ActionEntry action{u"ID"_s, u"Einheit"_s, u"Text"_s, u"Script.sqs"_s};
    const CreateUnit unit{u"Name"_s, u"Typ"_s, u"X-Achse"_s, u"Y-Achse"_s};
    QTest::newRow("panels, defaults")
        << kSqs
        << actionEntryLine(action) + ifStatementLine(u"Bedingung"_s, u"Befehl"_s) +
               createUnitLine(unit) + objectHeightLine(u"Name"_s, u"Höhe"_s) +
               paratrooperScript({u"Kommander"_s, u"Helikopter"_s, u"2"_s});
    QTest::newRow("panels, typical values")
        << kSqs
        << actionEntryLine({u"aktion1"_s, u"player"_s, u"Funk \"Alpha\""_s, u"funk.sqs"_s}) +
               ifStatementLine(u"alive pilot && (speed heli < 10)"_s, u"heli land \"LAND\""_s) +
               createUnitLine({u"tank1"_s, u"T72"_s, u"(getpos p select 0) + 5"_s, u"2500"_s}) +
               objectHeightLine(u"kiste"_s, u"12.5"_s) +
               paratrooperScript({u"leader1"_s, u"chopper"_s, u"0.8"_s});
    QTest::newRow("sounds, 1") << kConfig << sounds(1);
    QTest::newRow("weapons and magazines, every catalogue entry of the add-on edition")
        << kConfig
        << mission::stockBlocks(weaponsOf(mission::Edition::AddOn, false),
                                weaponsOf(mission::Edition::AddOn, true));
    QTest::newRow("weapons and magazines, nothing added")
        << kConfig << mission::stockBlocks({}, {});
    QTest::newRow("campaign, chain of 3")
        << kConfig
        << campaign::buildDescription(campaign::chainedCampaign(
               u"Rote Erde"_s, u"RoteErde"_s, u"eden"_s, {u"m1"_s, u"m2"_s, u"Einsatz_3"_s}));
    QTest::newRow("one description.ext of every tool; a free campaign, several islands")
        << kConfig
        << identityBlock({u"Miller"_s, u"Dan"_s, u"None"_s, u"Face12"_s, u"1.05"_s}) + sounds(3) +
               u"\r\n"_s + mission::stockBlocks(weaponsOf(mission::Edition::Base, false), {}) +
               u"\r\n"_s + campaign::buildDescription(freeCampaign());

    tools::ArtillerySettings typical;
    typical.colour = u"ColorRed"_s;
    typical.type = u"Marker"_s;
    typical.marker = u"2"_s;
    typical.size = u"1.5"_s;
    typical.radiusX = u"120"_s;
    typical.shots = u"20"_s;
    for (const auto &settings : {tools::ArtillerySettings{}, typical}) {
        for (const tools::ScriptFile &file : tools::artilleryPackage(settings))
            QTest::addRow("artillery %s, %s", qPrintable(file.name), qPrintable(settings.colour))
                << kSqs << file.text;
    }
}

// The program's own texts from ordinary input must not be reported at all.
void TestCheck::generatedTextsAreClean()
{
    QFETCH(Language, language);
    QFETCH(QString, text);
    const QList<check::Diagnostic> found = check::diagnose(text, language);
    QVERIFY2(found.isEmpty(), qPrintable(places(found).join(u", "_s) + u": "_s +
                                         (found.isEmpty() ? QString() : found[0].message)));
}

void TestCheck::guessLanguage_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Language>("language");

    QTest::newRow("script by extension") << u"C:/m/INIT.SQS"_s << u"class A {};"_s << kSqs;
    QTest::newRow("description by extension") << u"description.Ext"_s << u"_a = 1"_s << kConfig;
    QTest::newRow("header") << u"/x/sounds.hpp"_s << QString() << kConfig;
    QTest::newRow("h") << u"a.H"_s << QString() << kConfig;
    QTest::newRow("cpp") << u"a.cpp"_s << QString() << kConfig;
    QTest::newRow("first real line is a class")
        << u"notes.txt"_s << u"\r\n  ; alt\n// neu\n\tclass CfgSounds"_s << kConfig;
    QTest::newRow("first real line is a command")
        << QString() << u"\n_a = 1\nclass A {};"_s << kSqs;
    QTest::newRow("a word that starts like class") << QString() << u"classic = 1;"_s << kSqs;
    QTest::newRow("a folder with a dot") << u"/m/a.ext/readme"_s << u"hint \"x\""_s << kSqs;
    QTest::newRow("nothing at all") << QString() << QString() << kSqs;
}

void TestCheck::guessLanguage()
{
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    QFETCH(Language, language);
    QCOMPARE(check::guessLanguage(fileName, text), language);
}

void TestCheck::merge_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("generated");
    QTest::addColumn<int>("errorLine"); // 0: merged; -1: refused for the generated text

    // data/merge_<name>.before, and .after when it merges. Each merge is done twice.
    QTest::newRow("comments, other classes, odd layout, LF")
        << u"layout_lf"_s << u"sounds_and_weapons"_s << 0;
    QTest::newRow("no final line end") << u"no_final_line_end"_s << u"magazines"_s << 0;
    QTest::newRow("ends in an empty line, a one-line class takes the first line end away")
        << u"empty_line_at_end"_s << u"campaign"_s << 0;
    QTest::newRow("empty file") << u"empty"_s << u"campaign"_s << 0;
    QTest::newRow("class in another case, replaced in place, the first line end decides")
        << u"other_case"_s << u"sounds"_s << 0;
    QTest::newRow("config error in the file") << u"config_error"_s << u"sounds"_s << 4;
    QTest::newRow("merged file would break a base") << u"base_after_use"_s << u"campaign"_s << -1;
}

void TestCheck::merge()
{
    QFETCH(QString, name);
    QFETCH(QString, generated);
    QFETCH(int, errorLine);
    const QString before = golden(u"merge_%1.before"_s.arg(name));
    const QString part = golden(generated + u".generated"_s);
    const check::MergeResult result = check::mergeDescription(before, part);
    if (errorLine != 0) {
        QVERIFY(!result.ok);
        QVERIFY(result.text.isEmpty());
        QCOMPARE(result.errorLine, std::max(errorLine, 0));
        QVERIFY(!result.error.isEmpty());
        return;
    }
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.text, golden(u"merge_%1.after"_s.arg(name)));
    const check::MergeResult again = check::mergeDescription(result.text, part);
    QVERIFY(again.ok);
    QCOMPARE(again.text, result.text);
}

void TestCheck::badInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("soundConfig"); // a description.ext without an error

    QByteArray garbage(20000, '\0');
    QRandomGenerator random(7);
    for (char &byte : garbage)
        byte = char(random.bounded(256));
    QTest::newRow("binary garbage") << QString::fromLatin1(garbage) << false;
    QTest::newRow("NUL characters") << u"class A\0{ x = \0; }\0;\0#\0\"\0"_s << false;
    QTest::newRow("100 000 characters on one line") << QString(100000, u'(') + u"\"{#"_s << false;
    QTest::newRow("10 000 nested classes") << u"class a {\n"_s.repeated(10000) << false;
    QTest::newRow("10 000 nested classes, closed")
        << u"class a {"_s.repeated(10000) + u"};"_s.repeated(10000) << true;
    QTest::newRow("10 000 nested lists") << u"a[] = "_s + QString(10000, u'{') << false;
    QTest::newRow("10 000 nested lists, closed")
        << u"a[] = "_s + QString(10000, u'{') + QString(10000, u'}') + u';' << true;
    QTest::newRow("10 000 closing braces") << QString(10000, u'}') << false;
    QTest::newRow("quotes everywhere")
        << u"\"a = \"\"\n\"\"\"{\"}\"\n? \":\"\n#\"\nclass \"x\""_s.repeated(500) << false;
    QTest::newRow("comments that never end") << u"/* x\n#define \\\n"_s.repeated(300) << false;
}

// Any text gives an answer, never a crash, a hang or an exhausted stack.
void TestCheck::badInput()
{
    QFETCH(QString, text);
    QFETCH(bool, soundConfig);
    for (const Language language : {kSqs, kConfig})
        QVERIFY(wellPlaced(check::diagnose(text, language), text));
    QCOMPARE(check::diagnose(text, kConfig).isEmpty(), soundConfig);
    const check::MergeResult merged = check::mergeDescription(text, sounds(1));
    QCOMPARE(merged.ok, soundConfig);
    if (merged.ok)
        QCOMPARE(check::mergeDescription(merged.text, sounds(1)).text, merged.text);
    else
        QVERIFY(merged.errorLine >= 1);
    if (!soundConfig)
        QVERIFY(!check::mergeDescription(u"class B {};"_s, text).ok);
}

void TestCheck::descriptionFile_data()
{
    QTest::addColumn<QByteArray>("tmpfs"); // mount options; none: an ordinary folder
    QTest::addColumn<int>("megabytes");    // of the file before
    QTest::addColumn<bool>("written");
    QTest::newRow("50 MB with bytes above 127") << QByteArray() << 50 << true;
    QTest::newRow("disk full") << QByteArray("size=1m") << 0 << false;
}

// A big file in Windows-1252 is merged keeping every byte; on a full disk nothing changes,
// and nothing is left beside the file.
void TestCheck::descriptionFile()
{
    QFETCH(QByteArray, tmpfs);
    QFETCH(int, megabytes);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (!tmpfs.isEmpty() &&
        ::mount("tmpfs", folder.constData(), "tmpfs", 0, tmpfs.constData()) != 0)
        QSKIP(qPrintable(u"mounting a small tmpfs is not permitted here: "_s +
                         QString::fromLocal8Bit(strerror(errno))));
    const auto unmount = qScopeGuard([&] {
        if (!tmpfs.isEmpty())
            ::umount2(folder.constData(), MNT_DETACH);
    });

    QByteArray before = "class CfgMusic { tracks[] = {}; };\r\n";
    const QByteArray comment = "// Gr\xF6\xDF"
                               "e \x84Nordwind\x93 \x96 \x80 \xE4\xF6\xFC\r\n";
    before.reserve(megabytes << 20);
    while (before.size() < (qsizetype(megabytes) << 20) || before.size() < 300000)
        before += comment;
    const QString path = dir.filePath(check::kDescriptionFile);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    if (!written) {
        QFile filler(dir.filePath(u"filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush())
            ;
    }
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);

    const check::DescriptionWrite done = check::writeIntoDescription(dir.path(), sounds(2));
    QCOMPARE(done.written(), written);
    if (!written) {
        QCOMPARE(done.result, check::DescriptionWrite::Result::Failed);
        QVERIFY(done.text.contains(u"Es wurde nichts geschrieben."_s));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        return;
    }
    // After the file's last line end: one empty line, then the class with a line end.
    const QByteArray after = before + "\r\n" + sounds(2).toLatin1() + "\r\n";
    QVERIFY(fileBytes(path) == after);
    QVERIFY(fileBytes(dir.filePath(check::kDescriptionBackup)) == before);
}

// Random files of pieces the test knows, merged with a generated text: the merge must keep
// each piece but the replaced classes.
void TestCheck::randomText()
{
    QRandomGenerator random(20240601);
    QStringList names{u"CfgSounds"_s, u"Weapons"_s, u"CfgMusic"_s, u"Magazines"_s,
                      u"CfgIdentities"_s};
    const QStringList others{u"// ein Kommentar ä"_s,
                             u"/* über\nzwei Zeilen */"_s,
                             u"#include \"sounds.hpp\""_s,
                             QString(),
                             u"wert%1 = 3"_s,
                             u"titel%1 = \"a \"\"b\"\"\";"_s,
                             u"liste%1[] = {1, \"x\", {2}};"_s};
    const QString generatedSounds = u"class CfgSounds\n{\n};"_s;
    const QString generatedWeapons = u"class Weapons\n{\n class AK74 { count = 2; };\n};"_s;
    const QString generated = QString(generatedSounds + u"\n\n"_s + generatedWeapons + u"\n"_s)
                                  .replace(u"\n"_s, u"\r\n"_s);
    const QStringList lineEnds{u"\n"_s, u"\r\n"_s, u"\r"_s};
    for (int round = 0; round < 200; ++round) {
        QString before;
        QString kept;
        QStringList unused = names;
        const int pieces = random.bounded(8);
        for (int i = 0; i < pieces; ++i) {
            QString piece = QString(others[random.bounded(int(others.size()))])
                                .replace(u"%1"_s, QString::number(i));
            QString becomes = piece;
            if (const int pick = random.bounded(int(unused.size()) + 2); pick < unused.size()) {
                QString name = unused.takeAt(pick);
                if (random.bounded(2))
                    name = name.toUpper();
                piece = u"class %1%2{ x = 1; }%3"_s.arg(name, random.bounded(2) ? u"\n"_s : u" "_s,
                                                        random.bounded(2) ? u";"_s : QString());
                becomes = name.compare(u"CfgSounds"_s, Qt::CaseInsensitive) == 0 ? generatedSounds
                          : name.compare(u"Weapons"_s, Qt::CaseInsensitive) == 0 ? generatedWeapons
                                                                                 : piece;
            }
            const bool ended = i + 1 < pieces || random.bounded(2);
            before += piece + (ended ? u"\n"_s : QString());
            kept += becomes + (ended ? u"\n"_s : QString());
        }
        const QString lineEnd = before.contains(u'\n') ? lineEnds[random.bounded(3)] : u"\r\n"_s;
        before.replace(u"\n"_s, lineEnd);
        kept.replace(u"\n"_s, lineEnd);
        for (const Language language : {kSqs, kConfig})
            QVERIFY(wellPlaced(check::diagnose(before, language), before));
        const check::MergeResult merged = check::mergeDescription(before, generated);
        QVERIFY2(merged.ok, qPrintable(before + u" -> "_s + merged.error));
        QVERIFY2(merged.text.startsWith(before.isEmpty() ? generated : kept),
                 qPrintable(before + u"\n---\n"_s + merged.text));
        QCOMPARE(check::mergeDescription(merged.text, generated).text, merged.text);
        QCOMPARE(places(check::diagnose(merged.text, kConfig)).filter(u" E"_s), QStringList{});
    }
}

QTEST_GUILESS_MAIN(TestCheck)
#include "test_check.moc"
