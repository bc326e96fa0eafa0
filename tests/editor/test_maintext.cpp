#include "editor/filecommands.h"
#include "editor/findbar.h"
#include "editor/maintextedit.h"
#include "support/files.h"
#include "support/program.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

struct Fixture : ShownProgram
{
    Fixture() { main.replace(u"bisheriger Text"_s); }
    void click(const QString &button, const QString &chosenFile)
    {
        host.fileNames.enqueue(chosenFile);
        main.findChild<QAbstractButton *>(button)->click();
        QCoreApplication::processEvents();
    }
};

} // namespace

class TestMainText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Öffnen takes only regular files and never waits.
    void specialFiles_data()
    {
        QTest::addColumn<QString>("kind"); // or the path of a file of the system
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("device node") << u"device"_s;
        QTest::newRow("loop of links") << u"loop"_s;
        QTest::newRow("endless device of the system") << u"/dev/zero"_s;
    }
    void specialFiles()
    {
        QFETCH(QString, kind);
        Fixture f;
        const bool own = !kind.startsWith(u'/');
        const QString path = own ? f.folder.filePath(u"description.ext"_s) : kind;
        if (own && !makeSpecial(kind, path))
            QSKIP("this system does not let the test make such a file");
        f.click(u"Command16"_s, path);
        QCOMPARE(f.main.text(), u"bisheriger Text"_s);
    }

    // A file of the system that reports the size 0 is read whole all the same, and a link
    // to a regular file is followed.
    void filesThatAreRead()
    {
        Fixture f;
        QFile version(u"/proc/version"_s);
        if (!version.open(QIODevice::ReadOnly) || version.size() != 0)
            QSKIP("no /proc/version of size 0 here");
        const QByteArray content = version.readAll();
        f.click(u"Command16"_s, u"/proc/version"_s);
        QCOMPARE(f.main.text(), QString::fromLatin1(content));
        QVERIFY(putFile(f.folder.filePath(u"a.sqs"_s), "alt"));
        QVERIFY(QFile::link(f.folder.filePath(u"a.sqs"_s), f.folder.filePath(u"link.sqs"_s)));
        f.click(u"Command16"_s, f.folder.filePath(u"link.sqs"_s));
        QCOMPARE(f.main.text(), u"alt"_s);
    }

    // A file the program cannot hold is refused before it is read; the main text stays.
    void tooBigToHold_data()
    {
        QTest::addColumn<qint64>("size"); // of a sparse file, never allocated
        QTest::addColumn<qint64>("room"); // memory left to the process; 0: as it is
        QTest::newRow("64 GB") << (qint64(64) << 30) << qint64(0);
        QTest::newRow("150 MB with 600 MB left") << (qint64(150) << 20) << (qint64(600) << 20);
    }
    void tooBigToHold()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, room);
#if defined(__SANITIZE_ADDRESS__)
        if (room > 0)
            QSKIP("the address sanitizer does not run under an address-space limit");
