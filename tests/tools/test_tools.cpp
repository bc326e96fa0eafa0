#include "app/mainwindow.h"
#include "support/fakehost.h"
#include "support/golden.h"
#include "tools/artillerydialog.h"
#include "tools/bombdrop.h"
#include "tools/bombdropcalculator.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QString kSpeed = u"Fehlender Eintrag: Bitte einen Wert bei Geschwindigkeit eingeben."_s;
const QString kHeight = u"Fehlender Eintrag: Bitte einen Wert bei Flughöhe eingeben."_s;

QLineEdit *box(QWidget *window, const char *name)
{
    return window->findChild<QLineEdit *>(QLatin1StringView(name));
}

QString results(QWidget *calculator)
{
    return box(calculator, "Text3")->text() + u" | "_s + box(calculator, "Text4")->text();
}

void click(QWidget *window, const char *button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(QLatin1StringView(button)), Qt::LeftButton);
}

// Records what the result boxes show at the moment each message appears.
class WatchingHost : public FakeHost
{
public:
    using FakeHost::FakeHost;
    QWidget *window = nullptr;
    QStringList shown;

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override
    {
        shown.append(results(window));
        return FakeHost::message(title, text, buttons, icon);
    }
};

} // namespace

class ToolsTests : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(kGerman); }

    void calculator_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QStringList>("expected"); // distance | time, then the messages
        auto row = [](const char *name, const QString &v, const QString &h, QStringList expected,
                      const QLocale &locale = kGerman) {
            QTest::newRow(name) << locale << v << h << expected;
        };
        const QString none = u" | "_s, fault = u"Fehler: "_s;
        row("400 km/h, 100 m", u"400"_s, u"100"_s, {u"501,69 | 4,52"_s});
        row("300 km/h, 50 m", u"300"_s, u"50"_s, {u"266,06 | 3,19"_s});
        row("720 km/h, 1000 m", u"720"_s, u"1000"_s, {u"2855,69 | 14,28"_s});
        row("speed 0", u"0"_s, u"100"_s, {u"0,00 | 4,52"_s, kSpeed});
        row("speed empty", u""_s, u"100"_s, {u"0,00 | 4,52"_s, kSpeed});
        row("both empty, speed first", u""_s, u" "_s, {u"0,00 | 0,00"_s, kSpeed, kHeight});
        row("negative speed", u"-400"_s, u"100"_s, {u"-501,69 | 4,52"_s});
        row("non-German locale", u"400"_s, u"100"_s, {u"501.69 | 4.52"_s}, QLocale::c());
        // Refused: old results cleared, no missing-entry messages whatever the other field holds.
        row("speed text", u"schnell"_s, u""_s, {none, fault + tools::kSpeedNotNumber});
        row("height text", u"400"_s, u"hoch"_s, {none, fault + tools::kHeightNotNumber});
        row("negative height", u""_s, u"-1"_s, {none, fault + tools::kNegativeHeight});
        row("height sum overflows", u"400"_s, u"1e308"_s, {none, fault + tools::kResultTooLarge});
        row("distance overflows", u"1e308"_s, u"100"_s, {none, fault + tools::kResultTooLarge});
    }

    void calculator()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, speed);
        QFETCH(QString, height);
        WatchingHost host;
        tools::BombDropCalculator calculator(host);
        host.window = &calculator;
        box(&calculator, "Text1")->setText(u"1"_s);
        box(&calculator, "Text2")->setText(u"1"_s);
        click(&calculator, "Command1"); // old results that a refusal must not leave standing
        QLocale::setDefault(locale);
        box(&calculator, "Text1")->setText(speed);
        box(&calculator, "Text2")->setText(height);
        for (int round = 0; round < 2; ++round) { // the same again on a second click
            host.messages.clear();
            click(&calculator, "Command1");
            QStringList seen{results(&calculator)};
            for (const FakeHost::Message &message : std::as_const(host.messages)) {
                seen.append(message.title + u": "_s + message.text);
                QCOMPARE(message.icon, ui::Icon::Critical);
            }
            QTEST(seen, "expected");
        }
        // Results are written before the messages.
        QCOMPARE(host.shown, QStringList(2 * host.messages.size(), results(&calculator)));
    }

    void calculatorWindow()
    {
        FakeHost host;
        app::MainWindow main(host);
        QWidget *calculator = main.openDialog(app::Tool::BombDrop);
        QVERIFY(box(calculator, "Text3")->isReadOnly() && box(calculator, "Text4")->isReadOnly());
        QStringList order;
        QWidget *first = box(calculator, "Text1"), *widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(order.join(u' '), u"Text1 Text2 Command1 Command2 Command3 Text3 Text4"_s);
        click(calculator, "Command3");
        const FakeHost::Message &info = host.lastMessage();
        QVERIFY(info.title == u"Info"_s && info.buttons == ui::Buttons::Ok &&
                info.icon == ui::Icon::None);
        QCOMPARE(info.text.split(u"\r\n\r\n"_s).size(), 2);
        QVERIFY(info.text.contains(u"unter der Vorraussetzung das man"_s)); // the program's own
    }

    void artillery_data()
    {
        QTest::addColumn<QStringList>("fields"); // name=text, typed in
        QTest::addColumn<QString>("blocker");    // a folder in the way of a file
        QTest::addColumn<QString>("button");     // clicked twice
        QTest::addColumn<QString>("marker");     // what the marker number field shows then
        QTest::addColumn<QString>("said");       // the start of the first message
        QTest::addColumn<QString>("files");      // the files written
        QTest::addColumn<QString>("target");     // golden ziel.sqs
        const QString all = u"init.sqs markieren.sqs schuss.sqs ziel.sqs"_s;
        const QString refused = u"Fehler: Die Nummer des Markers ist keine gültige Zahl."_s;
        QTest::newRow("defaults, lowered at each click")
            << QStringList() << QString() << u"Command2"_s << u"-1"_s << QString() << all
            << QString();
        // "des" is what a completing box would turn into the listed "Destroy".
        QTest::newRow("typed fields and fractional marker")
            << QStringList{u"Combo1=colorred"_s, u"Combo2=des"_s, u"Text5=3,5"_s,   u"Text1= 2.5"_s,
                           u"Text2=10"_s,        u"Text3=20"_s,   u"Text4=\"30\""_s}
            << QString() << u"Command2"_s << u"1,5"_s << QString() << all << u"ziel_typed.sqs"_s;
        QTest::newRow("empty marker refused")
            << QStringList{u"Text5="_s} << QString() << u"Command2"_s << QString() << refused
            << QString() << QString();
        QTest::newRow("text marker refused")
            << QStringList{u"Text5=Marker 1"_s} << QString() << u"Command2"_s << u"Marker 1"_s
            << refused << QString() << QString();
        QTest::newRow("ziel.sqs blocked")
            << QStringList() << u"ziel.sqs"_s << u"Command2"_s << u"-1"_s
            << u"Fehler: Die Dateien konnten nicht erstellt werden"_s << u"init.sqs markieren.sqs"_s
            << QString();
        QTest::newRow("info") << QStringList() << QString() << u"Command1"_s << u"1"_s
                              << u"Info: Mit diesem Programm kann man ein Script erstellen"_s
                              << QString() << QString();
    }

    void artillery()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, blocker);
        QFETCH(QString, button);
        QFETCH(QString, said);
        QFETCH(QString, target);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        QVERIFY(blocker.isEmpty() || dir.mkdir(blocker));
        FakeHost host(folder.path());
        tools::ArtilleryDialog dialog(host);
        for (const QString &field : std::as_const(fields)) {
            const QString name = field.section(u'=', 0, 0);
            auto *list = dialog.findChild<QComboBox *>(name);
            QLineEdit *edit = list ? list->lineEdit() : box(&dialog, qPrintable(name));
            edit->clear();
            QTest::keyClicks(edit, field.section(u'=', 1));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        click(&dialog, qPrintable(button));
        click(&dialog, qPrintable(button));

        QTEST(box(&dialog, "Text5")->text(), "marker");
        QVERIFY(host.messages.isEmpty() == said.isEmpty());
        for (const FakeHost::Message &m : std::as_const(host.messages)) {
            QVERIFY((m.title + u": "_s + m.text).startsWith(said));
            QCOMPARE(m.icon, m.title == u"Info"_s ? ui::Icon::None : ui::Icon::Critical);
        }
        QTEST(dir.entryList(QDir::Files).join(u' '), "files");
        if (!target.isEmpty())
            QCOMPARE(fileBytes(dir.filePath(u"ziel.sqs"_s)),
                     fileBytes(VELMORA_TEST_DATA "/" + target));
        if (QTest::currentDataTag() == "defaults, lowered at each click"_ba) {
            QByteArray written;
            for (const QString &name : dir.entryList(QDir::Files))
                written += "== " + name.toLatin1() + "\r\n" + fileBytes(dir.filePath(name));
            QCOMPARE(written, fileBytes(VELMORA_TEST_DATA "/artillery_package.txt"));
        }
    }
};

QTEST_MAIN(ToolsTests)
#include "test_tools.moc"
