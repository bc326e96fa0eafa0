#include "app/mainwindow.h"
#include "campaign/description.h"
#include "campaign/extendedcampaignmodel.h"
#include "support/fakehost.h"
#include "support/golden.h"
#include "ui/exacttextedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Addition = campaign::ExtendedCampaignModel::Addition;

namespace {

bool isGrey(const QWidget *box)
{
    return box->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Button);
}

// What both editors have, under their own names.
struct Editor
{
    app::Tool tool;
    QString result, save, transfer, close;
};
const Editor kSimple{app::Tool::SimpleCampaign, u"Text5"_s, u"Command5"_s, u"Command4"_s,
                     u"Command3"_s};
const Editor kExtended{app::Tool::ExtendedCampaign, u"Text11"_s, u"Command3"_s, u"Command4"_s,
                       u"Command5"_s};

// The main window with one campaign editor opened from its Tools menu.
struct Session
{
    Editor editor;
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    app::MainWindow window{host};
    QPointer<QWidget> dialog{window.openDialog(editor.tool)};
    explicit Session(const Editor &form) : editor(form) {}

    template <typename T = QLineEdit> T *get(const QString &name) const
    {
        T *found = dialog->findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit *text(int n) const { return get(u"Text"_s + QString::number(n)); }
    QCheckBox *check(int n) const { return get<QCheckBox>(u"Check"_s + QString::number(n)); }
    QString result() const { return get<ui::ExactTextEdit>(editor.result)->text(); }
    void press(const QString &button) const { get<QPushButton>(button)->click(); }
    // Fills in boxes by number, then clicks "Alle Missionen eingeben" or "Hinzufügen"; the
    // names answer the simple editor's input boxes.
    void run(std::initializer_list<std::pair<int, QString>> texts, const QStringList &names = {})
    {
        for (const auto &[n, value] : texts)
            text(n)->setText(value);
        host.inputs.append(names);
        press(u"Command1"_s);
    }
    // A one-mission campaign, in an editor opened afresh if it was closed.
    QString make()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!dialog)
            dialog = window.openDialog(editor.tool);
        run({{3, u"1"_s}, {4, u"m1"_s}}, {u"m1"_s});
        return result();
    }
    // Per end: check box checked, check box enabled, and its box ("1" open on white, "0"
    // locked, grey and empty, "-" the same and disabled, "?" anything else).
    QString ends() const
    {
        QString checked, enabled, open;
        for (int n = 1; n <= 6; ++n) {
            checked += check(n)->isChecked() ? u'1' : u'0';
            enabled += check(n)->isEnabled() ? u'1' : u'0';
            const QLineEdit *box = text(4 + n);
            QChar state = !box->isReadOnly() ? u'1' : box->isEnabled() ? u'0' : u'-';
            if (box->isReadOnly() != isGrey(box) || (box->isReadOnly() && !box->text().isEmpty()))
                state = u'?';
            open += state;
        }
        return checked + u' ' + enabled + u' ' + open;
    }
};

} // namespace

