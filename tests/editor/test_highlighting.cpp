#include "app/mainwindow.h"
#include "editor/highlighting.h"
#include "editor/maintextedit.h"
#include "support/fakehost.h"

#include <QAbstractButton>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;
using editor::Span;
using editor::Token;

using Spans = QList<Span>;
Q_DECLARE_METATYPE(Spans)

namespace {
const QString kScript = u";Kommentar\r\n#Start\r\n_aunits = units player\r\n"
                        "?_j>_i:goto \"Start\";\r\n~2\r\nclass CfgSounds\r\n{\r\n"
                        " hint \"Hallo\";\r\n};\r\nexit"_s;

// The colours the box's shown lines carry, by line.
QList<QList<QTextLayout::FormatRange>> colours(QPlainTextEdit &box)
{
    QList<QList<QTextLayout::FormatRange>> all;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        all.append(b.layout()->formats());
    return all;
}
} // namespace

class TestHighlighting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data()
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
        QTest::newRow("empty") << QString() << Spans{};
    }
    void lines()
    {
        QFETCH(QString, line);
        QFETCH(Spans, spans);
        QCOMPARE(editor::highlightLine(line), spans);
    }

    void colouringLeavesTextUndoAndFileAlone()
    {
        QTemporaryDir dir;
        FakeHost host;
        app::MainWindow window(host);
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto &box = window.mainTextEdit();
        QVERIFY(box.highlighting());

        // A file with lone line ends and bytes of every kind, opened and saved.
        const QString path = dir.filePath(u"a.sqs"_s);
        QByteArray bytes = kScript.toLatin1() + "\n\xE4\r;x\x81\"";
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        host.fileNames.enqueue(path);
        window.findChild<QAbstractButton *>(u"Command16"_s)->click();
        QCoreApplication::processEvents();
        QVERIFY(!colours(box).constFirst().isEmpty()); // the shown lines are coloured
        window.findChild<QAbstractButton *>(u"Command7"_s)->click();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes + "\r\n");

        // The document's text and its undo history are the same with and without colours.
        window.replace(kScript);
        const QString raw = box.document()->toRawText();
        const int undoSteps = box.document()->availableUndoSteps();
        QCoreApplication::processEvents();
        box.setHighlighting(false);
        QCOMPARE(box.document()->toRawText(), raw);
        QCOMPARE(box.document()->availableUndoSteps(), undoSteps);
        for (const auto &line : colours(box))
            QVERIFY(line.isEmpty());
        box.setHighlighting(true);
        QCoreApplication::processEvents();
        QCOMPARE(box.document()->toRawText(), raw);
        QCOMPARE(box.document()->availableUndoSteps(), undoSteps);
        QCOMPARE(window.text(), kScript);
    }

    void onlyShownLinesAreColoured()
    {
        FakeHost host;
        app::MainWindow window(host);
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString big;
        for (int i = 0; i < 5000; ++i)
            big += u"hint \"line\"\r\n"_s;
        window.replace(big);
        QCoreApplication::processEvents();
        auto &box = window.mainTextEdit();
        const auto before = colours(box);
        QVERIFY(!before.first().isEmpty());
        const qsizetype lastLine = before.size() - 2; // the very last line is empty
        QVERIFY(before[lastLine].isEmpty());
        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        QVERIFY(!colours(box)[lastLine].isEmpty());
        QCOMPARE(window.text(), big);
    }
};

QTEST_MAIN(TestHighlighting)
#include "test_highlighting.moc"
