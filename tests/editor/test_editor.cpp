#include "app/mainwindow.h"
#include "core/codepage.h"
#include "editor/filecommands.h"
#include "editor/highlighting.h"
#include "editor/maintextedit.h"
#include "editor/readfilepart.h"
#include "support/steps.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <limits>

using namespace Qt::StringLiterals;
using editor::Span;
using editor::Token;
using Spans = QList<Span>;
using Result = std::optional<QByteArray>;

namespace {
constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

// What the reader should give, said by what is asked for rather than step by step: a range
// of the file, or a failure where the 32-bit positions overflow.
Result model(const QByteArray &file, qint32 start, qint32 length)
{
    const qint64 size = file.size();
    const qint64 n = length == 0 ? size : length;
    auto range = [&](qint64 first, qint64 last) {
        first = std::max<qint64>(first, 1);
        last = std::min(last, size);
        return first > last ? QByteArray() : file.mid(first - 1, last - first + 1);
    };
    if (start < 1) // the last |n| bytes
        return n == kMin ? Result() : range(size - std::abs(n) + 1, size);
    if (n < 0 && start > size)
        return QByteArray();
    if (n < 0) // the |n| bytes that end at start
        return n == kMin ? Result() : range(start + n + 1, start);
    if (qint64(start) + n > kMax) // start + length - 1 is worked out left to right
        return std::nullopt;
    return range(start, start + n - 1);
}

Result read(const QString &path, qint32 start, qint32 length)
{
    const std::optional<QString> text = ReadFilePart(path, start, length);
    return text ? Result(core::toCp1252(*text)) : Result();
}

// The main window shown, so that its lines are coloured.
struct Fixture : Program
{
    Fixture()
    {
        main.resize(900, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }
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
        // The shown lines are coloured.
        f.main.replace(u";Kommentar"_s);
        QCoreApplication::processEvents();
        QVERIFY(!f.main.mainTextEdit().document()->firstBlock().layout()->formats().isEmpty());
    }

    void stories_data() { addStories(); }
    void stories()
    {
        QFETCH(QString, steps);
        Program program;
        playSteps(program, steps);
    }

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
        QCOMPARE(model(file, start, length), expected); // the model below agrees
    }

    void agreesWithTheModel()
    {
        QRandomGenerator random(20261205);
        const qint32 extremes[] = {kMin, kMin + 1, -1000, kMax - 5, kMax - 1, kMax};
        auto pick = [&](qint32 size) { // mostly near the file, now and then at the edges
            const int kind = random.bounded(4);
            return kind == 0 ? extremes[random.bounded(6)]
                             : qint32(random.bounded(kind == 1 ? -3 : -size - 4, size + 4));
        };
        QTemporaryDir dir;
        QList<QByteArray> files;
        for (int size = 0; size < 24; ++size) {
            QByteArray file(size, Qt::Uninitialized);
            for (char &c : file)
                c = char(random.bounded(256));
            files.append(file);
            QVERIFY(putFile(dir.filePath(QString::number(size)), file));
        }
        for (int round = 0; round < 20000; ++round) {
            const int size = random.bounded(int(files.size()));
            const qint32 start = pick(size);
            const qint32 length = pick(size);
            const QByteArray what = QByteArray::number(size) + " bytes, start " +
                                    QByteArray::number(start) + ", length " +
                                    QByteArray::number(length);
            QVERIFY2(read(dir.filePath(QString::number(size)), start, length) ==
                         model(files[size], start, length),
                     what.constData());
        }
    }
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
