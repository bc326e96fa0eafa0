#include "campaign/extendedcampaigneditor.h"
#include "campaigntesting.h"
#include "support/fakehost.h"
#include "ui/maintext.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class FakeMainText : public ui::MainText
{
public:
    QString text() const override { return value; }
    void replace(const QString &text) override { value = text; }
    QString value;
};

QString mission(int n)
{
    return u"Name der %1. Mission"_s.arg(n);
}

struct Editor
{
    FakeHost host;
    FakeMainText mainText;
    campaign::ExtendedCampaignEditor dialog{{host, mainText}};

    QLineEdit *text(int n) const
    {
        return control<QLineEdit>(&dialog, u"Text"_s + QString::number(n));
    }
    QCheckBox *check(int n) const
    {
        return control<QCheckBox>(&dialog, u"Check"_s + QString::number(n));
    }
    QString label4() const { return control<QLabel>(&dialog, u"Label4"_s)->text(); }
    campaign::ResultBox *resultBox() const
    {
        return control<campaign::ResultBox>(&dialog, u"Text11"_s);
    }
    QString result() const { return resultBox()->result(); }
    bool canAdd() const { return control<QPushButton>(&dialog, u"Command1"_s)->isEnabled(); }
    void add() { press(&dialog, u"Command1"_s); }
    void reset() { press(&dialog, u"Command2"_s); }

    // "1" for every end box that takes input, "0" for a locked one.
    QString openEnds() const
    {
        QString pattern;
        for (int n = 5; n <= 10; ++n)
            pattern += text(n)->isReadOnly() ? u'0' : u'1';
        return pattern;
    }
    QString checkedEnds() const { return pattern(&QCheckBox::isChecked); }
    QString enabledEnds() const { return pattern(&QCheckBox::isEnabled); }

private:
    QString pattern(bool (QCheckBox::*state)() const) const
    {
        QString result;
        for (int n = 1; n <= 6; ++n)
            result += (check(n)->*state)() ? u'1' : u'0';
        return result;
    }
};

bool isGrey(const QWidget *box)
{
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

bool isWhite(const QWidget *box)
{
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}

} // namespace

class TestExtendedCampaignEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // Grey and white must differ for the colour checks to mean anything.
        QVERIFY(QApplication::palette().color(QPalette::Button) !=
                QApplication::palette().color(QPalette::Base));
    }

    void startState();
    void endChain_data();
    void endChain();
    void branchedCampaign();
    void oneMissionCompletesAtOnce();
    void ignoredCount_data();
    void ignoredCount();
    void refusedCount_data();
    void refusedCount();
    void neverCompletes_data();
    void neverCompletes();
    void fiveHundredMissions();
    void resetAfterCompletion();
    void resetRestoresTheChain();
};

void TestExtendedCampaignEditor::startState()
{
    Editor editor;
    QCOMPARE(editor.dialog.objectName(), u"Form7"_s);
    QCOMPARE(editor.dialog.windowTitle(), u"Kampagnen Editor (erweitert)"_s);
    QCOMPARE(editor.label4(), mission(1));
    QCOMPARE(editor.checkedEnds(), u"100000"_s);
    QCOMPARE(editor.enabledEnds(), u"110000"_s);
    QCOMPARE(editor.openEnds(), u"100000"_s);
    QVERIFY(isWhite(editor.text(5)));
    for (int n = 6; n <= 10; ++n)
        QVERIFY(isGrey(editor.text(n)));
    QVERIFY(editor.resultBox()->isReadOnly());
    QVERIFY(isGrey(editor.resultBox()));
    for (int n : {1, 2, 3, 4, 12}) {
        QVERIFY(editor.text(n)->text().isEmpty());
        QVERIFY(!editor.text(n)->isReadOnly());
    }
    QVERIFY(editor.canAdd());
}

void TestExtendedCampaignEditor::endChain_data()
{
    QTest::addColumn<int>("switchedOn"); // ends 1 .. switchedOn are checked by clicks first
    QTest::addColumn<int>("uncheck");    // then this end is switched off (0: none)
    QTest::addColumn<bool>("byProgram"); // set from code instead of clicked
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("open");
    QTest::newRow("on in order") << 3 << 0 << false << u"111000"_s << u"111100"_s << u"111000"_s;
    QTest::newRow("all on") << 6 << 0 << false << u"111111"_s << u"111111"_s << u"111111"_s;
    QTest::newRow("off in the middle")
        << 4 << 2 << false << u"100000"_s << u"110000"_s << u"100000"_s;
    QTest::newRow("first off") << 4 << 1 << false << u"000000"_s << u"100000"_s << u"000000"_s;
    QTest::newRow("first off by program")
        << 6 << 1 << true << u"000000"_s << u"100000"_s << u"000000"_s;
    QTest::newRow("last off") << 6 << 6 << false << u"111110"_s << u"111111"_s << u"111110"_s;
}

