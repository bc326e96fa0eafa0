#include "app/mainwindow.h"
#include "core/codepage.h"
#include "support/fakehost.h"
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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
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
        QWidget *calculator = main.openDialog(u"Form2"_s);
        QVERIFY(box(calculator, "Text3")->isReadOnly() && box(calculator, "Text4")->isReadOnly());
        QStringList order;
        QWidget *first = box(calculator, "Text1"), *widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(order.join(u' '), u"Text1 Text2 Command1 Command2 Command3 Text3 Text4"_s);

        // One window from toolbar and menu; after closing it starts empty.
        box(calculator, "Text1")->setText(u"400"_s);
        QCOMPARE(main.openDialog(u"Form2"_s), calculator);
        click(calculator, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!main.dialog(u"Form2"_s));
        calculator = main.openDialog(u"Form2"_s);
        QCOMPARE(box(calculator, "Text1")->text(), QString());
        click(calculator, "Command3");
        const FakeHost::Message &info = host.lastMessage();
        QVERIFY(info.title == u"Info"_s && info.buttons == ui::Buttons::Ok &&
                info.icon == ui::Icon::None);
        QCOMPARE(info.text,
                 QString::fromUtf8(readFile(u"" VELMORA_TEST_DATA "/calculator_info.txt"_s)));
    }

    void artillery_data()
    {
        QTest::addColumn<QStringList>("fields"); // name=text, typed in
        QTest::addColumn<QString>("blocker");    // a folder in the way of a file
        QTest::addColumn<QStringList>("clicks");
        // Golden artillery_<row>.txt: the lists, Text5, the messages, the files written.
        const QStringList once{u"Command2"_s};
        QTest::newRow("defaults twice") << QStringList() << QString() << once + once;
        // "des" is what a completing box would turn into the listed "Destroy".
        QTest::newRow("typed fields and fractional marker")
            << QStringList{u"Combo1=colorred"_s, u"Combo2=des"_s, u"Text5=2,5"_s,   u"Text1= 2.5"_s,
                           u"Text2=10"_s,        u"Text3=20"_s,   u"Text4=\"30\""_s}
            << QString() << once;
        QTest::newRow("empty marker refused") << QStringList{u"Text5="_s} << QString() << once;
        QTest::newRow("text marker refused")
            << QStringList{u"Text5=Marker 1"_s} << QString() << once;
        QTest::newRow("ziel.sqs blocked") << QStringList() << u"ziel.sqs"_s << once;
        QTest::newRow("info") << QStringList() << QString() << QStringList{u"Command1"_s};
    }

    void artillery()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, blocker);
        QFETCH(QStringList, clicks);
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
        for (const QString &button : std::as_const(clicks))
            click(&dialog, qPrintable(button));

        QString seen;
        for (const char *name : {"Combo1", "Combo2"}) {
            auto *list = dialog.findChild<QComboBox *>(QLatin1StringView(name));
            QVERIFY(list->isEditable());
            for (int i = 0; i < list->count(); ++i)
                seen += list->itemText(i) + u"\r\n"_s;
        }
        seen += u"Text5: "_s + box(&dialog, "Text5")->text() + u"\r\n"_s;
        for (const FakeHost::Message &m : std::as_const(host.messages)) {
            QCOMPARE(m.buttons, ui::Buttons::Ok);
            QCOMPARE(m.icon, m.title == u"Info"_s ? ui::Icon::None : ui::Icon::Critical);
            seen += m.title + u": "_s + m.text + u"\r\n"_s;
        }
        QByteArray written = core::toCp1252(seen);
        for (const QString &name : dir.entryList(QDir::Files))
            written += "== " + name.toLatin1() + "\r\n" + readFile(dir.filePath(name));
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
        const QString golden = QStringLiteral(VELMORA_TEST_DATA "/artillery_") + tag + u".txt"_s;
        QCOMPARE(written.split('\n'), readFile(golden).split('\n')); // names the first wrong line
    }
};

QTEST_MAIN(ToolsTests)
#include "test_tools.moc"