Q_DECLARE_METATYPE(Editor)

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
        Session session{kSimple};
        session.run({{3, count}}); // every box cancelled: empty names, still one block each
        QCOMPARE(session.host.messageTexts(),
                 asked < 0 ? QStringList{u"Maximal 30 Missionen"_s} : QStringList());
        QCOMPARE(session.host.inputCalls.size(), std::max(asked, 0));
        if (asked > 0)
            QCOMPARE(session.host.inputCalls.last().prompt,
                     u"Bitte den Namen der %1. Mission eingeben"_s.arg(asked));
        QCOMPARE(session.result().count(u"\r\n"_s), asked > 0 ? 30 + 11 * asked + 2 : 0);
    }

    void simpleGenerate()
    {
        Session session{kSimple}; // chain_1 is built from the editor's defaults
        session.run({{3, u"1"_s}}, {u"Einsatz"_s});
        QCOMPARE(session.result(), golden(u"chain_1.txt"_s));
        QCOMPARE(session.host.inputCalls[0].title, u"Missionen"_s);

        // A second run replaces the first and what was typed in between; a refusal does not.
        session.get<ui::ExactTextEdit>(u"Text5"_s)->appendPlainText(u"von Hand"_s);
        session.run({{1, u"Operation \"Sturm\""_s}, {2, u"sturm"_s}, {3, u"2"_s}, {4, u"malden"_s}},
                    {u"m01_Landung"_s, u"m02 Brücke"_s});
        QCOMPARE(session.result(), golden(u"chain_2.txt"_s));
        session.run({{3, u"31"_s}});
        QCOMPARE(session.result(), golden(u"chain_2.txt"_s));
    }

    void extendedCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("adds");
        QTest::addColumn<Addition>("last");
        QTest::addColumn<int>("missions"); // collected
        QTest::newRow("no number") << u"drei"_s << 1 << Addition::Ignored << 0;
        QTest::newRow("empty") << QString() << 1 << Addition::Ignored << 0;
        QTest::newRow("zero") << u"0,0"_s << 1 << Addition::Ignored << 0;
        QTest::newRow("beyond any double") << u"1e400"_s << 1 << Addition::Ignored << 0;
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
        QCOMPARE(model.missionCaption(), last == Addition::Complete || model.complete()
                                             ? u"Fertig"_s
                                             : u"Name der %1. Mission"_s.arg(missions + 1));
        const QString description = model.description(u"K"_s, u"k"_s);
        QCOMPARE(description.count(u": MissionDefault"_s), missions);
        QVERIFY(!missions || description.contains(u"firstMission = m0;"_s));
    }

    void saveCloseAndTransfer_data()
    {
        QTest::addColumn<Editor>("editor");
        QTest::newRow("simple") << kSimple;
        QTest::newRow("extended") << kExtended;
    }
    void saveCloseAndTransfer()
    {
        QFETCH(Editor, editor);
        Session session{editor};
        session.text(1)->setText(u"geändert"_s);
        session.press(editor.close);
        const QString result = session.make(); // afresh, with the defaults
        QCOMPARE(session.text(1)->text(), editor.tool == kSimple.tool ? u"Neue Kampagne"_s : u""_s);
        session.press(editor.save);
        QCOMPARE(fileBytes(session.folder.filePath(u"description.ext"_s)),
                 (result + u"\r\n"_s).toLatin1());

        // Transferring asks first, and the editor closes whatever the answer.
        const QString warning = u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung "
                                "gelöscht, trotzdem fortfahren ?"_s;
        session.window.replace(u"alt\r\n"_s);
        for (ui::Answer answer : {ui::Answer::Cancel, ui::Answer::Ok}) {
            session.host.answers.enqueue(answer);
            session.press(editor.transfer);
            QCOMPARE(session.host.lastMessage().text, warning);
            QVERIFY(!session.dialog || !session.dialog->isVisible());
            QCOMPARE(session.window.text(), answer == ui::Answer::Ok ? result : u"alt\r\n"_s);
            if (answer == ui::Answer::Cancel)
                QCOMPARE(session.make(), result);
        }
    }

    void endChain_data()
    {
        QTest::addColumn<int>("switchedOn"); // ends 1 .. switchedOn are clicked on first
        QTest::addColumn<int>("switchOff");  // then this end goes off (0: none, < 0: from code)
        QTest::addColumn<QString>("ends");
        QTest::newRow("start") << 1 << 0 << u"100000 110000 100000"_s;
        QTest::newRow("off in the middle") << 4 << 2 << u"100000 110000 1---00"_s;
        QTest::newRow("first off") << 4 << 1 << u"000000 100000 ----00"_s;
        QTest::newRow("first off from code") << 6 << -1 << u"000000 100000 ------"_s;
        QTest::newRow("last off") << 6 << 6 << u"111110 111111 11111-"_s;
    }
    void endChain()
    {
        QFETCH(int, switchedOn);
        QFETCH(int, switchOff);
        Session session{kExtended};
        for (int n = 2; n <= switchedOn; ++n)
            session.check(n)->click();
        for (int n = 1; n <= switchedOn; ++n)
            session.text(4 + n)->setText(u"ziel"_s);
        if (switchOff > 0)
            session.check(switchOff)->click();
        else if (switchOff < 0)
            session.check(-switchOff)->setChecked(false);
        QTEST(session.ends(), "ends");
    }

    void branchedCampaignAndReset()
    {
        Session session{kExtended};
        session.check(2)->click();
        session.run({{1, u"Zweiter Weg"_s},
                     {2, u"weg"_s},
                     {3, u"3"_s},
                     {4, u"Start"_s},
                     {5, u"Sieg"_s},
                     {6, u"Flucht"_s},
                     {12, u"eden"_s}});
        for (int n : {1, 2, 3})
            QVERIFY(session.text(n)->isReadOnly() && isGrey(session.text(n)));
        // The island and the switched-on ends carry over; the targets are empty again.
        QCOMPARE(session.text(12)->text(), u"eden"_s);
        QCOMPARE(session.ends(), u"110000 111000 110000"_s);
        QVERIFY(session.text(4)->text().isEmpty() && session.text(6)->text().isEmpty());
        QCOMPARE(session.get<QLabel>(u"Label4"_s)->text(), u"Name der 2. Mission"_s);

        session.check(1)->click(); // the end of the campaign: no ends at all
        session.run({{4, u"Sieg"_s}, {12, u"kolgujev"_s}});
        QVERIFY(session.result().isEmpty() && isGrey(session.get<QWidget>(u"Text11"_s)));
        session.check(1)->click();
        session.run({{4, u"Flucht"_s}, {5, u"Sieg"_s}, {12, {}}});
        QCOMPARE(session.get<QLabel>(u"Label4"_s)->text(), u"Fertig"_s);
        QVERIFY(!session.get<QPushButton>(u"Command1"_s)->isEnabled());
        QVERIFY(!isGrey(session.get<QWidget>(u"Text11"_s)));
        QCOMPARE(session.result(), golden(u"branched_3.txt"_s));

        session.check(1)->click(); // the reset switches "Ende 1" on again
        session.press(u"Command2"_s);
        QCOMPARE(session.get<QLabel>(u"Label4"_s)->text(), u"Name der 1. Mission"_s);
        QCOMPARE(session.ends(), u"100000 110000 1-0000"_s); // Text6 stays switched off
        for (int n : {1, 2, 3, 4, 12})
            QVERIFY(session.text(n)->text().isEmpty() && !isGrey(session.text(n)));
        // The result is emptied but stays open for editing once a campaign was complete.
        QVERIFY(session.result().isEmpty() && !isGrey(session.get<QWidget>(u"Text11"_s)));
        QCOMPARE(session.make().count(u": MissionDefault"_s), 1);
    }
};

QTEST_MAIN(TestCampaign)
#include "test_campaign.moc"
