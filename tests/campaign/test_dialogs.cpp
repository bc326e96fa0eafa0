#include "app/mainwindow.h"
#include "campaigntesting.h"
#include "support/fakehost.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The main window with one campaign editor opened from its Tools menu.
struct Session
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    app::MainWindow window{host};
    QPointer<QWidget> dialog;

    explicit Session(const QString &form) : dialog(window.openDialog(form)) {}

    void generate(const QString &count, const QStringList &names = {})
    {
        control(dialog, u"Text3"_s)->setText(count);
        host.inputs.append(names);
        press(dialog, u"Command1"_s);
    }
    QByteArray savedFile() const
    {
        QFile file(folder.filePath(u"description.ext"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
};

// What both editors have, under their own names.
struct Editor
{
    QString form, result, save, transfer, close;
};
const Editor kSimple{u"Form3"_s, u"Text5"_s, u"Command5"_s, u"Command4"_s, u"Command3"_s};
const Editor kExtended{u"Form7"_s, u"Text11"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s};

// Lets the editor build a one-mission campaign and returns it.
QString makeResult(Session &session, const Editor &editor)
{
    if (editor.form == kSimple.form) {
        session.generate(u"1"_s, {u"m1"_s});
    } else {
        control(session.dialog, u"Text3"_s)->setText(u"1"_s);
        control(session.dialog, u"Text4"_s)->setText(u"m1"_s);
        press(session.dialog, u"Command1"_s);
    }
    return resultOf(session.dialog, editor.result);
}

} // namespace

Q_DECLARE_METATYPE(Editor)
Q_DECLARE_METATYPE(ui::Answer)

class TestCampaignDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void simpleCount_data();
    void simpleCount();
    void simpleGenerate();
    void simpleKeepsOddNamesExactly();
    void saveAndReopen_data();
    void saveAndReopen();
    void transfer_data();
    void transfer();
};

void TestCampaignDialogs::simpleCount_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("refused");
    QTest::newRow("one") << u"1"_s << 1 << false;
    QTest::newRow("two and a half is two") << u"2,5"_s << 2 << false;
    QTest::newRow("three and a half is four") << u"3,5"_s << 4 << false;
    QTest::newRow("thirty") << u"30"_s << 30 << false;
    QTest::newRow("negative asks thirty") << u"-3"_s << 30 << false;
    QTest::newRow("thirty-one refused") << u"31"_s << 0 << true;
    QTest::newRow("zero, the default") << u"0"_s << 0 << false;
    QTest::newRow("rounds to zero") << u"0,4"_s << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("no number") << u"zwei"_s << 0 << false;
    QTest::newRow("huge") << u"1e300"_s << 0 << false;
    QTest::newRow("nan") << u"nan"_s << 0 << false;
    QTest::newRow("inf") << u"-inf"_s << 0 << false;
}

void TestCampaignDialogs::simpleCount()
{
    QFETCH(QString, count);
    QFETCH(int, asked);
    QFETCH(bool, refused);
    Session session(u"Form3"_s);
    session.generate(count); // every input box cancelled

    QCOMPARE(session.host.inputCalls.size(), asked);
    for (int k = 0; k < asked; ++k) {
        const FakeHost::Input &call = session.host.inputCalls[k];
        QCOMPARE(call.prompt, u"Bitte den Namen der %1. Mission eingeben"_s.arg(k + 1));
        QCOMPARE(call.title, u"Missionen"_s);
        QVERIFY(call.defaultText.isEmpty());
    }
    QCOMPARE(session.host.messageTexts(),
             refused ? QStringList{u"Maximal 30 Missionen"_s} : QStringList());
    if (refused)
        QCOMPARE(session.host.lastMessage().icon, ui::Icon::Critical);
    // Cancelled boxes give empty names, and still one block each.
    const QString result = resultOf(session.dialog, u"Text5"_s);
    QCOMPARE(result.count(u"  class : MissionDefault\r\n"_s), asked);
    QCOMPARE(result.count(u"   template = .eden;\r\n"_s), asked);
    QCOMPARE(result.isEmpty(), asked == 0);
}

