#include "support/steps.h"
#include "tools/bombdrop.h"
#include "tools/bombdropcalculator.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QString kSpeed = u"Fehlender Eintrag: Bitte einen Wert bei Geschwindigkeit eingeben."_s;
const QString kHeight = u"Fehlender Eintrag: Bitte einen Wert bei Flughöhe eingeben."_s;

// Records what the result boxes show at the moment each message appears.
class WatchingHost : public FakeHost
{
public:
    Window calculator;
    QStringList shown;
    QString results() const
    {
        return calculator.text(u"Text3"_s) + u" | "_s + calculator.text(u"Text4"_s);
    }
    ui::Answer message(const QString &title, const QString &text, ui::Buttons buttons,
                       ui::Icon icon) override
    {
        shown.append(results());
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
        const Window &w = host.calculator = {&calculator};
        w.type(u"Text1"_s, u"1"_s);
        w.type(u"Text2"_s, u"1"_s);
        w.click(u"Command1"_s); // old results that a refusal must not leave standing
        QLocale::setDefault(locale);
        w.type(u"Text1"_s, speed);
        w.type(u"Text2"_s, height);
        for (int round = 0; round < 2; ++round) { // the same again on a second click
            host.messages.clear();
            w.click(u"Command1"_s);
            QStringList seen{host.results()};
            for (const FakeHost::Message &message : std::as_const(host.messages)) {
                seen.append(message.title + u": "_s + message.text);
                QCOMPARE(message.icon, ui::Icon::Critical);
            }
            QTEST(seen, "expected");
        }
        // Results are written before the messages.
        QCOMPARE(host.shown, QStringList(2 * host.messages.size(), host.results()));
    }

    void calculatorWindow()
    {
        Program program;
        const Window w = program.open(app::Tool::BombDrop);
        QVERIFY(w.get<QLineEdit>(u"Text3"_s)->isReadOnly() && w.grey(u"Text4"_s));
        QStringList order;
        QWidget *first = w.get(u"Text1"_s), *widget = first;
        do {
            if (widget->focusPolicy() & Qt::TabFocus)
                order.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(order.join(u' '), u"Text1 Text2 Command1 Command2 Command3 Text3 Text4"_s);
        w.click(u"Command3"_s);
        const FakeHost::Message &info = program.host.lastMessage();
        QVERIFY(info.title == u"Info"_s && info.icon == ui::Icon::None);
        QCOMPARE(info.text.split(u"\r\n\r\n"_s).size(), 2);
        QVERIFY(info.text.contains(u"unter der Vorraussetzung das man"_s)); // the program's own
    }

    void stories_data() { addStories(); }
    void stories() { playStory(); }
};

QTEST_MAIN(ToolsTests)
#include "test_tools.moc"
