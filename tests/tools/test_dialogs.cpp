#include "app/mainwindow.h"
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
// Records what the result boxes show at the moment each message appears.
class WatchingHost : public FakeHost
{
public:
    using FakeHost::FakeHost;
    QWidget *window = nullptr;
    QStringList seen;

    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override
    {
        if (window)
            seen.append(window->findChild<QLineEdit *>(u"Text3"_s)->text() + u" | "_s +
                        window->findChild<QLineEdit *>(u"Text4"_s)->text());
        return FakeHost::message(title, text, buttons, icon);
    }
};

QLineEdit *box(QWidget *window, const QString &name)
{
    auto *found = window->findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no box %s", qPrintable(name));
    return found;
}

void click(QWidget *window, const QString &button)
{
    auto *found = window->findChild<QPushButton *>(button);
    if (!found)
        qFatal("no button %s", qPrintable(button));
    QTest::mouseClick(found, Qt::LeftButton);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QByteArray golden(const QString &name)
{
    return readFile(QStringLiteral(VELMORA_TEST_DATA "/") + name);
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const QStringList kPackage{u"init.sqs"_s, u"markieren.sqs"_s, u"ziel.sqs"_s, u"schuss.sqs"_s};
} // namespace

class ToolsDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void calculatorShowsResultsBeforeMessages_data();
    void calculatorShowsResultsBeforeMessages();
    void calculatorInfoAndTabOrder();
    void calculatorIsOneWindowStartingEmpty();

    void artilleryDefaults();
    void artilleryWritesPackage();
    void artilleryTypedAndFractional();
    void artilleryWriteFailureHalfWay();
    void artilleryRefusesMarkerNumber_data();
    void artilleryRefusesMarkerNumber();
};

void ToolsDialogs::calculatorShowsResultsBeforeMessages_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("seen"); // result boxes when each message shows

    const QString missing = u"Fehlender Eintrag"_s;
    QTest::newRow("speed empty") << u""_s << u"100"_s << QStringList{missing}
                                 << QStringList{tools::kMissingSpeed}
                                 << QStringList{u"0,00 | 4,52"_s};
    QTest::newRow("both empty, speed first")
        << u""_s << u""_s << QStringList{missing, missing}
        << QStringList{tools::kMissingSpeed, tools::kMissingHeight}
        << QStringList{u"0,00 | 0,00"_s, u"0,00 | 0,00"_s};
    QTest::newRow("height zero") << u"400"_s << u"0"_s << QStringList{missing}
                                 << QStringList{tools::kMissingHeight}
                                 << QStringList{u"0,00 | 0,00"_s};
    QTest::newRow("refused input clears the old results")
        << u"400"_s << u"-5"_s << QStringList{u"Fehler"_s} << QStringList{tools::kNegativeHeight}
        << QStringList{u" | "_s};
}

void ToolsDialogs::calculatorShowsResultsBeforeMessages()
{
    QFETCH(QString, speed);
    QFETCH(QString, height);
    WatchingHost host;
    tools::BombDropCalculator calculator(host);
    host.window = &calculator;
    box(&calculator, u"Text1"_s)->setText(u"400"_s);
    box(&calculator, u"Text2"_s)->setText(u"100"_s);
    click(&calculator, u"Command1"_s);
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(box(&calculator, u"Text3"_s)->text(), u"501,69"_s);

    box(&calculator, u"Text1"_s)->setText(speed);
    box(&calculator, u"Text2"_s)->setText(height);
    // Twice: the same inputs give the same results and the same messages again.
    for (int round = 0; round < 2; ++round) {
        host.messages.clear();
        host.seen.clear();
        click(&calculator, u"Command1"_s);
        QStringList titles;
        for (const FakeHost::Message &m : std::as_const(host.messages)) {
            titles.append(m.title);
            QCOMPARE(m.icon, ui::Icon::Critical);
            QCOMPARE(m.buttons, ui::Buttons::Ok);
        }
        QTEST(titles, "titles");
        QTEST(host.messageTexts(), "texts");
        QTEST(host.seen, "seen");
    }
}

