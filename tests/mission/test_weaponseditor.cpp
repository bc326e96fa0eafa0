#include "fakemaintext.h"
#include "golden.h"
#include "mission/catalogue.h"
#include "mission/missiondialogs.h"
#include "mission/resultbox.h"
#include "support/fakehost.h"
#include "ui/dialogcontext.h"
#include "ui/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestWeaponsEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUp();
    void refill();
    void workedExample_data();
    void workedExample();
    void additionLines();
    void resetKeepsSaveAndTransfer();
    void saveFails();
    void transferCancelled();
    void closeButton();

private:
    template <typename T> T *find(const char *name)
    {
        auto *widget = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    void click(const char *button) { find<QPushButton>(button)->click(); }
    // Selects the entry (none for an empty name), types the count and adds.
    void add(const char *list, const QString &name, const char *countBox, const QString &count,
             const char *button)
    {
        auto *box = find<QListWidget>(list);
        box->clearSelection();
        if (!name.isEmpty())
            box->findItems(name, Qt::MatchExactly).constFirst()->setSelected(true);
        find<QLineEdit>(countBox)->setText(count);
        click(button);
    }
    void addWeapon(const QString &name, const QString &count)
    {
        add("List1", name, "Text2", count, "Command1");
    }
    void addMagazine(const QString &name, const QString &count)
    {
        add("List2", name, "Text3", count, "Command3");
    }
    QStringList entries(const char *list)
    {
        QStringList texts;
        auto *box = find<QListWidget>(list);
        for (int row = 0; row < box->count(); ++row)
            texts.append(box->item(row)->text());
        return texts;
    }
    QString result() { return mission::resultBoxText(*find<QPlainTextEdit>("Text1")); }
    bool enabled(const char *button) { return find<QPushButton>(button)->isEnabled(); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeHost> m_host;
    FakeMainText m_mainText;
    std::unique_ptr<QWidget> m_dialog;
};

void TestWeaponsEditor::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>(m_folder->path());
    m_mainText.replace(QString());
    m_dialog.reset(mission::createWeaponsEditor(ui::DialogContext{*m_host, m_mainText}));
    QVERIFY(m_dialog);
    QCOMPARE(m_dialog->objectName(), u"Form8"_s);
    m_dialog->show();
}

void TestWeaponsEditor::cleanup()
{
    m_dialog.reset();
}