#endif
        Fixture f;
        const QString path = f.folder.filePath(u"huge.sqs"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        rlimit before{};
        QCOMPARE(::getrlimit(RLIMIT_AS, &before), 0);
        const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_AS, &before); });
        QFile pages(u"/proc/self/statm"_s); // the first number: the address space used
        if (room > 0 && pages.open(QIODevice::ReadOnly)) {
            rlimit limit = before;
            limit.rlim_cur =
                rlim_t(pages.readAll().split(' ')[0].toLongLong() * ::getpagesize() + room);
            QCOMPARE(::setrlimit(RLIMIT_AS, &limit), 0);
        }
        f.click(u"Command16"_s, path);
        QCOMPARE(f.main.text(), u"bisheriger Text"_s);
    }

    // An edited line gets its colours within the edit, and the box repaints that line
    // only, not the whole view.
    void editedLineColouredAtOnce_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("spans");
        QTest::addColumn<int>("firstLength");
        QTest::newRow("a comment at the start") << 0 << u";"_s << 1 << 13;
        QTest::newRow("a label in the middle") << 10 << u"#"_s << 1 << 13;
        QTest::newRow("a string opened at the end") << 19 << u"\""_s << 3 << 4;
    }
    void editedLineColouredAtOnce()
    {
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(int, spans);
        QFETCH(int, firstLength);
        Fixture f;
        QStringList lines;
        for (int i = 0; i < 20; ++i)
            lines.append(u"hint \"Zeile\""_s);
        f.box().setText(lines.join(u"\r\n"_s));
        QTextCursor cursor(f.box().document()->findBlockByNumber(line));
        if (line == 19)
            cursor.movePosition(QTextCursor::EndOfBlock);
        f.box().setTextCursor(cursor);
        QCoreApplication::processEvents();
        QSignalSpy wholeView(f.box().document()->documentLayout(),
                             &QAbstractTextDocumentLayout::update);

        QTest::keyClicks(&f.box(), typed);
        const QTextBlock block = f.box().document()->findBlockByNumber(line);
        const QList<QTextLayout::FormatRange> formats = block.layout()->formats();
        QCOMPARE(formats.size(), spans);
        QCOMPARE(formats[0].start, 0);
        QCOMPARE(formats[0].length, firstLength);
        QCOMPARE(wholeView.size(), 0);
    }

    // A long line held in pieces is one line to the find bar and the status bar: a match
    // where two pieces meet is found and replaced, and columns count from the line's start.
    void longLineIsOneLine()
    {
        Fixture f;
        const QString line = QString(999, u'a') + u"xy"_s + QString(3000, u'b');
        f.box().setText(u"vorher\r\n"_s + line);
        QVERIFY(ui::ExactTextEdit::isContinuation(f.box().document()->findBlockByNumber(2)));
        f.main.findBar().start(true);
        f.main.findChild<QLineEdit *>(u"findText"_s)->setText(u"xy"_s);
        f.main.findChild<QLineEdit *>(u"replaceText"_s)->setText(u"Z"_s);
        QVERIFY(f.main.findBar().findNext());
        QCOMPARE(f.box().textCursor().selectedText().remove(QChar::ParagraphSeparator), u"xy"_s);
        QCOMPARE(f.main.findChild<QLabel *>(u"cursorStatus"_s)->text(), u"Zeile 2, Spalte 1002"_s);
        QCOMPARE(f.main.findBar().replaceAll(), 1);
        QCOMPARE(f.main.text(), u"vorher\r\n"_s + QString(999, u'a') + u'Z' + QString(3000, u'b'));
    }

    // The bracket beside the cursor and its partner are marked, beside the marks of other
    // layers; the cursor's row is marked below the text.
    void marks()
    {
        Fixture f;
        f.box().setText(u"a = (b [c] d)\r\n\r\n"_s);
        QTextEdit::ExtraSelection problem;
        problem.cursor = QTextCursor(f.box().document());
        problem.cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        f.box().setExtraSelectionLayer(editor::SelectionLayer::Problems, {problem});
        const auto marked = [&](int position) {
            QTextCursor cursor(f.box().document());
            cursor.setPosition(position);
            f.box().setTextCursor(cursor);
            QList<int> starts;
            for (const QTextEdit::ExtraSelection &mark : f.box().extraSelections())
                starts.append(mark.cursor.selectionStart());
            return starts;
        };
        QCOMPARE(marked(4), (QList<int>{4, 12, 0}));
        QCOMPARE(marked(10), (QList<int>{9, 7, 0}));
        QCOMPARE(marked(2), (QList<int>{0}));
        const auto background = [&](int line) {
            const QImage shown = f.box().viewport()->grab().toImage();
            const QTextCursor at(f.box().document()->findBlockByNumber(line));
            return shown.pixel(shown.width() - 2, f.box().cursorRect(at).center().y());
        };
        QVERIFY(background(0) != background(1));
        marked(15);
        QCOMPARE(background(0), background(1));
        QVERIFY(background(1) != background(2));
        // A number beside each line in the margin, none below the last: also after a line
        // was added.
        const auto numbered = [&] {
            QCoreApplication::processEvents();
            const QImage shown = f.box().grab().toImage();
            const int left = f.box().contentsRect().left();
            const QColor paper = shown.pixelColor(left + 1, shown.height() - 30);
            const QRect first = f.box().cursorRect(QTextCursor(f.box().document()));
            int lines = 0;
            for (int line = 0; line < 6; ++line) {
                const QPoint middle = first.center() + QPoint(0, line * first.height());
                const int y = f.box().viewport()->mapTo(&f.box(), middle).y();
                bool ink = false;
                for (int x = left; x < f.box().viewport()->x(); ++x)
                    ink = ink || shown.pixelColor(x, y) != paper;
                lines += ink ? 1 : 0;
            }
            return lines;
        };
        QCOMPARE(numbered(), 3);
        QTest::keyClick(&f.box(), Qt::Key_Return);
        QCOMPARE(numbered(), 4);
    }

    // Zoom by the keys and by Ctrl and the wheel, within bounds, and back.
    void zoom()
    {
        Fixture f;
        const qreal normal = f.box().font().pointSizeF();
        const auto trigger = [&](const QString &action, int times) {
            for (int i = 0; i < times; ++i)
                f.main.findChild<QAction *>(action)->trigger();
            return f.box().font().pointSizeF();
        };
        QCOMPARE(trigger(u"zoomIn"_s, 2), normal + 2);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.box().viewport(), &wheel);
        QCOMPARE(f.box().font().pointSizeF(), normal + 1);
        QCOMPARE(trigger(u"zoomReset"_s, 1), normal);
        QVERIFY(trigger(u"zoomOut"_s, 20) >= 5);
        QVERIFY(trigger(u"zoomIn"_s, 60) <= 40);
    }

    // The pieces of a very long line are shown without colours.
    void longLineStaysPlain()
    {
        Fixture f;
        const QByteArray line = QByteArray("hint \"lang\"; ").repeated(2000);
        QVERIFY(putFile(f.folder.filePath(u"long.sqs"_s), "hint \"kurz\"\r\n" + line));
        f.click(u"Command16"_s, f.folder.filePath(u"long.sqs"_s));
        QCoreApplication::processEvents();
        const QTextDocument &document = *f.box().document();
        QVERIFY(document.blockCount() > 2);
        QCOMPARE(document.firstBlock().layout()->formats().size(), 2);
        for (QTextBlock block = document.firstBlock().next(); block.isValid(); block = block.next())
            QVERIFY(block.layout()->formats().isEmpty());
    }
};

QTEST_MAIN(TestMainText)
#include "test_maintext.moc"