void ToolsDialogs::calculatorInfoAndTabOrder()
{
    FakeHost host;
    tools::BombDropCalculator calculator(host);
    QCOMPARE(calculator.windowTitle(), u"Bomb Drop Position Rechner"_s);
    for (const QString &result : {u"Text3"_s, u"Text4"_s})
        QVERIFY(box(&calculator, result)->isReadOnly());

    click(&calculator, u"Command3"_s);
    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.lastMessage().title, u"Info"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::None);
    const QStringList paragraphs = host.lastMessage().text.split(u"\r\n\r\n"_s);
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs[0].startsWith(u"Dieser Rechner rechnet aus wie lange"_s));
    QVERIFY(paragraphs[1].contains(u"unter der Vorraussetzung das man sich"_s));
    QVERIFY(paragraphs[1].endsWith(u"in Zeitlupe die Bombe abwirft."_s));

    QStringList order;
    QWidget *widget = box(&calculator, u"Text1"_s);
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != box(&calculator, u"Text1"_s));
    QCOMPARE(order, (QStringList{u"Text1"_s, u"Text2"_s, u"Command1"_s, u"Command2"_s,
                                 u"Command3"_s, u"Text3"_s, u"Text4"_s}));
}

void ToolsDialogs::calculatorIsOneWindowStartingEmpty()
{
    FakeHost host;
    app::MainWindow main(host);
    QWidget *calculator = main.openDialog(u"Form2"_s);
    QVERIFY(calculator);
    QCOMPARE(calculator->objectName(), u"Form2"_s);
    box(calculator, u"Text1"_s)->setText(u"400"_s);
    QCOMPARE(main.openDialog(u"Form2"_s), calculator);
    QCOMPARE(box(calculator, u"Text1"_s)->text(), u"400"_s);

    click(calculator, u"Command2"_s);
    deleteClosedWindows();
    QVERIFY(!main.dialog(u"Form2"_s));
    calculator = main.openDialog(u"Form2"_s);
    QVERIFY(calculator);
    QVERIFY(box(calculator, u"Text1"_s)->text().isEmpty());
    calculator->close();
    deleteClosedWindows();
}

void ToolsDialogs::artilleryDefaults()
{
    FakeHost host;
    app::MainWindow main(host);
    QWidget *dialog = main.openDialog(u"Form9"_s);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"Artilleriebeschuss"_s);
    auto *colour = dialog->findChild<QComboBox *>(u"Combo1"_s);
    auto *type = dialog->findChild<QComboBox *>(u"Combo2"_s);
    QVERIFY(colour && type && colour->isEditable() && type->isEditable());
    QCOMPARE(colour->currentText(), u"ColorBlack"_s);
    QCOMPARE(type->currentText(), u"Destroy"_s);
    QStringList types;
    for (int i = 0; i < type->count(); ++i)
        types.append(type->itemText(i));
    QCOMPARE(types, (QStringList{u"Destroy"_s, u"End"_s, u"Empty"_s, u"Marker"_s, u"Start"_s,
                                 u"Arrow"_s, u"Warning"_s, u"Dot"_s, u"Join"_s, u"Unknown"_s}));
    QCOMPARE(colour->count(), 8);
    QCOMPARE(colour->itemText(7), u"ColorWhite"_s);
    const QStringList defaults{u"Text5=1"_s, u"Text1=4"_s, u"Text2=50"_s, u"Text3=50"_s,
                               u"Text4=50"_s};
    for (const QString &pair : defaults) {
        const QStringList parts = pair.split(u'=');
        QCOMPARE(box(dialog, parts[0])->text(), parts[1]);
    }

    click(dialog, u"Command1"_s);
    QCOMPARE(host.lastMessage().title, u"Info"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::None);
    QVERIFY(host.lastMessage().text.startsWith(u"Mit diesem Programm kann man ein Script"_s));
    QVERIFY(host.lastMessage().text.endsWith(u"um das Script zu generieren."_s));

    // Closing forgets the lowered number and anything typed.
    box(dialog, u"Text5"_s)->setText(u"7"_s);
    click(dialog, u"Command3"_s);
    deleteClosedWindows();
    dialog = main.openDialog(u"Form9"_s);
    QCOMPARE(box(dialog, u"Text5"_s)->text(), u"1"_s);
    dialog->close();
    deleteClosedWindows();
}

