#include "campaign/extendedcampaigneditor.h"
#include "campaigntesting.h"
#include "support/fakehost.h"
#include "ui/maintext.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class FakeMainText : public ui::MainText
{
public:
    QString text() const override { return {}; }
    void replace(const QString &) override {}
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

    QLineEdit *text(int n) const { return control(&dialog, u"Text"_s + QString::number(n)); }
    QCheckBox *check(int n) const
    {
        return control<QCheckBox>(&dialog, u"Check"_s + QString::number(n));
    }
    QString label4() const { return control<QLabel>(&dialog, u"Label4"_s)->text(); }
    QString result() const { return resultOf(&dialog, u"Text11"_s); }
    QWidget *resultBox() const { return control<QWidget>(&dialog, u"Text11"_s); }
    bool canAdd() const { return control<QPushButton>(&dialog, u"Command1"_s)->isEnabled(); }
    void add() { press(&dialog, u"Command1"_s); }

    // One character per end, "1" where the state holds: the check boxes checked, the check
    // boxes enabled, the end boxes taking input on white ("0": locked and grey).
    QString ends() const
    {
        QString checked, enabled, open;
        for (int n = 1; n <= 6; ++n) {
            checked += check(n)->isChecked() ? u'1' : u'0';
            enabled += check(n)->isEnabled() ? u'1' : u'0';
            QLineEdit *box = text(4 + n);
            open += box->isReadOnly() != isGrey(box) ? u'?' : box->isReadOnly() ? u'0' : u'1';
        }
        return checked + u' ' + enabled + u' ' + open;
    }
};

} // namespace

class TestExtendedCampaignEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void endChain_data();
    void endChain();
    void branchedCampaign();
    void countField_data();
    void countField();
    void fiveHundredMissions();
    void reset();
};

void TestExtendedCampaignEditor::endChain_data()
{
    QTest::addColumn<int>("switchedOn"); // ends 1 .. switchedOn are clicked on first
    QTest::addColumn<int>("switchOff");  // then this end goes off (0: none, < 0: from code)
    QTest::addColumn<QString>("ends");
    QTest::newRow("start") << 1 << 0 << u"100000 110000 100000"_s;
    QTest::newRow("on in order") << 3 << 0 << u"111000 111100 111000"_s;
    QTest::newRow("off in the middle") << 4 << 2 << u"100000 110000 100000"_s;
    QTest::newRow("first off") << 4 << 1 << u"000000 100000 000000"_s;
    QTest::newRow("first off from code") << 6 << -1 << u"000000 100000 000000"_s;
    QTest::newRow("last off") << 6 << 6 << u"111110 111111 111110"_s;
}

void TestExtendedCampaignEditor::endChain()
{
    QFETCH(int, switchedOn);
    QFETCH(int, switchOff);
    QFETCH(QString, ends);
    Editor editor;
    for (int n = 2; n <= switchedOn; ++n)
        editor.check(n)->click();
    for (int n = 1; n <= switchedOn; ++n)
        editor.text(4 + n)->setText(u"ziel"_s);
    if (switchOff > 0)
        editor.check(switchOff)->click();
    else if (switchOff < 0)
        editor.check(-switchOff)->setChecked(false);

    QCOMPARE(editor.ends(), ends);
    for (int n = 1; n <= 6; ++n) {
        QLineEdit *box = editor.text(4 + n);
        const bool open = ends[13 + n] == u'1';
        QCOMPARE(box->text(), open ? u"ziel"_s : QString());
        // Boxes switched off are disabled; the ones never used are only locked.
        QCOMPARE(box->isEnabled(), open || n > switchedOn);
    }
    QVERIFY(isGrey(editor.resultBox()));
}

