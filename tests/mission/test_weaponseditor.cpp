#include "dialogfixture.h"
#include "golden.h"
#include "mission/catalogue.h"
#include "mission/missiondialogs.h"
#include "ui/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using mission::Edition;

class TestWeaponsEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<DialogFixture>(&mission::createWeaponsEditor); }
    void startUpAndRefill();
    void workedExample_data();
    void workedExample();
    void additionLines();
    void resetKeepsSaveAndTransfer();
    void transferCancelled();
    void longWordBreaksAnywhere();

private:
    // Selects the entry (none for an empty name), types the count and adds.
    void add(bool weapon, const QString &name, const QString &count)
    {
        auto *list = f->find<QListWidget>(weapon ? "List1" : "List2");
        list->clearSelection();
        if (!name.isEmpty())
            list->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
        f->type(weapon ? "Text2" : "Text3", count);
        f->click(weapon ? "Command1" : "Command3");
    }
    QStringList entries(const char *name) const
    {
        QStringList texts;
        auto *list = f->find<QListWidget>(name);
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }
    bool enabled(const char *button) const { return f->find(button)->isEnabled(); }

    std::unique_ptr<DialogFixture> f;
};

void TestWeaponsEditor::startUpAndRefill()
{
    QVERIFY(f->find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(entries("List1"), mission::weaponCatalogue(Edition::AddOn));
    QCOMPARE(entries("List2"), mission::magazineCatalogue(Edition::AddOn));
    QVERIFY(!enabled("Command2") && !enabled("Command4") && !enabled("Command5"));
    QVERIFY(ui::isLocked(*f->find("Text1")));
    QCOMPARE(f->find("Text1")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Button));

    add(true, u"FAL"_s, u"1"_s);
    add(false, u"FALMag"_s, u"6"_s);
    f->click("Check1");
    QCOMPARE(entries("List1"), mission::weaponCatalogue(Edition::Base));
    QCOMPARE(entries("List2"), mission::magazineCatalogue(Edition::Base));
    QVERIFY(f->find<QListWidget>("List2")->selectedItems().isEmpty());
    QCOMPARE(f->find<QLineEdit>("Text3")->text(), u"6"_s);
    f->find<QCheckBox>("Check1")->setChecked(true);
    QCOMPARE(entries("List1"), mission::weaponCatalogue(Edition::AddOn));

    // Entries the base edition does not offer stay collected; nothing is selected any more.
    f->click("Command1");
    f->click("Command2");
    QVERIFY(f->boxText("Text1").startsWith(u"class Weapons\r\n{\r\n\r\n class FAL\r\n"_s));
    QVERIFY(f->boxText("Text1").contains(u" };\r\n\r\n class \r\n {\r\n  count = 1;\r\n"_s));
    QVERIFY(f->boxText("Text1").contains(u" class FALMag\r\n"_s));
}

void TestWeaponsEditor::workedExample_data()
{
    QTest::addColumn<bool>("weaponFirst");
    QTest::newRow("weapon first") << true;
    QTest::newRow("magazine first") << false;
}

void TestWeaponsEditor::workedExample()
{
    QFETCH(bool, weaponFirst);

    add(weaponFirst, u"M16"_s, weaponFirst ? u"12"_s : u"40"_s);
    add(!weaponFirst, u"M16"_s, weaponFirst ? u"40"_s : u"12"_s);
    QCOMPARE(f->boxText("Text1"), weaponFirst ? u"WEAPON,M16,12\r\nAMMO,M16,40\r\n"_s
                                              : u"AMMO,M16,40\r\nWEAPON,M16,12\r\n"_s);
    QVERIFY(!ui::isLocked(*f->find("Text1")));
    QCOMPARE(f->find("Text1")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QVERIFY(enabled("Command2") && !enabled("Command4"));

    f->click("Command2");
    QCOMPARE(f->boxText("Text1"), golden(u"stock_dialog.txt"_s));
    QVERIFY(enabled("Command4") && enabled("Command5"));
}

void TestWeaponsEditor::additionLines()
{
    add(true, QString(), u"5"_s);
    add(false, u"---------------"_s, QString());
    add(true, u"NVGoggles"_s, u"1\r\n\"\\"_s);
    QCOMPARE(f->boxText("Text1"),
             u"WEAPON,,5\r\nAMMO,---------------,\r\nWEAPON,NVGoggles,1\r\n\"\\\r\n"_s);

    // After Generieren an addition goes straight after the final "};"; generating again
    // lists everything with the new entry last.
    f->click("Command2");
    add(false, u"Mine"_s, u"3"_s);
    QVERIFY(f->boxText("Text1").endsWith(u"  count = ;\r\n };\r\n\r\n};AMMO,Mine,3\r\n"_s));
    f->click("Command2");
    QVERIFY(f->boxText("Text1").endsWith(
        u"\r\n\r\n class Mine\r\n {\r\n  count = 3;\r\n };\r\n\r\n};"_s));
}

void TestWeaponsEditor::resetKeepsSaveAndTransfer()
{
    add(true, u"AK47"_s, u"2"_s);
    f->click("Command2");
    f->click("Command7");
    QVERIFY(f->boxText("Text1").isEmpty());
    QVERIFY(!enabled("Command2") && enabled("Command4") && enabled("Command5"));
    QVERIFY(ui::isLocked(*f->find("Text1")));
    QCOMPARE(f->find<QLineEdit>("Text2")->text(), u"2"_s);

    f->click("Command4");
    QFile file(f->programFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\r\n"));
    QCOMPARE(f->host.lastMessage().title, u"Info"_s);

    // The collected entries went with the Reset; a hand edit is replaced by Generieren.
    add(false, u"M16"_s, u"30"_s);
    add(false, u"HandGrenade"_s, u"4"_s);
    f->find<QPlainTextEdit>("Text1")->setPlainText(u"von Hand"_s);
    f->click("Command2");
    QCOMPARE(f->boxText("Text1"), golden(u"stock_magazines_only.txt"_s));

    file.close();
    QVERIFY(file.remove() && QDir(f->folder.path()).mkdir(u"description.ext"_s));
    f->click("Command4");
    QCOMPARE(f->host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);
}

void TestWeaponsEditor::transferCancelled()
{
    f->mainText.replace(u"alt"_s);
    f->host.answers.enqueue(ui::Answer::Cancel);
    add(true, u"AK47"_s, u"2"_s);
    f->click("Command2");
    f->click("Command5");
    QCOMPARE(
        f->host.lastMessage().text,
        u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s);
    QCOMPARE(f->mainText.text(), u"alt"_s);
    QVERIFY(!f->dialog->isVisible());
}

void TestWeaponsEditor::longWordBreaksAnywhere()
{
    // With breaks between words only, a count of 100 000 letters made every later addition
    // take seconds; the box breaks long lines anywhere. A shorter word keeps the test quick.
    const QString longWord(20'000, u'W');
    add(true, u"AK47"_s, longWord);
    add(false, u"Mine"_s, u"3"_s);
    QCOMPARE(f->boxText("Text1"), u"WEAPON,AK47,"_s + longWord + u"\r\nAMMO,Mine,3\r\n"_s);
    QCOMPARE(f->find<QPlainTextEdit>("Text1")->wordWrapMode(), QTextOption::WrapAnywhere);
}

QTEST_MAIN(TestWeaponsEditor)
#include "test_weaponseditor.moc"
