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
QLineEdit *box(QWidget *window, const QString &name)
{
    auto *found = window->findChild<QLineEdit *>(name);
    if (!found)
        qFatal("no box %s", qPrintable(name));
    return found;
}

void click(QWidget *window, const QString &button)
{
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
}

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
        seen.append(title + u": "_s + box(window, u"Text3"_s)->text() + u" | "_s +
                    box(window, u"Text4"_s)->text());
        return FakeHost::message(title, text, buttons, icon);
    }
};

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
    void artilleryWritesPackageTwice();
    void artilleryTypedAndFractional();
    void artilleryWriteFailureHalfWay();
    void artilleryRefusesMarkerNumber();
};

void ToolsDialogs::calculatorShowsResultsBeforeMessages_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QStringList>("seen"); // title and result boxes at each message

    QTest::newRow("both empty, speed first")
        << u""_s << u""_s
        << QStringList{u"Fehlender Eintrag: 0,00 | 0,00"_s, u"Fehlender Eintrag: 0,00 | 0,00"_s};
    QTest::newRow("speed empty") << u""_s << u"100"_s
                                 << QStringList{u"Fehlender Eintrag: 0,00 | 4,52"_s};
    QTest::newRow("refused input clears old results")
        << u"400"_s << u"-5"_s << QStringList{u"Fehler:  | "_s};
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
    QCOMPARE(box(&calculator, u"Text3"_s)->text() + box(&calculator, u"Text4"_s)->text(),
             u"501,694,52"_s);

    box(&calculator, u"Text1"_s)->setText(speed);
    box(&calculator, u"Text2"_s)->setText(height);
    for (int round = 0; round < 2; ++round) { // the same again on a second click
        host.seen.clear();
        click(&calculator, u"Command1"_s);
        QTEST(host.seen, "seen");
        QCOMPARE(host.lastMessage().icon, ui::Icon::Critical);
    }
}

void ToolsDialogs::calculatorInfoAndTabOrder()
{
    FakeHost host;
    tools::BombDropCalculator calculator(host);
    QVERIFY(box(&calculator, u"Text3"_s)->isReadOnly() &&
            box(&calculator, u"Text4"_s)->isReadOnly());
    click(&calculator, u"Command3"_s);
    QCOMPARE(host.lastMessage().title, u"Info"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::None);
    const QStringList paragraphs = host.lastMessage().text.split(u"\r\n\r\n"_s);
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs[1].endsWith(u"in Zeitlupe die Bombe abwirft."_s));

    QStringList order;
    QWidget *first = box(&calculator, u"Text1"_s), *widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(order.join(u' '), u"Text1 Text2 Command1 Command2 Command3 Text3 Text4"_s);
}

void ToolsDialogs::calculatorIsOneWindowStartingEmpty()
{
    FakeHost host;
    app::MainWindow main(host);
    QWidget *calculator = main.openDialog(u"Form2"_s);
    QVERIFY(calculator);
    box(calculator, u"Text1"_s)->setText(u"400"_s);
    QCOMPARE(main.openDialog(u"Form2"_s), calculator);

    click(calculator, u"Command2"_s);
    deleteClosedWindows();
    QVERIFY(!main.dialog(u"Form2"_s));
    calculator = main.openDialog(u"Form2"_s);
    QCOMPARE(box(calculator, u"Text1"_s)->text(), QString());
    calculator->close();
    deleteClosedWindows();
}

void ToolsDialogs::artilleryDefaults()
{
    FakeHost host;
    tools::ArtilleryDialog dialog(host);
    auto *colour = dialog.findChild<QComboBox *>(u"Combo1"_s);
    auto *type = dialog.findChild<QComboBox *>(u"Combo2"_s);
    QVERIFY(colour->isEditable() && type->isEditable());
    QStringList texts{colour->currentText(), type->currentText()};
    for (QComboBox *list : {colour, type})
        texts.append(list->itemText(list->count() - 1));
    for (const char *name : {"Text5", "Text1", "Text2", "Text3", "Text4"})
        texts.append(box(&dialog, QString::fromLatin1(name))->text());
    QCOMPARE(texts.join(u' '), u"ColorBlack Destroy ColorWhite Unknown 1 4 50 50 50"_s);
    QCOMPARE(colour->count() + type->count(), 8 + 10);

    click(&dialog, u"Command1"_s);
    QCOMPARE(host.lastMessage().title, u"Info"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::None);
    QVERIFY(host.lastMessage().text.endsWith(u"um das Script zu generieren."_s));
}

void ToolsDialogs::artilleryWritesPackageTwice()
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    QByteArray target = golden(u"ziel.sqs"_s);
    for (const QString &marker : {u"0"_s, u"-1"_s}) {
        click(&dialog, u"Command2"_s);
        QCOMPARE(box(&dialog, u"Text5"_s)->text(), marker);
        target.replace("#0/0\"", "#0/" + marker.toLatin1() + '"');
        QCOMPARE(readFile(dir.filePath(u"ziel.sqs"_s)), target);
        for (const QString &name : {u"init.sqs"_s, u"markieren.sqs"_s, u"schuss.sqs"_s})
            QCOMPARE(readFile(dir.filePath(name)), golden(name));
    }
    QVERIFY(host.messages.isEmpty());
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
}

void ToolsDialogs::artilleryWriteFailureHalfWay()
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QVERIFY(dir.mkdir(u"ziel.sqs"_s));
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    click(&dialog, u"Command2"_s);

    QCOMPARE(host.messageTexts(), QStringList{u"Die Dateien konnten nicht erstellt werden"_s});
    QCOMPARE(host.lastMessage().title, u"Fehler"_s);
    QCOMPARE(host.lastMessage().icon, ui::Icon::Critical);
    QCOMPARE(box(&dialog, u"Text5"_s)->text(), u"0"_s);
    QCOMPARE(readFile(dir.filePath(u"init.sqs"_s)), golden(u"init.sqs"_s));
    QCOMPARE(readFile(dir.filePath(u"markieren.sqs"_s)), golden(u"markieren.sqs"_s));
    QVERIFY(!QFile::exists(dir.filePath(u"schuss.sqs"_s)));
}

void ToolsDialogs::artilleryRefusesMarkerNumber()
{
    QTemporaryDir folder;
    FakeHost host(folder.path());
    tools::ArtilleryDialog dialog(host);
    for (const QString &marker : {QString(), u"Marker 1"_s}) {
        box(&dialog, u"Text5"_s)->setText(marker);
        click(&dialog, u"Command2"_s);
        QCOMPARE(host.lastMessage().title, u"Fehler"_s);
        QVERIFY(host.lastMessage().text.contains(u"Nummer des Markers"_s));
        QCOMPARE(box(&dialog, u"Text5"_s)->text(), marker);
    }
    QCOMPARE(host.messages.size(), 2);
    QVERIFY(QDir(folder.path()).isEmpty());
}

QTEST_MAIN(ToolsDialogs)
#include "test_dialogs.moc"
