#include "app/mainwindow.h"
#include "support/fakehost.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

using Fields = QMap<QString, QString>;
Q_DECLARE_METATYPE(Fields)

class TestSnippets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panels_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");

        QTest::newRow("action entry, defaults")
            << u"Command1"_s << Fields{} << QString()
            << u"ID=Einheit AddAction [\"Text\",\"Script.sqs\"];\r\n"_s;
        QTest::newRow("if statement, defaults")
            << u"Command2"_s << Fields{} << QString() << u"If (Bedingung) then [Befehl];\r\n"_s;
        QTest::newRow("if statement continues a line without line end")
            << u"Command2"_s << Fields{} << u"abc"_s << u"abcIf (Bedingung) then [Befehl];\r\n"_s;
        QTest::newRow("identity block")
            << u"Command3"_s
            << Fields{{u"Text8"_s, u"Miller"_s},
                      {u"Text9"_s, u"Dan"_s},
                      {u"Text10"_s, u"None"_s},
                      {u"Text11"_s, u"Face20"_s},
                      {u"Text12"_s, u"1.0"_s}}
            << QString()
            << u"class CfgIdentities\r\n{\r\n class Miller\r\n {\r\n  name=\"Miller\";\r\n"
               "  face=\"Face20\";\r\n  glasses=\"None\";\r\n  speaker=\"Dan\";\r\n"
               "  pitch=1.0;\r\n };\r\n};\r\n"_s;
        QTest::newRow("create unit, X before Y")
            << u"Command4"_s
            << Fields{{u"Text13"_s, u"tank1"_s},
                      {u"Text14"_s, u"M1Abrams"_s},
                      {u"Text15"_s, u"100"_s},
                      {u"Text16"_s, u"200"_s}}
            << QString() << u"tank1=\"M1Abrams\" CreateVehicle [100,200];\r\n"_s;
        QTest::newRow("create unit, all fields empty")
            << u"Command4"_s
            << Fields{{u"Text13"_s, {}}, {u"Text14"_s, {}}, {u"Text15"_s, {}}, {u"Text16"_s, {}}}
            << QString() << u"=\"\" CreateVehicle [,];\r\n"_s;
        QTest::newRow("object height")
            << u"Command5"_s << Fields{{u"Text17"_s, u"flag"_s}, {u"Text18"_s, u"12"_s}}
            << u"x\r\n"_s
            << u"x\r\nflag setpos [(getpos this select 0),(getpos this select 1),12];\r\n"_s;
        QTest::newRow("paratroopers, defaults")
            << u"Command6"_s << Fields{} << QString()
            << u"_aunits = units Kommander\r\n_i = 0\r\n_j = count _aunits\r\n#Start\r\n"
               "(_aunits select _i) action [\"EJECT\",Helikopter]\r\n"
               "unassignvehicle (_aunits select _i)\r\n_i=_i+1\r\n~2\r\n"
               "?_j>_i:goto \"Start\";\r\nexit\r\n"_s;
        QTest::newRow("paratroopers, empty pause")
            << u"Command6"_s
            << Fields{{u"Text19"_s, u"a"_s}, {u"Text20"_s, u"h"_s}, {u"Text21"_s, {}}} << QString()
            << u"_aunits = units a\r\n_i = 0\r\n_j = count _aunits\r\n#Start\r\n"
               "(_aunits select _i) action [\"EJECT\",h]\r\n"
               "unassignvehicle (_aunits select _i)\r\n_i=_i+1\r\n~\r\n"
               "?_j>_i:goto \"Start\";\r\nexit\r\n"_s;
        QTest::newRow("quotes and line ends copied unchanged")
            << u"Command2"_s << Fields{{u"Text6"_s, u"a==\"b\""_s}, {u"Text7"_s, u"x\ny"_s}}
            << QString() << u"If (a==\"b\") then [x\ny];\r\n"_s;
    }
    void panels()
    {
        QFETCH(QString, button);
        QFETCH(Fields, fields);
        QFETCH(QString, before);
        QFETCH(QString, after);
        FakeHost host;
        app::MainWindow window(host);
        window.replace(before);
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            window.findChild<QLineEdit *>(it.key())->setText(it.value());
        window.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(window.text(), after);
        QVERIFY(host.messages.isEmpty());
        // Two clicks give two whole outputs.
        window.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(window.text(), after + after.mid(before.size()));
    }

    void appendCanBeUndone()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.replace(u"keep\r\n"_s);
        window.findChild<QAbstractButton *>(u"Command2"_s)->click();
        window.findChild<QWidget *>(u"Text1"_s)->setFocus();
        QTest::keyClick(window.findChild<QWidget *>(u"Text1"_s), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.text(), u"keep\r\n"_s);
    }

    void helpButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("action entry")
            << u"Command10"_s
            << u"ID: Das ist der Name des Eintrags\r\n"
               "Einheit: Das ist der name der Einheit die den Eintrag bekommt\r\n"
               "Text: Hier kommt die Bezeichnung des Eintrags rein\r\n"
               "Script.sqs: Das ist der Name der Scriptdatei"_s;
        QTest::newRow("if statement")
            << u"Command11"_s
            << u"Bedingung: Das ist die vorraussetzung für den Befehl\r\n"
               "Befehl: Wird dann ausgeführt wenn die Bedingung erfüllt ist"_s;
        QTest::newRow("identity") << u"Command12"_s
                                  << u"Name: Das ist der Name der Einheit im Spiel\r\n"
                                     "Stimme: Welche Stimme hat der Soldat\r\n"
                                     "Brille: Soll der Soldat eine Brille haben oder nicht\r\n"
                                     "Gesicht: Welches Gesicht hat der Soldat\r\n"
                                     "Stufe: Der Eintrag bestimmt die Stimmhöhe oder Tiefe"_s;
        QTest::newRow("create unit")
            << u"Command13"_s
            << u"Name: Wie soll die Einheit heißen\r\nTyp: Vom welchem Typ ist die Einheit\r\n"
               "X und Y Achse: Ist für die bestimmung der Platzierungsposition auf der Karte"_s;
        QTest::newRow("object height")
            << u"Command14"_s
            << u"Name: Welches Objekt oder Einheit ist gemeint\r\n"
               "Höhe: Wie hoch oder wie Tief soll das Objekt oder die Einheit sein"_s;
        QTest::newRow("paratroopers") << u"Command15"_s
                                      << u"Kommander: Der Name des Gruppenführers\r\n"
                                         "Helikopter: Der Name des Helikopters"_s;
    }
    void helpButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        FakeHost host;
        app::MainWindow window(host);
        window.replace(u"main"_s);
        window.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(host.messages.size(), 1);
        QCOMPARE(host.lastMessage().title, u"Hilfe"_s);
        QCOMPARE(host.lastMessage().text, text);
        QCOMPARE(host.lastMessage().buttons, ui::Buttons::Ok);
        QCOMPARE(host.lastMessage().icon, ui::Icon::None);
        QCOMPARE(window.text(), u"main"_s);
    }
};

QTEST_MAIN(TestSnippets)
#include "test_snippets.moc"
