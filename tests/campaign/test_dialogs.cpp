#include "app/mainwindow.h"
#include "campaigntesting.h"
#include "support/fakehost.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kWarning =
    u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s;

// The main window with one campaign editor opened from its Tools menu.
struct Session
{
    QTemporaryDir folder;
    FakeHost host{folder.path()};
    app::MainWindow window{host};
    QPointer<QWidget> dialog;

    explicit Session(const QString &form) { dialog = window.openDialog(form); }

    QLineEdit *field(const QString &name) const { return control<QLineEdit>(dialog, name); }

    // The simple editor with the given fields and mission names answered in turn.
    void generate(const QString &count, const QStringList &names = {})
    {
        field(u"Text3"_s)->setText(count);
        host.inputs.append(names);
        press(dialog, u"Command1"_s);
    }

    QByteArray savedFile() const
    {
        QFile file(QDir(folder.path()).filePath(u"description.ext"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
};

// The names of the controls that both editors have, under their own names.
struct Editor
{
    QString form;
    QString result;
    QString save;
    QString transfer;
    QString close;
};

const Editor kSimple{u"Form3"_s, u"Text5"_s, u"Command5"_s, u"Command4"_s, u"Command3"_s};
const Editor kExtended{u"Form7"_s, u"Text11"_s, u"Command3"_s, u"Command4"_s, u"Command5"_s};

// Gives the editor a complete one-mission campaign as its result.
void makeResult(Session &session, const Editor &editor)
{
    if (editor.form == kSimple.form) {
        session.generate(u"1"_s, {u"m1"_s});
    } else {
        session.field(u"Text3"_s)->setText(u"1"_s);
        session.field(u"Text4"_s)->setText(u"m1"_s);
        press(session.dialog, u"Command1"_s);
    }
    QVERIFY(resultOf(session.dialog, editor.result).contains(u"class m1: MissionDefault"_s));
}

} // namespace

Q_DECLARE_METATYPE(Editor)
Q_DECLARE_METATYPE(ui::Answer)

class TestCampaignDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void simpleDefaults();
    void simpleCount_data();
    void simpleCount();
    void simpleAsksEveryName();
    void simpleMatchesGolden();
    void simpleRefusalKeepsResult();
    void simpleGenerateReplaces();
    void simpleKeepsOddNamesExactly();

    void bothEditors_data();
    void save_data() { bothEditors_data(); }
    void save();
    void saveFailure_data() { bothEditors_data(); }
    void saveFailure();
    void transfer_data();
    void transfer();
    void closeAndReopen_data() { bothEditors_data(); }
    void closeAndReopen();
};

void TestCampaignDialogs::simpleDefaults()
{
    Session session(u"Form3"_s);
    QCOMPARE(session.dialog->windowTitle(), u"Kampagnen Editor (einfach)"_s);
    QCOMPARE(session.field(u"Text1"_s)->text(), u"Neue Kampagne"_s);
    QCOMPARE(session.field(u"Text2"_s)->text(), u"kampagne"_s);
    QCOMPARE(session.field(u"Text3"_s)->text(), u"0"_s);
    QCOMPARE(session.field(u"Text4"_s)->text(), u"eden"_s);
    QCOMPARE(control<QLabel>(session.dialog, u"Label2"_s)->text(),
             u"Name des Ordners/*.pbo Datei"_s);
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), QString());

    // The default count of 0 asks nothing and builds nothing.
    press(session.dialog, u"Command1"_s);
    QVERIFY(session.host.inputCalls.isEmpty());
    QVERIFY(session.host.messages.isEmpty());
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), QString());
}

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
    QTest::newRow("large refused") << u"1.000"_s << 0 << true;
    QTest::newRow("zero") << u"0"_s << 0 << false;
    QTest::newRow("rounds to zero") << u"0,4"_s << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("no number") << u"zwei"_s << 0 << false;
    QTest::newRow("huge") << u"1e300"_s << 0 << false;
    QTest::newRow("nan") << u"nan"_s << 0 << false;
    QTest::newRow("inf") << u"inf"_s << 0 << false;
}

