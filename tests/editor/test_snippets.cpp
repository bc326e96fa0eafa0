#include "app/mainwindow.h"
#include "support/fakehost.h"
#include "support/golden.h"
#include "ui/exacttextedit.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

using Fields = QMap<QString, QString>;

class TestSnippets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panels_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("output"); // golden file

        QTest::newRow("action entry, defaults")
            << u"Command1"_s << Fields{} << QString() << u"action_defaults"_s;
        QTest::newRow("if statement, defaults")
            << u"Command2"_s << Fields{} << QString() << u"if_defaults"_s;
        QTest::newRow("no line end put before the output")
            << u"Command2"_s << Fields{} << u"abc"_s << u"if_defaults"_s;
        QTest::newRow("identity block") << u"Command3"_s
                                        << Fields{{u"Text8"_s, u"Miller"_s},
                                                  {u"Text9"_s, u"Dan"_s},
                                                  {u"Text10"_s, u"None"_s},
                                                  {u"Text11"_s, u"Face20"_s},
                                                  {u"Text12"_s, u"1.0"_s}}
                                        << QString() << u"identity"_s;
        QTest::newRow("create unit, X before Y") << u"Command4"_s
                                                 << Fields{{u"Text13"_s, u"tank1"_s},
                                                           {u"Text14"_s, u"M1Abrams"_s},
                                                           {u"Text15"_s, u"100"_s},
                                                           {u"Text16"_s, u"200"_s}}
                                                 << QString() << u"create_unit"_s;
        QTest::newRow("create unit, all fields empty")
            << u"Command4"_s
            << Fields{{u"Text13"_s, {}}, {u"Text14"_s, {}}, {u"Text15"_s, {}}, {u"Text16"_s, {}}}
            << QString() << u"create_unit_empty"_s;
        QTest::newRow("object height")
            << u"Command5"_s << Fields{{u"Text17"_s, u"flag"_s}, {u"Text18"_s, u"12"_s}}
            << u"x\r\n"_s << u"height"_s;
        QTest::newRow("paratroopers, defaults")
            << u"Command6"_s << Fields{} << QString() << u"paratroopers_defaults"_s;
        QTest::newRow("paratroopers, empty pause")
            << u"Command6"_s
            << Fields{{u"Text19"_s, u"a"_s}, {u"Text20"_s, u"h"_s}, {u"Text21"_s, {}}} << QString()
            << u"paratroopers_no_pause"_s;
        QTest::newRow("quotes and line ends copied unchanged")
            << u"Command2"_s << Fields{{u"Text6"_s, u"a==\"b\""_s}, {u"Text7"_s, u"x\ny"_s}}
            << QString() << u"if_quotes_and_line_end"_s;
    }
    void panels()
    {
        QFETCH(QString, button);
        QFETCH(Fields, fields);
        QFETCH(QString, before);
        QFETCH(QString, output);
        const QString expected = golden(u"panels/"_s + output + u".txt"_s);
        FakeHost host;
        app::MainWindow window(host);
        window.replace(before);
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            window.findChild<QLineEdit *>(it.key())->setText(it.value());
        auto *panel = window.findChild<QAbstractButton *>(button);
        panel->click();
        QCOMPARE(window.text(), before + expected);
        panel->click(); // a second click appends a whole second output
        QCOMPARE(window.text(), before + expected + expected);
        QVERIFY(host.messages.isEmpty());

        // The user can take the last one back (an undo is an edit: lone line ends become CR LF).
        if (ui::documentAltersText(expected))
            return;
        auto *box = window.findChild<QWidget *>(u"Text1"_s);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.text(), before + expected);
    }

    void helpButtons()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.replace(u"main"_s);
        for (int n = 10; n <= 15; ++n) {
            const QString button = u"Command"_s + QString::number(n);
            window.findChild<QAbstractButton *>(button)->click();
            QCOMPARE(host.lastMessage().title, u"Hilfe"_s);
            QCOMPARE(host.lastMessage().text, golden(u"help/"_s + button + u".txt"_s));
            QCOMPARE(host.lastMessage().buttons, ui::Buttons::Ok);
            QCOMPARE(host.lastMessage().icon, ui::Icon::None);
        }
        QCOMPARE(host.messages.size(), 6);
        QCOMPARE(window.text(), u"main"_s);
    }
};

QTEST_MAIN(TestSnippets)
#include "test_snippets.moc"