void TestWeaponsEditor::startUp()
{
    QVERIFY(find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(entries("List1"), mission::weaponCatalogue(mission::Edition::AddOn));
    QCOMPARE(entries("List2"), mission::magazineCatalogue(mission::Edition::AddOn));
    QVERIFY(!enabled("Command2"));
    QVERIFY(!enabled("Command4"));
    QVERIFY(!enabled("Command5"));
    auto *box = find<QPlainTextEdit>("Text1");
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
}

void TestWeaponsEditor::refill()
{
    addWeapon(u"FAL"_s, u"1"_s);
    addMagazine(u"FALMag"_s, u"6"_s);
    find<QCheckBox>("Check1")->click();
    QCOMPARE(find<QListWidget>("List1")->count(), 32);
    QCOMPARE(find<QListWidget>("List2")->count(), 70);
    QVERIFY(find<QListWidget>("List1")->selectedItems().isEmpty());
    QCOMPARE(find<QLineEdit>("Text3")->text(), u"6"_s);

    // Entries that the base edition does not offer stay collected.
    click("Command2");
    QVERIFY(result().contains(u" class FAL\r\n"_s));
    QVERIFY(result().contains(u" class FALMag\r\n"_s));

    find<QCheckBox>("Check1")->setChecked(true);
    QCOMPARE(entries("List1"), mission::weaponCatalogue(mission::Edition::AddOn));
    QCOMPARE(entries("List2"), mission::magazineCatalogue(mission::Edition::AddOn));
    QVERIFY(find<QListWidget>("List2")->selectedItems().isEmpty());
    // No selection after a refill: the next addition has no name.
    click("Command1");
    QVERIFY(result().endsWith(u"};WEAPON,,1\r\n"_s));
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

    if (weaponFirst)
        addWeapon(u"M16"_s, u"12"_s);
    addMagazine(u"M16"_s, u"40"_s);
    if (!weaponFirst)
        addWeapon(u"M16"_s, u"12"_s);
    QCOMPARE(result(), weaponFirst ? u"WEAPON,M16,12\r\nAMMO,M16,40\r\n"_s
                                   : u"AMMO,M16,40\r\nWEAPON,M16,12\r\n"_s);
    QVERIFY(!ui::isLocked(*find<QPlainTextEdit>("Text1")));
    QCOMPARE(find<QPlainTextEdit>("Text1")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QVERIFY(enabled("Command2"));
    QVERIFY(!enabled("Command4"));

    click("Command2");
    QCOMPARE(result(), golden(u"stock_dialog.txt"_s));
    QVERIFY(enabled("Command4"));
    QVERIFY(enabled("Command5"));
    // Count and selection stay for the next addition.
    QCOMPARE(find<QListWidget>("List2")->selectedItems().constFirst()->text(), u"M16"_s);
    QCOMPARE(find<QLineEdit>("Text2")->text(), u"12"_s);
}

void TestWeaponsEditor::additionLines()
{
    addWeapon(QString(), u"5"_s);
    addMagazine(u"---------------"_s, QString());
    addWeapon(u"NVGoggles"_s, u"1\r\n\"\\"_s);
    QCOMPARE(result(), u"WEAPON,,5\r\nAMMO,---------------,\r\nWEAPON,NVGoggles,1\r\n\"\\\r\n"_s);
    click("Command2");
    QVERIFY(result().startsWith(u"class Weapons\r\n{\r\n\r\n class \r\n {\r\n  count = 5;\r\n"_s));
    QVERIFY(result().contains(u" class ---------------\r\n {\r\n  count = ;\r\n"_s));

    // After Generieren the addition goes straight after the final "};", and a second
    // Generieren lists everything again.
    addMagazine(u"Mine"_s, u"3"_s);
    QVERIFY(result().endsWith(u"  count = ;\r\n };\r\n\r\n};AMMO,Mine,3\r\n"_s));
    click("Command2");
    QVERIFY(result().endsWith(u"---------------\r\n {\r\n  count = ;\r\n };\r\n\r\n"
                              u" class Mine\r\n {\r\n  count = 3;\r\n };\r\n\r\n};"_s));
}

void TestWeaponsEditor::resetKeepsSaveAndTransfer()
{
    addWeapon(u"AK47"_s, u"2"_s);
    click("Command2");
    find<QCheckBox>("Check1")->click();
    click("Command7");

    QVERIFY(result().isEmpty());
    QVERIFY(!enabled("Command2"));
    QVERIFY(enabled("Command4"));
    QVERIFY(enabled("Command5"));
    QVERIFY(ui::isLocked(*find<QPlainTextEdit>("Text1")));
    QVERIFY(!find<QCheckBox>("Check1")->isChecked());
    QCOMPARE(find<QLineEdit>("Text2")->text(), u"2"_s);

    click("Command4");
    QFile file(QDir(m_folder->path()).filePath(u"description.ext"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\r\n"));
    QCOMPARE(m_host->lastMessage().title, u"Info"_s);

    // Collected entries are gone: the next block holds only what follows.
    addMagazine(u"M16"_s, u"30"_s);
    addMagazine(u"HandGrenade"_s, u"4"_s);
    find<QPlainTextEdit>("Text1")->setPlainText(u"von Hand"_s);
    click("Command2");
    QCOMPARE(result(), golden(u"stock_magazines_only.txt"_s));
}

void TestWeaponsEditor::saveFails()
{
    addWeapon(u"AK47"_s, u"2"_s);
    click("Command2");
    QVERIFY(QDir(m_folder->path()).mkdir(u"description.ext"_s));
    click("Command4");
    QCOMPARE(m_host->messageTexts(), QStringList{u"Die Datei konnte nicht ertsellt werden"_s});
    QCOMPARE(m_host->lastMessage().icon, ui::Icon::Critical);
}

void TestWeaponsEditor::transferCancelled()
{
    m_mainText.replace(u"alt"_s);
    m_host->answers.enqueue(ui::Answer::Cancel);
    addWeapon(u"AK47"_s, u"2"_s);
    click("Command2");
    click("Command5");
    QCOMPARE(
        m_host->messageTexts(),
        QStringList{
            u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s});
    QCOMPARE(m_host->lastMessage().title, u"Hinweis"_s);
    QCOMPARE(m_mainText.text(), u"alt"_s);
    QVERIFY(!m_dialog->isVisible());
}

void TestWeaponsEditor::closeButton()
{
    click("Command6");
    QVERIFY(!m_dialog->isVisible());
}

QTEST_MAIN(TestWeaponsEditor)
#include "test_weaponseditor.moc"