void TestExtendedCampaignEditor::endChain()
{
    QFETCH(int, switchedOn);
    QFETCH(int, uncheck);
    QFETCH(bool, byProgram);
    QFETCH(QString, checked);
    QFETCH(QString, enabled);
    QFETCH(QString, open);
    Editor editor;
    for (int n = 2; n <= switchedOn; ++n)
        editor.check(n)->click();
    for (int n = 1; n <= switchedOn; ++n)
        editor.text(4 + n)->setText(u"ziel"_s + QString::number(n));
    if (uncheck) {
        if (byProgram)
            editor.check(uncheck)->setChecked(false);
        else
            editor.check(uncheck)->click();
    }

    QCOMPARE(editor.checkedEnds(), checked);
    QCOMPARE(editor.enabledEnds(), enabled);
    QCOMPARE(editor.openEnds(), open);
    for (int n = 1; n <= 6; ++n) {
        QLineEdit *box = editor.text(4 + n);
        if (open[n - 1] == u'1') {
            QVERIFY(isWhite(box));
            QVERIFY(box->isEnabled());
            QCOMPARE(box->text(), u"ziel"_s + QString::number(n));
        } else {
            QVERIFY(isGrey(box));
            QVERIFY(box->text().isEmpty());
            // Boxes switched off by an uncheck are disabled; never-used ones only locked.
            QCOMPARE(box->isEnabled(), n > switchedOn);
        }
    }
}

void TestExtendedCampaignEditor::branchedCampaign()
{
    Editor editor;
    editor.text(1)->setText(u"Zweiter Weg"_s);
    editor.text(2)->setText(u"weg"_s);
    editor.text(3)->setText(u"3"_s);

    // Start: wins lead to "Sieg", the second end to "Flucht".
    editor.check(2)->click();
    editor.text(4)->setText(u"Start"_s);
    editor.text(12)->setText(u"eden"_s);
    editor.text(5)->setText(u"Sieg"_s);
    editor.text(6)->setText(u"Flucht"_s);
    editor.add();
    QCOMPARE(editor.label4(), mission(2));
    for (int n : {1, 2, 3}) {
        QVERIFY(editor.text(n)->isReadOnly());
        QVERIFY(isGrey(editor.text(n)));
    }
    // The island and the switched-on ends stay; the targets are empty again.
    QCOMPARE(editor.text(12)->text(), u"eden"_s);
    QCOMPARE(editor.checkedEnds(), u"110000"_s);
    QVERIFY(editor.text(4)->text().isEmpty());
    QVERIFY(editor.text(5)->text().isEmpty());
    QVERIFY(editor.text(6)->text().isEmpty());
    QVERIFY(editor.result().isEmpty());

    // Sieg: the campaign ends there, on another island.
    editor.text(4)->setText(u"Sieg"_s);
    editor.text(12)->setText(u"kolgujev"_s);
    editor.check(1)->click();
    editor.add();
    QCOMPARE(editor.label4(), mission(3));

    // Flucht: with no island, back to "Sieg".
    editor.check(1)->click();
    editor.text(4)->setText(u"Flucht"_s);
    editor.text(12)->clear();
    editor.text(5)->setText(u"Sieg"_s);
    editor.add();

    QCOMPARE(editor.label4(), u"Fertig"_s);
    QVERIFY(!editor.canAdd());
    QCOMPARE(editor.result(), golden(u"branched_3.txt"_s));
    QVERIFY(!editor.resultBox()->isReadOnly());
    QVERIFY(isWhite(editor.resultBox()));
    QVERIFY(editor.host.messages.isEmpty());
}

void TestExtendedCampaignEditor::oneMissionCompletesAtOnce()
{
    Editor editor;
    editor.text(3)->setText(u"1"_s);
    editor.text(4)->setText(u"m"_s);
    editor.add();
    QCOMPARE(editor.result().count(u"\r\n"_s), 43);
    QVERIFY(editor.result().contains(u"  firstMission = m;\r\n"_s));
    QVERIFY(!editor.canAdd());
}

void TestExtendedCampaignEditor::ignoredCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("empty") << QString();
    QTest::newRow("no number") << u"drei"_s;
    QTest::newRow("zero") << u"0"_s;
    QTest::newRow("zero with decimals") << u"0,0"_s;
    QTest::newRow("huge") << u"1e300"_s;
    QTest::newRow("nan") << u"nan"_s;
    QTest::newRow("inf") << u"inf"_s;
}

void TestExtendedCampaignEditor::ignoredCount()
{
    QFETCH(QString, count);
    Editor editor;
    editor.text(3)->setText(count);
    editor.text(4)->setText(u"m"_s);
    editor.add();
    QVERIFY(editor.host.messages.isEmpty());
    QCOMPARE(editor.text(4)->text(), u"m"_s);
    QVERIFY(!editor.text(3)->isReadOnly());
    QCOMPARE(editor.label4(), mission(1));
}

