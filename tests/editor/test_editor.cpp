#include "app/mainwindow.h"
#include "core/codepage.h"
#include "editor/filecommands.h"
#include "editor/highlighting.h"
#include "editor/maintextedit.h"
#include "editor/readfilepart.h"
#include "editor/recentfiles.h"
#include "editor/recovery.h"
#include "editor/textsearch.h"
#include "support/steps.h"
#include "ui/settings.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>

using namespace Qt::StringLiterals;
using editor::Span;
using editor::Token;
using Spans = QList<Span>;
using Starts = QList<qsizetype>;
using Result = std::optional<QByteArray>;

namespace {
constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

Result read(const QString &path, qint32 start, qint32 length)
{
    const std::optional<QString> text = ReadFilePart(path, start, length);
    return text ? Result(core::toCp1252(*text)) : Result();
}

struct Fixture : ShownProgram
{
    void type(int key, Qt::KeyboardModifiers modifiers = {})
    {
        auto *box = main.findChild<QWidget *>(u"Text1"_s);
        box->setFocus();
        QTest::keyClick(box, Qt::Key(key), modifiers);
    }
};
} // namespace

class TestEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Text from transfers and appends comes back as it went in, until the user edits it.
    void textComesBackExactly()
    {
        Fixture f;
        for (const QString &text : {u"a\u00A0b"_s, u"a\u2028b"_s, u"a\u2029b"_s, u"a\rb\nc"_s}) {
            f.main.replace(text);
            f.main.append(text);
            QCOMPARE(f.main.text(), text + text);
        }
        f.type(Qt::Key_End, Qt::ControlModifier);
        f.type(Qt::Key_D);
        QCOMPARE(f.main.text(), u"a\r\nb\r\nca\r\nb\r\ncd"_s);
        // A snippet appended can be taken back.
        Window{&f.main}.click(u"Command2"_s);
        const QString once = f.main.text();
        Window{&f.main}.click(u"Command2"_s);
        f.type(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.main.text(), once);
    }

    void stories_data() { addStories(); }
    void stories() { playStory(); }

    void highlightLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Spans>("spans");
        QTest::newRow("comment") << u";Kommentar \"x\""_s << Spans{{0, 14, Token::Comment}};
        QTest::newRow("indented label") << u"  #Start"_s << Spans{{2, 6, Token::Label}};
        QTest::newRow("wait") << u"~1.5"_s << Spans{{0, 4, Token::Wait}};
        QTest::newRow("condition then command")
            << u"?_j>_i:goto \"Start\";"_s
            << Spans{{0, 7, Token::Condition}, {7, 4, Token::Command}, {12, 7, Token::String}};
        QTest::newRow("class and braces")
            << u"class CfgSounds {}"_s
            << Spans{{0, 5, Token::Class}, {16, 1, Token::Brace}, {17, 1, Token::Brace}};
        QTest::newRow("commands in any case")
            << u"ID=u AddAction [\"T\",\"s.sqs\"]"_s
            << Spans{{5, 9, Token::Command}, {16, 3, Token::String}, {20, 7, Token::String}};
        QTest::newRow("unclosed string runs to the end")
            << u"hint \"abc"_s << Spans{{0, 4, Token::Command}, {5, 4, Token::String}};
        QTest::newRow("word containing a command is none") << u"exiting classy"_s << Spans{};
    }
    void highlightLine()
    {
        QFETCH(QString, line);
        QFETCH(Spans, spans);
        QCOMPARE(editor::highlightLine(line), spans);
    }

    // Forwards from a place, backwards from before one, and every match of a line.
    void search_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("options"); // 1: match case, 2: whole words
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("next");     // from at on
        QTest::addColumn<int>("previous"); // starting before at
        QTest::addColumn<Starts>("all");
        const QString units = u"_unit setpos getPos _Unit; _units"_s;
        QTest::newRow("any case, from the start")
            << units << u"_UNIT"_s << 0 << 0 << 0 << -1 << Starts{0, 20, 27};
        QTest::newRow("any case, from within")
            << units << u"_unit"_s << 0 << 1 << 20 << 0 << Starts{0, 20, 27};
        QTest::newRow("case matched") << units << u"_Unit"_s << 1 << 0 << 20 << -1 << Starts{20};
        QTest::newRow("whole words, underscore is part of a word")
            << units << u"unit"_s << 2 << 0 << -1 << -1 << Starts{};
        QTest::newRow("whole words") << units << u"_unit"_s << 2 << 33 << -1 << 20 << Starts{0, 20};
        QTest::newRow("umlauts in any case")
            << u"Höhe HÖHE"_s << u"höhe"_s << 0 << 1 << 5 << 0 << Starts{0, 5};
        QTest::newRow("overlapping matches, one after the other")
            << u"aaaa"_s << u"aa"_s << 0 << 4 << -1 << 2 << Starts{0, 2};
        QTest::newRow("from past the end")
            << units << u"_unit"_s << 0 << 99 << -1 << 27 << Starts{0, 20, 27};
        QTest::newRow("nothing to find") << units << QString() << 0 << 0 << -1 << -1 << Starts{};
    }
    void search()
    {
        QFETCH(QString, line);
        QFETCH(QString, needle);
        QFETCH(int, options);
        QFETCH(int, at);
        const editor::SearchOptions chosen{(options & 1) != 0, (options & 2) != 0};
        QTEST(int(editor::findNext(line, needle, at, chosen)), "next");
        QTEST(int(editor::findPrevious(line, needle, at, chosen)), "previous");
        QTEST(editor::findAll(line, needle, chosen), "all");
    }

    // The partner of the bracket at a place; brackets in strings do not count.
    void brackets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("partner");
        const QString block = u"class A\n{\n x[] = {\"}\", (1)};\n};"_s;
        QTest::newRow("forwards over lines and nested pairs") << block << 8 << 29;
        QTest::newRow("backwards over lines") << block << 29 << 8;
        QTest::newRow("a bracket in a string passed over") << block << 17 << 26;
        QTest::newRow("in a string: none") << block << 19 << int(editor::kNotABracket);
        QTest::newRow("no bracket") << block << 0 << int(editor::kNotABracket);
        QTest::newRow("a string ends with its line") << u"hint \"x\n(a)"_s << 8 << 10;
        QTest::newRow("unmatched") << u"(a [b)"_s << 3 << int(editor::kUnmatched);
        QTest::newRow("unmatched at the start") << u"\n)"_s << 1 << int(editor::kUnmatched);
    }
    void brackets()
    {
        QFETCH(QString, text);
        QFETCH(int, at);
        QTEST(int(editor::matchingBracket(text, at)), "partner");
    }

    // The last eight files, newest first and each once however written.
    void recentFiles()
    {
        editor::RecentFiles recent;
        for (int i = 1; i <= 9; ++i)
            recent.add(u"/m/%1.sqs"_s.arg(i));
        recent.add(u"/m/x/../5.sqs"_s);
        QCOMPARE(recent.paths(),
                 (QStringList{u"/m/5.sqs"_s, u"/m/9.sqs"_s, u"/m/8.sqs"_s, u"/m/7.sqs"_s,
                              u"/m/6.sqs"_s, u"/m/4.sqs"_s, u"/m/3.sqs"_s, u"/m/2.sqs"_s}));
    }

    // Every half minute the text is kept while it has changes that no file holds, and only
    // then.
    void recoveryEveryHalfMinute()
    {
        Fixture f;
        const QString kept = ui::recoveryFilePath();
        QFile::remove(kept);
        auto *timer = f.main.findChild<QTimer *>(u"recoveryTimer"_s);
        QVERIFY(timer->isActive() && timer->interval() == 30'000);
        timer->setInterval(1);
        QSignalSpy ticks(timer, &QTimer::timeout);
        QVERIFY(putFile(f.path(u"a.sqs"_s), "opened"));
        f.host.fileNames.enqueue(f.path(u"a.sqs"_s));
        Window{&f.main}.click(u"Command16"_s);
        QVERIFY(ticks.wait());
        QVERIFY(!QFile::exists(kept));
        f.type(Qt::Key_X);
        QVERIFY(ticks.wait());
        QCOMPARE(fileBytes(kept), QByteArray("xopened\r\n"));
        // Back to the file's own text: nothing more to keep.
        f.type(Qt::Key_Z, Qt::ControlModifier);
        QFile::remove(kept);
        QVERIFY(ticks.wait());
        QVERIFY(!QFile::exists(kept));
    }

    void rules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint32>("start");
        QTest::addColumn<qint32>("length");
        QTest::addColumn<Result>("expected");
        const QByteArray f = "0123456789";
        QTest::newRow("whole file, every byte value")
            << QByteArray("\x00\x81\xE4\r\n\r", 6) << 1 << 0
            << Result(QByteArray("\x00\x81\xE4\r\n\r", 6));
        QTest::newRow("from a position to the end") << f << 4 << 0 << Result("3456789");
        QTest::newRow("a range cut at the end") << f << 8 << 100 << Result("789");
        QTest::newRow("start past the end") << f << 11 << 5 << Result("");
        QTest::newRow("start 0 gives the last bytes") << f << 0 << 3 << Result("789");
        QTest::newRow("negative start, negative length") << f << -7 << -3 << Result("789");
        QTest::newRow("bytes ending at a position") << f << 5 << -2 << Result("34");
        QTest::newRow("bytes ending at a position, clipped") << f << 3 << -8 << Result("012");
        QTest::newRow("negative length past the end") << f << 11 << -2 << Result("");
        QTest::newRow("empty file from the end") << QByteArray() << 0 << 5 << Result("");
        QTest::newRow("length overflows the end position") << f << 5 << kMax << Result();
        QTest::newRow("start overflows the end position") << f << kMax << 1 << Result();
        QTest::newRow("smallest length from the end") << f << 0 << kMin << Result();
        QTest::newRow("smallest length backwards") << f << 3 << kMin << Result();
    }
    void rules()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint32, start);
        QFETCH(qint32, length);
        QFETCH(Result, expected);
        QTemporaryDir dir;
        QVERIFY(putFile(dir.filePath(u"f"_s), file));
        QCOMPARE(read(dir.filePath(u"f"_s), start, length), expected);
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