void TestCampaignDialogs::simpleCount()
{
    QFETCH(QString, count);
    QFETCH(int, asked);
    QFETCH(bool, refused);
    Session session(u"Form3"_s);
    session.generate(count);

    QCOMPARE(session.host.inputCalls.size(), asked);
    if (refused) {
        QCOMPARE(session.host.messages.size(), 1);
        QCOMPARE(session.host.lastMessage().text, u"Maximal 30 Missionen"_s);
        QCOMPARE(session.host.lastMessage().title, u"Fehler"_s);
        QCOMPARE(session.host.lastMessage().icon, ui::Icon::Critical);
        QCOMPARE(session.host.lastMessage().buttons, ui::Buttons::Ok);
    } else {
        QVERIFY(session.host.messages.isEmpty());
    }
    const QString result = resultOf(session.dialog, u"Text5"_s);
    QCOMPARE(result.count(u": MissionDefault\r\n"_s), asked);
    QCOMPARE(result.isEmpty(), asked == 0);
}

void TestCampaignDialogs::simpleAsksEveryName()
{
    Session session(u"Form3"_s);
    // The second box is cancelled; the asking goes on with the third.
    session.generate(u"3"_s, {u"a"_s, QString(), u"c"_s});
    QCOMPARE(session.host.inputCalls.size(), 3);
    for (int k = 0; k < 3; ++k) {
        const FakeHost::Input &call = session.host.inputCalls[k];
        QCOMPARE(call.prompt, u"Bitte den Namen der %1. Mission eingeben"_s.arg(k + 1));
        QCOMPARE(call.title, u"Missionen"_s);
        QCOMPARE(call.defaultText, QString());
    }
    const QString result = resultOf(session.dialog, u"Text5"_s);
    QVERIFY(result.contains(u"  class a: MissionDefault\r\n  {\r\n   end1 = ;\r\n"_s));
    QVERIFY(
        result.contains(u"  class : MissionDefault\r\n  {\r\n   end1 = c;\r\n   end2 = ;\r\n"_s));
    QVERIFY(result.contains(u"   end1 = ;\r\n   end2 = c;\r\n"_s));
}