void TestExtendedCampaignEditor::branchedCampaign()
{
    Editor editor;
    editor.text(1)->setText(u"Zweiter Weg"_s);
    editor.text(2)->setText(u"weg"_s);
    editor.text(3)->setText(u"3"_s);
    QCOMPARE(editor.label4(), mission(1));

    editor.check(2)->click();
    editor.text(4)->setText(u"Start"_s);
    editor.text(12)->setText(u"eden"_s);
    editor.text(5)->setText(u"Sieg"_s);
    editor.text(6)->setText(u"Flucht"_s);
    editor.add();
    QCOMPARE(editor.label4(), mission(2));
    for (int n : {1, 2, 3})
        QVERIFY(editor.text(n)->isReadOnly() && isGrey(editor.text(n)));
    // The island and the switched-on ends carry over; the targets are empty again.
    QCOMPARE(editor.text(12)->text(), u"eden"_s);
    QCOMPARE(editor.ends(), u"110000 111000 110000"_s);
    QVERIFY(editor.text(4)->text().isEmpty() && editor.text(6)->text().isEmpty());

    editor.text(4)->setText(u"Sieg"_s); // the end of the campaign: no ends at all
    editor.text(12)->setText(u"kolgujev"_s);
    editor.check(1)->click();
    editor.add();
    QCOMPARE(editor.label4(), mission(3));
    QVERIFY(editor.result().isEmpty());

    editor.check(1)->click();
    editor.text(4)->setText(u"Flucht"_s);
    editor.text(12)->clear();
    editor.text(5)->setText(u"Sieg"_s);
    editor.add();

    QCOMPARE(editor.label4(), u"Fertig"_s);
    QVERIFY(!editor.canAdd());
    QCOMPARE(editor.result(), golden(u"branched_3.txt"_s));
    QVERIFY(!isGrey(editor.resultBox()));
    QVERIFY(editor.host.messages.isEmpty());
}

void TestExtendedCampaignEditor::countField_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("collects"); // false: the click is passed over
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << QString() << false << false;
    QTest::newRow("no number") << u"drei"_s << false << false;
    QTest::newRow("zero") << u"0,0"_s << false << false;
    QTest::newRow("huge") << u"1e300"_s << false << false;
    QTest::newRow("nan") << u"nan"_s << false << false;
    QTest::newRow("501") << u"501"_s << false << true;
    QTest::newRow("just above 500") << u"500,5"_s << false << true;
    // Counts that the number of missions, written out, never equals.
    QTest::newRow("leading zero") << u"03"_s << true << false;
    QTest::newRow("trailing blank") << u"3 "_s << true << false;
    QTest::newRow("negative") << u"-2"_s << true << false;
    QTest::newRow("fraction") << u"2,5"_s << true << false;
}

void TestExtendedCampaignEditor::countField()
{
    QFETCH(QString, count);
    QFETCH(bool, collects);
    QFETCH(bool, refused);
    Editor editor;
    editor.text(3)->setText(count);
    for (int k = 0; k < 6; ++k) {
        editor.text(4)->setText(u"m"_s);
        editor.add();
    }
    QCOMPARE(editor.label4(), mission(collects ? 7 : 1));
    QCOMPARE(editor.text(3)->isReadOnly(), collects);
    QCOMPARE(editor.text(4)->text(), collects ? QString() : u"m"_s);
    QVERIFY(editor.canAdd() && editor.result().isEmpty());
    QCOMPARE(editor.host.messageTexts(),
             refused ? QStringList(6, u"Nicht mehr als 500 Missionen"_s) : QStringList());
}

void TestExtendedCampaignEditor::fiveHundredMissions()
{
    Editor editor;
    editor.text(3)->setText(u"500"_s);
    for (int k = 1; k <= 500; ++k) {
        editor.text(4)->setText(u"m"_s + QString::number(k));
        editor.add();
    }
    QCOMPARE(editor.label4(), u"Fertig"_s);
    QCOMPARE(editor.result().count(u"\r\n"_s), 30 + 11 * 500 + 2);
    QVERIFY(editor.result().contains(u"  firstMission = m1;\r\n"_s));
}

void TestExtendedCampaignEditor::reset()
{
    Editor editor;
    editor.text(3)->setText(u"1"_s);
    editor.text(4)->setText(u"m"_s);
    editor.text(12)->setText(u"eden"_s);
    editor.check(2)->click();
    editor.check(3)->click();
    editor.add();
    editor.check(1)->click(); // the reset switches "Ende 1" on again

    press(&editor.dialog, u"Command2"_s);
    QVERIFY(editor.canAdd());
    QCOMPARE(editor.label4(), mission(1));
    QCOMPARE(editor.ends(), u"100000 110000 100000"_s);
    for (int n : {1, 2, 3, 4, 12})
        QVERIFY(editor.text(n)->text().isEmpty() && !isGrey(editor.text(n)));
    // The result is emptied but stays open for editing once a campaign was complete.
    QVERIFY(editor.result().isEmpty() && !isGrey(editor.resultBox()));

    editor.text(3)->setText(u"1"_s);
    editor.text(4)->setText(u"neu"_s);
    editor.add();
    QCOMPARE(editor.result().count(u": MissionDefault"_s), 1);
}

QTEST_MAIN(TestExtendedCampaignEditor)
#include "test_extendededitor.moc"