void TestCampaignDialogs::simpleGenerate()
{
    Session session(u"Form3"_s);
    control(session.dialog, u"Text1"_s)->setText(u"Operation \"Sturm\""_s);
    control(session.dialog, u"Text2"_s)->setText(u"sturm"_s);
    control(session.dialog, u"Text4"_s)->setText(u"malden"_s);
    session.generate(u"2"_s, {u"m01_Landung"_s, u"m02 Brücke"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_2.txt"_s));

    // A second run replaces the first, whatever was typed into the box in between; a
    // refused count leaves it alone.
    control<ui::ExactTextEdit>(session.dialog, u"Text5"_s)->appendPlainText(u"von Hand"_s);
    control(session.dialog, u"Text1"_s)->setText(u"Neue Kampagne"_s);
    control(session.dialog, u"Text2"_s)->setText(u"kampagne"_s);
    control(session.dialog, u"Text4"_s)->setText(u"eden"_s);
    session.generate(u"1"_s, {u"Einsatz"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_1.txt"_s));
    session.generate(u"31"_s);
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_1.txt"_s));
}

void TestCampaignDialogs::simpleKeepsOddNamesExactly()
{
    // A name with lone line breaks comes back unchanged until the user edits the box.
    Session session(u"Form3"_s);
    session.generate(u"1"_s, {u"a\rb\nc"_s});
    QVERIFY(resultOf(session.dialog, u"Text5"_s).contains(u"   lost = a\rb\nc;\r\n"_s));
    auto *box = control<ui::ExactTextEdit>(session.dialog, u"Text5"_s);
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, u"x"_s);
    QVERIFY(resultOf(session.dialog, u"Text5"_s).contains(u"   lost = a\r\nb\r\nc;\r\n"_s));
    QVERIFY(resultOf(session.dialog, u"Text5"_s).endsWith(u"};\r\nx"_s));
}

void TestCampaignDialogs::saveAndReopen_data()
{
    QTest::addColumn<Editor>("editor");
    QTest::newRow("simple") << kSimple;
    QTest::newRow("extended") << kExtended;
}

void TestCampaignDialogs::saveAndReopen()
{
    QFETCH(Editor, editor);
    Session session(editor.form);
    const QString path = session.folder.filePath(u"description.ext"_s);
    QFile old(path); // another dialog's earlier, longer save
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4000, 'x')) == 4000);
    old.close();

    // Before anything is built the empty result is written, with its CR LF.
    press(session.dialog, editor.save);
    QCOMPARE(session.savedFile(), QByteArray("\r\n"));
    const QString result = makeResult(session, editor);
    press(session.dialog, editor.save);
    press(session.dialog, editor.save);
    QCOMPARE(session.savedFile(), (result + u"\r\n"_s).toLatin1());
    QCOMPARE(session.host.messages.size(), 3);
    QCOMPARE(session.host.lastMessage().text,
             u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(path));
    QCOMPARE(session.host.lastMessage().title, u"Info"_s);

    session.host.setProgramFolder(session.folder.filePath(u"fehlt"_s));
    press(session.dialog, editor.save);
    QCOMPARE(session.host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);
    QCOMPARE(session.host.lastMessage().title, u"Fehler"_s);

    // Closed and opened again, the editor starts afresh.
    control(session.dialog, u"Text1"_s)->setText(u"geändert"_s);
    press(session.dialog, editor.close);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!session.dialog);
    session.dialog = session.window.openDialog(editor.form);
    const bool simple = editor.form == kSimple.form;
    QCOMPARE(control(session.dialog, u"Text1"_s)->text(), simple ? u"Neue Kampagne"_s : QString());
    QCOMPARE(resultOf(session.dialog, editor.result), QString());
    QCOMPARE(makeResult(session, editor), result);
}

void TestCampaignDialogs::transfer_data()
{
    QTest::addColumn<Editor>("editor");
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<ui::Answer>("answer");
    for (const Editor &editor : {kSimple, kExtended}) {
        const QByteArray form = editor.form.toLatin1();
        QTest::addRow("%s into empty main text", form.constData())
            << editor << QString() << ui::Answer::Ok;
        QTest::addRow("%s confirmed", form.constData()) << editor << u"alt\r\n"_s << ui::Answer::Ok;
        QTest::addRow("%s cancelled", form.constData())
            << editor << u"alt\r\n"_s << ui::Answer::Cancel;
    }
}

void TestCampaignDialogs::transfer()
{
    QFETCH(Editor, editor);
    QFETCH(QString, mainText);
    QFETCH(ui::Answer, answer);
    Session session(editor.form);
    const QString result = makeResult(session, editor);
    session.window.replace(mainText);
    session.host.answers.enqueue(answer);

    press(session.dialog, editor.transfer);
    const QStringList asked = {
        u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s};
    QCOMPARE(session.host.messageTexts(), mainText.isEmpty() ? QStringList() : asked);
    QCOMPARE(session.window.text(), answer == ui::Answer::Ok ? result : mainText);
    QVERIFY(!session.dialog || !session.dialog->isVisible()); // closed either way
}

QTEST_MAIN(TestCampaignDialogs)
#include "test_dialogs.moc"