void TestCampaignDialogs::simpleMatchesGolden()
{
    Session session(u"Form3"_s);
    session.field(u"Text1"_s)->setText(u"Operation \"Sturm\""_s);
    session.field(u"Text2"_s)->setText(u"sturm"_s);
    session.field(u"Text4"_s)->setText(u"malden"_s);
    session.generate(u"2"_s, {u"m01_Landung"_s, u"m02 Brücke"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_2.txt"_s));
}

void TestCampaignDialogs::simpleRefusalKeepsResult()
{
    Session session(u"Form3"_s);
    session.generate(u"1"_s, {u"Einsatz"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_1.txt"_s));
    session.generate(u"31"_s, {u"ungefragt"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_1.txt"_s));
    QCOMPARE(session.host.inputs.size(), 1);
}

void TestCampaignDialogs::simpleGenerateReplaces()
{
    Session session(u"Form3"_s);
    session.generate(u"2"_s, {u"alt1"_s, u"alt2"_s});
    control<campaign::ResultBox>(session.dialog, u"Text5"_s)->appendPlainText(u"von Hand"_s);
    session.generate(u"1"_s, {u"Einsatz"_s});
    QCOMPARE(resultOf(session.dialog, u"Text5"_s), golden(u"chain_1.txt"_s));
}

void TestCampaignDialogs::simpleKeepsOddNamesExactly()
{
    // A name holding a lone line break comes back unchanged until the user edits the box.
    Session session(u"Form3"_s);
    session.generate(u"1"_s, {u"a\rb\nc"_s});
    QVERIFY(resultOf(session.dialog, u"Text5"_s).contains(u"   lost = a\rb\nc;\r\n"_s));

    auto *box = control<campaign::ResultBox>(session.dialog, u"Text5"_s);
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, u"x"_s);
    const QString edited = resultOf(session.dialog, u"Text5"_s);
    QVERIFY(edited.endsWith(u"};\r\nx"_s));
    QVERIFY(edited.contains(u"   lost = a\r\nb\r\nc;\r\n"_s));
}

void TestCampaignDialogs::bothEditors_data()
{
    QTest::addColumn<Editor>("editor");
    QTest::newRow("simple") << kSimple;
    QTest::newRow("extended") << kExtended;
}

void TestCampaignDialogs::save()
{
    QFETCH(Editor, editor);
    Session session(editor.form);
    const QString path = QDir(session.folder.path()).filePath(u"description.ext"_s);
    {
        // Another dialog's earlier, longer save.
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4000, 'x'));
    }

    // Before anything is built the empty result is written, with its CR LF.
    press(session.dialog, editor.save);
    QCOMPARE(session.savedFile(), QByteArray("\r\n"));

    makeResult(session, editor);
    const QString result = resultOf(session.dialog, editor.result);
    press(session.dialog, editor.save);
    press(session.dialog, editor.save);
    QCOMPARE(session.savedFile(), (result + u"\r\n"_s).toLatin1());
    QVERIFY(session.savedFile().endsWith("};\r\n\r\n"));

    QCOMPARE(session.host.messages.size(), 3);
    const FakeHost::Message &message = session.host.lastMessage();
    QCOMPARE(message.text, u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(path));
    QCOMPARE(message.title, u"Info"_s);
    QCOMPARE(message.icon, ui::Icon::Information);
}

void TestCampaignDialogs::saveFailure()
{
    QFETCH(Editor, editor);
    Session session(editor.form);
    session.host.setProgramFolder(session.folder.filePath(u"fehlt/noch/nicht"_s));
    press(session.dialog, editor.save);
    QCOMPARE(session.host.messages.size(), 1);
    QCOMPARE(session.host.lastMessage().text, u"Die Datei konnte nicht ertsellt werden"_s);
    QCOMPARE(session.host.lastMessage().title, u"Fehler"_s);
    QCOMPARE(session.host.lastMessage().icon, ui::Icon::Critical);
    QVERIFY(session.dialog->isVisible());
}

void TestCampaignDialogs::transfer_data()
{
    QTest::addColumn<Editor>("editor");
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<ui::Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replaced");
    for (const Editor &editor : {kSimple, kExtended}) {
        const QByteArray name = editor.form.toLatin1();
        QTest::newRow((name + " into empty main text").constData())
            << editor << QString() << ui::Answer::Ok << false << true;
        QTest::newRow((name + " confirmed").constData())
            << editor << u"alt\r\n"_s << ui::Answer::Ok << true << true;
        QTest::newRow((name + " cancelled").constData())
            << editor << u"alt\r\n"_s << ui::Answer::Cancel << true << false;
    }
}

void TestCampaignDialogs::transfer()
{
    QFETCH(Editor, editor);
    QFETCH(QString, mainText);
    QFETCH(ui::Answer, answer);
    QFETCH(bool, asked);
    QFETCH(bool, replaced);
    Session session(editor.form);
    makeResult(session, editor);
    const QString result = resultOf(session.dialog, editor.result);
    session.window.replace(mainText);
    session.host.answers.enqueue(answer);

    press(session.dialog, editor.transfer);
    QCOMPARE(session.host.messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(session.host.lastMessage().title, u"Hinweis"_s);
        QCOMPARE(session.host.lastMessage().text, kWarning);
        QCOMPARE(session.host.lastMessage().buttons, ui::Buttons::OkCancel);
        QCOMPARE(session.host.lastMessage().icon, ui::Icon::None);
    }
    QCOMPARE(session.window.text(), replaced ? result : mainText);
    // The editor closes whichever way the question went.
    QVERIFY(!session.dialog || !session.dialog->isVisible());
}

void TestCampaignDialogs::closeAndReopen()
{
    QFETCH(Editor, editor);
    Session session(editor.form);
    makeResult(session, editor);
    session.field(u"Text1"_s)->setText(u"geändert"_s);
    press(session.dialog, editor.close);
    QVERIFY(session.host.messages.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!session.dialog);
    QVERIFY(!session.window.dialog(editor.form));

    session.dialog = session.window.openDialog(editor.form);
    const bool simple = editor.form == kSimple.form;
    QCOMPARE(session.field(u"Text1"_s)->text(), simple ? u"Neue Kampagne"_s : QString());
    QCOMPARE(resultOf(session.dialog, editor.result), QString());
    if (!simple) {
        // Nothing collected before the close counts towards the new campaign.
        QCOMPARE(control<QLabel>(session.dialog, u"Label4"_s)->text(), u"Name der 1. Mission"_s);
        QVERIFY(!session.field(u"Text3"_s)->isReadOnly());
        makeResult(session, editor);
        QCOMPARE(resultOf(session.dialog, editor.result).count(u": MissionDefault"_s), 1);
    }
}

QTEST_MAIN(TestCampaignDialogs)
#include "test_dialogs.moc"