void TestExtendedCampaignEditor::refusedCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("501") << u"501"_s;
    QTest::newRow("just above 500") << u"500,5"_s;
    QTest::newRow("with group separator") << u"1.000"_s;
}

void TestExtendedCampaignEditor::refusedCount()
{
    QFETCH(QString, count);
    Editor editor;
    editor.text(3)->setText(count);
    editor.text(4)->setText(u"m"_s);
    editor.add();
    QCOMPARE(editor.host.messages.size(), 1);
    QCOMPARE(editor.host.lastMessage().text, u"Nicht mehr als 500 Missionen"_s);
    QCOMPARE(editor.host.lastMessage().title, u"Fehler"_s);
    QCOMPARE(editor.host.lastMessage().icon, ui::Icon::Critical);
    QCOMPARE(editor.text(4)->text(), u"m"_s);
    QVERIFY(!editor.text(3)->isReadOnly());
    QCOMPARE(editor.label4(), mission(1));
}

void TestExtendedCampaignEditor::neverCompletes_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("leading zero") << u"03"_s;
    QTest::newRow("trailing blank") << u"3 "_s;
    QTest::newRow("negative") << u"-2"_s;
    QTest::newRow("fraction") << u"2,5"_s;
}

void TestExtendedCampaignEditor::neverCompletes()
{
    QFETCH(QString, count);
    Editor editor;
    editor.text(3)->setText(count);
    for (int k = 0; k < 6; ++k)
        editor.add();
    QCOMPARE(editor.label4(), mission(7));
    QVERIFY(editor.canAdd());
    QVERIFY(editor.result().isEmpty());
    QVERIFY(editor.host.messages.isEmpty());
}

void TestExtendedCampaignEditor::fiveHundredMissions()
{
    Editor editor;
    editor.text(3)->setText(u"500"_s);
    editor.text(12)->setText(u"eden"_s);
    for (int k = 1; k <= 500; ++k) {
        editor.text(4)->setText(u"m"_s + QString::number(k));
        editor.text(5)->setText(u"m"_s + QString::number(k + 1));
        editor.add();
    }
    QVERIFY(editor.host.messages.isEmpty());
    QCOMPARE(editor.label4(), u"Fertig"_s);
    const QString result = editor.result();
    QCOMPARE(result.count(u"\r\n"_s), 30 + 11 * 500 + 2);
    QVERIFY(result.contains(u"  firstMission = m1;\r\n"_s));
    QVERIFY(result.contains(u"  class m500: MissionDefault\r\n  {\r\n   end1 = m501;\r\n"_s));
}

void TestExtendedCampaignEditor::resetAfterCompletion()
{
    Editor editor;
    editor.text(1)->setText(u"K"_s);
    editor.text(2)->setText(u"k"_s);
    editor.text(3)->setText(u"1"_s);
    editor.text(4)->setText(u"m"_s);
    editor.text(12)->setText(u"eden"_s);
    editor.add();
    QVERIFY(!editor.canAdd());

    editor.reset();
    QVERIFY(editor.canAdd());
    QCOMPARE(editor.label4(), mission(1));
    for (int n = 1; n <= 12; ++n) {
        if (n != 11)
            QVERIFY2(editor.text(n)->text().isEmpty(), qPrintable(QString::number(n)));
    }
    for (int n : {1, 2, 3}) {
        QVERIFY(!editor.text(n)->isReadOnly());
        QVERIFY(isWhite(editor.text(n)));
    }
    // The result is emptied but stays open for editing once a campaign was complete.
    QVERIFY(editor.result().isEmpty());
    QVERIFY(!editor.resultBox()->isReadOnly());
    QVERIFY(isWhite(editor.resultBox()));

    // A fresh campaign starts from nothing.
    editor.text(3)->setText(u"1"_s);
    editor.text(4)->setText(u"neu"_s);
    editor.add();
    QCOMPARE(editor.result().count(u": MissionDefault"_s), 1);
    QVERIFY(editor.result().contains(u"  firstMission = neu;\r\n"_s));
}

void TestExtendedCampaignEditor::resetRestoresTheChain()
{
    Editor editor;
    for (int n = 2; n <= 5; ++n)
        editor.check(n)->click();
    editor.text(3)->setText(u"4"_s);
    editor.add();
    editor.reset();
    QCOMPARE(editor.checkedEnds(), u"100000"_s);
    QCOMPARE(editor.enabledEnds(), u"110000"_s);
    QCOMPARE(editor.openEnds(), u"100000"_s);

    // Reset with "Ende 1" off switches it on again.
    editor.check(1)->click();
    editor.reset();
    QCOMPARE(editor.checkedEnds(), u"100000"_s);
    QCOMPARE(editor.enabledEnds(), u"110000"_s);
    QCOMPARE(editor.openEnds(), u"100000"_s);
    QVERIFY(editor.text(5)->isEnabled());
    QVERIFY(isWhite(editor.text(5)));
}

QTEST_MAIN(TestExtendedCampaignEditor)
#include "test_extendededitor.moc"