void ToolsDialogs::artilleryWritesPackage()
{
    QTemporaryDir folder;
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    QDir dir(folder.path());
    QFile stale(dir.filePath(u"ziel.sqs"_s));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(4000, 'x')); // longer than the new file: must be cut, not kept
    stale.close();

    click(&dialog, u"Command2"_s);
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(box(&dialog, u"Text5"_s)->text(), u"0"_s);
    for (const QString &name : kPackage)
        QCOMPARE(readFile(dir.filePath(name)), golden(name));

    click(&dialog, u"Command2"_s);
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(box(&dialog, u"Text5"_s)->text(), u"-1"_s);
    QByteArray target = golden(u"ziel.sqs"_s);
    target.replace("#0/0\"", "#0/-1\"");
    QCOMPARE(readFile(dir.filePath(u"ziel.sqs"_s)), target);
    for (const QString &name : {u"init.sqs"_s, u"markieren.sqs"_s, u"schuss.sqs"_s})
        QCOMPARE(readFile(dir.filePath(name)), golden(name));
}

void ToolsDialogs::artilleryTypedAndFractional()
{
    QTemporaryDir folder;
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    auto *type = dialog.findChild<QComboBox *>(u"Combo2"_s);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    type->setFocus();
    type->lineEdit()->selectAll();
    // Typed so that a completing box would turn it into the listed "Destroy".
    QTest::keyClicks(type->lineEdit(), u"des"_s);
    QTest::keyClick(type->lineEdit(), Qt::Key_Return);
    box(&dialog, u"Text5"_s)->setText(u"2,5"_s);
    click(&dialog, u"Command2"_s);

    QCOMPARE(box(&dialog, u"Text5"_s)->text(), u"1,5"_s);
    const QByteArray target = readFile(QDir(folder.path()).filePath(u"ziel.sqs"_s));
    QVERIFY2(target.contains("\"_user_defined #0/1,5\" setmarkertype \"des\"\r\n"), target);
    QVERIFY(target.startsWith("\"_user_defined #0/1,5\" setmarkercolor \"ColorBlack\"\r\n"));
}

void ToolsDialogs::artilleryWriteFailureHalfWay()
{
    QTemporaryDir folder;
    QDir dir(folder.path());
    QVERIFY(dir.mkdir(u"ziel.sqs"_s));
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    click(&dialog, u"Command2"_s);

    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.lastMessage().title, u"Fehler"_s);
    QCOMPARE(host.lastMessage().text, u"Die Dateien konnten nicht erstellt werden"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::Critical);
    QCOMPARE(host.lastMessage().buttons, ui::Buttons::Ok);
    QCOMPARE(box(&dialog, u"Text5"_s)->text(), u"0"_s);
    QCOMPARE(readFile(dir.filePath(u"init.sqs"_s)), golden(u"init.sqs"_s));
    QCOMPARE(readFile(dir.filePath(u"markieren.sqs"_s)), golden(u"markieren.sqs"_s));
    QVERIFY(!QFile::exists(dir.filePath(u"schuss.sqs"_s)));
}

void ToolsDialogs::artilleryRefusesMarkerNumber_data()
{
    QTest::addColumn<QString>("marker");
    QTest::newRow("empty") << QString();
    QTest::newRow("text") << u"Marker 1"_s;
    QTest::newRow("decimal point in German") << u"1.5"_s;
}

void ToolsDialogs::artilleryRefusesMarkerNumber()
{
    QFETCH(QString, marker);
    QTemporaryDir folder;
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    box(&dialog, u"Text5"_s)->setText(marker);
    click(&dialog, u"Command2"_s);

    QCOMPARE(host.messages.size(), 1);
    QCOMPARE(host.lastMessage().title, u"Fehler"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::Critical);
    QVERIFY(host.lastMessage().text.contains(u"Nummer des Markers"_s));
    QCOMPARE(box(&dialog, u"Text5"_s)->text(), marker);
    QVERIFY(QDir(folder.path()).isEmpty());
}

QTEST_MAIN(ToolsDialogs)
#include "test_dialogs.moc"
