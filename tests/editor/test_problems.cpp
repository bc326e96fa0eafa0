// The problems list below the main text and the marks in it, beyond the stories: where a
// problem's line and column lie in the box, very many problems, the check after a pause.
#include "editor/lineplaces.h"
#include "support/steps.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>

#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Shown : ShownProgram
{
    editor::ProblemsPanel &panel() { return main.problemsPanel(); }
    QAbstractItemView &view() { return *Window{&main}.get<QAbstractItemView>(u"problems"_s); }
    QString rows() { return Window{&main}.text(u"problems"_s); }
};

// The box's text between two positions, the pieces of a long line joined again.
QString between(const ui::ExactTextEdit &box, int from, int to)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor.selectedText().remove(QChar::ParagraphSeparator);
}

} // namespace

class TestProblems : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // In the text, "¶" is a line break typed with Shift+Return. Expected: the line up to the
    // column, then in brackets from there to the line's end.
    void places_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        const QString text = u"eins\r\nzwei drei\r\nvier"_s;
        QTest::newRow("inside a line") << text << 2 << 6 << u"zwei [drei]"_s;
        QTest::newRow("line past the end of the text") << text << 9 << 2 << u"vier[]"_s;
        const QString x(2500, u'x'), y(1500, u'y');
        QTest::newRow("long line, in its third piece")
            << u"kurz\r\n"_s + x + u'Z' + y + u"\r\nende"_s << 2 << 2501 << x + u"[Z"_s + y + u']';
        QTest::newRow("the line after a long one")
            << x + y + u"\r\nende"_s << 2 << 2 << u"e[nde]"_s;
        const QString breaks = u"eins¶zwei\r\ndrei¶¶fünf\r\nsechs"_s;
        QTest::newRow("column past a typed break") << breaks << 1 << 9 << u"eins[]"_s;
        QTest::newRow("after a typed break") << breaks << 2 << 2 << u"z[wei]"_s;
        QTest::newRow("between two typed breaks") << breaks << 4 << 1 << u"[]"_s;
        QTest::newRow("lines after typed breaks") << breaks << 6 << 3 << u"se[chs]"_s;
        QTest::newRow("typed break in a long line")
            << x + u"ab¶c"_s + y << 2 << 2 << u"c["_s + y + u']';
    }
    void places()
    {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, expected);
        ui::ExactTextEdit box;
        box.setText(text);
        for (QTextCursor mark; !(mark = box.document()->find(u"¶"_s)).isNull();)
            mark.insertText(QString(QChar::LineSeparator)); // as the user types it
        editor::LinePlaces places;
        places.learn(box, int(box.text().split(QRegularExpression(u"\r\n|\r|\n"_s)).size()));
        const editor::LinePlaces::Span span = places.span(box, line, column);
        QCOMPARE(between(box, span.start, span.from) + u'[' + between(box, span.from, span.to) +
                     u']',
                 expected);
    }

    // A hundred thousand problems: each is listed with the toolkit's picture for its kind,
    // the last is reached, and only the lines in view carry marks.
    void manyProblems()
    {
        Shown program;
        program.box().setText(u"?x\r\n"_s.repeated(99'999) + u"#a ; x"_s);
        program.panel().checkNow();
        QAbstractItemModel &rows = *program.view().model();
        QCOMPARE(rows.rowCount(), 100'000);
        const auto picture = [&](int row) {
            return rows.index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
        };
        const auto standard = [](QStyle::StandardPixmap which) {
            return QApplication::style()->standardIcon(which).pixmap(16).toImage();
        };
        QCOMPARE(picture(0), standard(QStyle::SP_MessageBoxCritical));
        QCOMPARE(picture(99'999), standard(QStyle::SP_MessageBoxWarning));
        activateRow(program.view(), 100'000, false);
        QCOMPARE(placeInText(program.box(), program.box().textCursor().position()), u"100000 4"_s);
        QString marks; // the marks follow the view once it has moved
        QTRY_VERIFY2((marks = steps::markedLines(program.box())).endsWith(u" 99999 100000"_s) &&
                         marks.count(u' ') < 100,
                     qPrintable(marks));
    }

    // Reading in a file with a long line first empties the box, and the line numbers' margin
    // narrows in the middle of that edit: the marks must not be replaced while the document
    // holds on to its cursors (under the address sanitizer a freed cursor would be touched).
    void marksWhileTheViewChangesInAnEdit()
    {
        Shown program;
        program.box().setText(u"?x\r\n"_s.repeated(20'000));
        program.panel().checkNow();
        QVERIFY(steps::markedLines(program.box()).startsWith(u"1 2 3"_s));
        program.box().setText(u"?x\r\n"_s.repeated(9) + QString(100'000, u'x'));
        program.panel().checkNow();
        QVERIFY(steps::markedLines(program.box()).startsWith(u"1 2 3"_s));
    }

    // Typing costs no check: the list follows once typing pauses, and at once when the
    // language is chosen by hand.
    void checkedAfterThePause()
    {
        Shown program;
        QTest::keyClicks(&program.box(), u"?x"_s);
        QVERIFY(program.panel().checkPending());
        QCOMPARE(program.rows(), u"Keine Probleme gefunden"_s);
        QTRY_VERIFY(!program.panel().checkPending());
        QCOMPARE(steps::markedLines(program.box()), u"1"_s);
        const QString sqsRows = program.rows();
        Window{&program.main}.get<QComboBox>(u"language"_s)->setCurrentIndex(2);
        QTRY_VERIFY(!program.panel().checkPending());
        QVERIFY(program.rows() != sqsRows && program.rows().startsWith(u"Zeile 1: "_s));
    }

    // A check still running when a newer one has been shown is dropped, not shown after it.
    void olderCheckNotShown()
    {
        Shown program;
        program.box().setPlainText(u"?x\r\n"_s.repeated(200'000));
        QTimer &pause = *program.panel().findChild<QTimer *>();
        QTimerEvent end(pause.timerId()); // the pause is over: that text is checked
        QApplication::sendEvent(&pause, &end);
        program.box().setPlainText(u"hint \"a\""_s);
        program.panel().checkNow();
        QSignalSpy shown(&program.panel(), &editor::ProblemsPanel::checked);
        program.box().setPlainText(u"~"_s);
        QTRY_VERIFY(!program.panel().checkPending());
        QCOMPARE(shown.size(), 1);
    }

    // A text whose check would not fit into the memory left is not checked, and the list says
    // so; with the memory back, it is.
    void tooBigToCheck()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer does not run under an address-space limit");
#endif
        Program program;
        program.main.replace((u'?' + QString(60, u' ') + u"x\r\n"_s).repeated(50'000));
        rlimit before{};
        QCOMPARE(::getrlimit(RLIMIT_AS, &before), 0);
        const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_AS, &before); });
        QFile pages(u"/proc/self/statm"_s); // the first number: the address space used
        QVERIFY(pages.open(QIODevice::ReadOnly));
        rlimit limit = before;
        limit.rlim_cur = rlim_t(pages.readAll().split(' ')[0].toLongLong() * ::getpagesize() +
                                (qint64(100) << 20));
        QCOMPARE(::setrlimit(RLIMIT_AS, &limit), 0);
        program.main.problemsPanel().checkNow();
        ::setrlimit(RLIMIT_AS, &before);
        const Window w{&program.main};
        QCOMPARE(w.text(u"problems"_s),
                 u"Der Text ist zu groß, um ihn mit dem freien Speicher zu prüfen"_s);
        program.main.problemsPanel().checkNow();
        QCOMPARE(w.get<QAbstractItemView>(u"problems"_s)->model()->rowCount(), 50'000);
    }
};

QTEST_MAIN(TestProblems)
#include "test_problems.moc"
