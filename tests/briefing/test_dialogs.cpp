#include "support/steps.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QTest>

using namespace Qt::StringLiterals;

class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void chains_data()
    {
        // Each number clicks the check box of that entry of the chain (a disabled one ignores
        // the click). The state shows each entry: x ticked and open, o tickable, - disabled.
        QTest::addColumn<bool>("endings");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("state");
        for (bool endings : {false, true}) {
            const int count = endings ? 5 : 8;
            const auto row = [&](const char *name, const QList<int> &clicks, const QString &state) {
                QTest::addRow("%s: %s", endings ? "endings" : "objectives", name)
                    << endings << clicks << state.left(count);
            };
            row("tick three, untick the first", {1, 2, 3, 1}, u"o-------"_s);
            row("untick the second, the first stays", {1, 2, 3, 2}, u"xo------"_s);
            row("tick the first again", {1, 2, 3, 1, 1}, u"xo------"_s);
            row("all ticked", QList{1, 2, 3, 4, 5, 6, 7, 8}.first(count), u"xxxxxxxx"_s);
        }
    }
    void chains()
    {
        QFETCH(bool, endings);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, state);
        Program program;
        const Window w = program.open(app::Tool::BriefingEditor);
        // Objectives: Check1 .. Check8 with Text4 .. Text11; endings: Check9 .. Check13 with
        // Text12 .. Text21, a title and a text each.
        auto check = [&](int k) {
            return w.get<QCheckBox>(u"Check%1"_s.arg((endings ? 8 : 0) + k));
        };
        for (int k : clicks)
            check(k)->click();
        QString stateAfter, texts;
        for (int k = 1; k <= state.size(); ++k) {
            stateAfter += check(k)->isChecked() ? u'x' : check(k)->isEnabled() ? u'o' : u'-';
            const QStringList boxes =
                endings ? QStringList{u"Text%1"_s.arg(10 + 2 * k), u"Text%1"_s.arg(11 + 2 * k)}
                        : QStringList{u"Text%1"_s.arg(3 + k)};
            for (const QString &box : boxes) {
                QVERIFY2(steps::is(w, box, check(k)->isChecked() ? u"open"_s : u"shut"_s),
                         qPrintable(box));
                texts += w.text(box) + u'|';
            }
        }
        QCOMPARE(stateAfter, state);
        QCOMPARE(texts, endings ? u"Titel|Text|"_s.repeated(5) : u"|"_s.repeated(8)); // kept
        QVERIFY(w.enabled(endings ? u"Check1"_s : u"Check9"_s)); // the other chain untouched
        QVERIFY(!w.enabled(endings ? u"Check2"_s : u"Check10"_s));
    }

    // A click into a field shows it in the preview, also into the field that has the focus
    // (a save may have emptied the preview meanwhile); moving there by keyboard does not.
    void previewFollowsClicks()
    {
        Program program;
        const Window w = program.open(app::Tool::BriefingEditor);
        w.click(u"Check9"_s);
        w.type(u"Text2"_s, u"Notiz"_s);
        QTest::mouseClick(w.get(u"Text13"_s), Qt::LeftButton);
        QCOMPARE(w.text(u"Text3"_s), u"Text"_s);
        w.click(u"Command1"_s);
        w.get(u"Text2"_s)->setFocus();
        QTest::mouseClick(w.get(u"Text2"_s), Qt::LeftButton);
        QCOMPARE(w.text(u"Text3"_s), u"Notiz"_s);
        QFocusEvent tabbedInto(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w.get(u"Text1"_s), &tabbedInto);
        QCOMPARE(w.text(u"Text3"_s), u"Notiz"_s);
        // One word of many thousand letters: breaking it only between words took seconds at
        // every keystroke, so such a text breaks anywhere.
        w.type(u"Text2"_s, QString(40000, u'x'));
        auto *preview = w.get<QPlainTextEdit>(u"Text3"_s);
        QCOMPARE(preview->wordWrapMode(), QTextOption::WrapAnywhere);
        w.type(u"Text2"_s, u"kurze Worte "_s.repeated(100));
        QCOMPARE(preview->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    void stories_data() { addStories(); }
    void stories() { playStory(); }
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
