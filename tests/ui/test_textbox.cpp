#include "ui/exacttextedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using Box = ui::ExactTextEdit;

namespace {

// A line of 7000 characters without blanks: seven pieces of 1000.
const QString kLong = u"abcdefghij"_s.repeated(700);
const QString kText = u"kurz\r\n"_s + kLong + u"\r\nende"_s;

// Where the cursor goes: in the given block (0 "kurz", 1 to 7 the pieces, 8 "ende"), at
// the given offset from its start (-1: its end).
struct Place
{
    int block;
    int offset;
};

void placeCursor(Box &box, Place place, Place anchor = {-1, 0})
{
    QTextCursor cursor(box.document());
    auto position = [&](Place p) {
        const QTextBlock block = box.document()->findBlockByNumber(p.block);
        return block.position() + (p.offset < 0 ? block.length() - 1 : p.offset);
    };
    if (anchor.block >= 0)
        cursor.setPosition(position(anchor));
    cursor.setPosition(position(place),
                       anchor.block >= 0 ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    box.setTextCursor(cursor);
}

QString withLine(const QString &line)
{
    return u"kurz\r\n"_s + line + u"\r\nende"_s;
}

} // namespace

Q_DECLARE_METATYPE(Place)

class TestTextBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Edits around the breaks of a long line change the text as the user sees it, not where
    // the box broke the line; one undo brings back the text and its pieces, redo the edit.
    void editsInALongLine_data()
    {
        QTest::addColumn<Place>("anchor"); // block -1: no selection
        QTest::addColumn<Place>("place");
        QTest::addColumn<QString>("keys"); // R Return, S Shift+Return, B D Backspace Delete, < >, V
                                           // paste, M delete from the menu
        QTest::addColumn<QString>("expected");
        const Place none{-1, 0};
        const QString l = kLong;
        QTest::newRow("typing in a piece")
            << none << Place{3, 5} << u"x"_s << withLine(l.left(2005) + u'x' + l.mid(2005));
        QTest::newRow("Shift+Return: a line end in the file too")
            << none << Place{3, 5} << u"S"_s << withLine(l.left(2005) + u"\r\n"_s + l.mid(2005));
        QTest::newRow("Return at the end of a piece")
            << none << Place{1, -1} << u"R"_s << withLine(l.left(1000) + u"\r\n"_s + l.mid(1000));
        QTest::newRow("Return in a continuation, typed on")
            << none << Place{2, 10} << u"Rx"_s << withLine(l.left(1010) + u"\r\nx"_s + l.mid(1010));
        QTest::newRow("Return at the end of the line")
            << none << Place{7, -1} << u"Rx"_s << withLine(l + u"\r\nx"_s);
        QTest::newRow("Backspace at the start of a continuation")
            << none << Place{2, 0} << u"B"_s << withLine(l.left(999) + l.mid(1000));
        QTest::newRow("Delete at the end of a piece")
            << none << Place{1, -1} << u"D"_s << withLine(l.left(1000) + l.mid(1001));
        QTest::newRow("right over a break")
            << none << Place{1, -1} << u">x"_s << withLine(l.left(1001) + u'x' + l.mid(1001));
        QTest::newRow("left over a break")
            << none << Place{2, 0} << u"<x"_s << withLine(l.left(999) + u'x' + l.mid(999));
        QTest::newRow("a selection over pieces typed over")
            << Place{1, 500} << Place{3, 500} << u"x"_s
            << withLine(l.left(500) + u'x' + l.mid(2500));
        QTest::newRow("a selection from a short line into a piece deleted")
            << Place{0, 2} << Place{2, 500} << u"D"_s << u"ku"_s + l.mid(1500) + u"\r\nende"_s;
        QTest::newRow("a selection from the start of the long line deleted")
            << Place{1, 0} << Place{3, 500} << u"D"_s << withLine(l.mid(2500));
        QTest::newRow("the same from the context menu")
            << Place{1, 0} << Place{3, 500} << u"M"_s << withLine(l.mid(2500));
        QTest::newRow("a selection from the start of a piece into the next line typed over")
            << Place{3, 0} << Place{8, 2} << u"x"_s << u"kurz\r\n"_s + l.left(2000) + u"xde"_s;
        QTest::newRow("a long line with line ends pasted into a piece")
            << none << Place{4, 1} << u"V"_s
            << withLine(l.left(3001) + u"Z"_s + u"\r\n"_s + kLong + u"\r\nY"_s + l.mid(3001));
    }
    void editsInALongLine()
    {
        QFETCH(Place, anchor);
        QFETCH(Place, place);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        Box box;
        box.resize(400, 300);
        box.show();
        box.setText(kText);
        QCOMPARE(box.document()->blockCount(), 9);
        QCOMPARE(box.text(), kText);
        QGuiApplication::clipboard()->setText(u"Z\n"_s + kLong + u"\rY"_s);
        placeCursor(box, place, anchor);
        const QHash<QChar, std::pair<Qt::Key, Qt::KeyboardModifiers>> named = {
            {u'R', {Qt::Key_Return, {}}},    {u'S', {Qt::Key_Return, Qt::ShiftModifier}},
            {u'B', {Qt::Key_Backspace, {}}}, {u'D', {Qt::Key_Delete, {}}},
            {u'<', {Qt::Key_Left, {}}},      {u'>', {Qt::Key_Right, {}}}};
        for (const QChar key : keys) {
            if (key == u'V') {
                box.paste();
            } else if (key == u'M') { // Delete from the context menu
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
                QApplication::sendEvent(box.viewport(), &click);
                QWidget *menu = QApplication::activePopupWidget();
                QVERIFY(menu);
                menu->findChild<QAction *>(u"edit-delete"_s)->trigger();
                menu->close();
            } else if (named.contains(key))
                QTest::keyClick(&box, named[key].first, named[key].second);
            else
                QTest::keyClicks(&box, QString(key));
        }
        QCOMPARE(box.text(), expected);
        QString written;
        box.writeText([&written](QStringView piece) { written += piece; });
        QCOMPARE(written, expected);

        while (box.document()->isUndoAvailable())
            box.undo();
        QCOMPARE(box.text(), kText);
        QCOMPARE(box.document()->blockCount(), 9);
        while (box.document()->isRedoAvailable())
            box.redo();
        QCOMPARE(box.text(), expected);
    }

    // Copying takes the text as it is, over the breaks; lines map to their blocks and back.
    void copyAndLines()
    {
        Box box;
        const QString text = kLong + u"\r\n\r\nx\u00A0y\r\n"_s + kLong.left(3500) + u"\r\nz"_s;
        box.setText(text, true);
        QCOMPARE(box.text(), text);
        placeCursor(box, {6, 10}, {0, 990});
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), kLong.mid(990, 5020));
        placeCursor(box, {10, 2}, {6, 999});
        box.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 kLong.right(1) + u"\n\nx\u00A0y\n"_s + kLong.left(1002));

        const QList<int> firstBlocks = {0, 7, 8, 9, 13};
        QCOMPARE(box.lineCount(), firstBlocks.size());
        for (int line = 0; line < firstBlocks.size(); ++line) {
            const QTextBlock block = box.blockOfLine(line);
            QCOMPARE(block.blockNumber(), firstBlocks[line]);
            QVERIFY(!Box::isContinuation(block));
            const QTextBlock last = line + 1 < firstBlocks.size()
                                        ? box.blockOfLine(line + 1).previous()
                                        : box.document()->lastBlock();
            QCOMPARE(box.lineNumberOf(last), line);
            QCOMPARE(Box::lineStart(last), block);
        }
        QVERIFY(!box.blockOfLine(firstBlocks.size()).isValid());
        placeCursor(box, {3, 0});
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.lineCount(), firstBlocks.size() + 1);
        QCOMPARE(box.lineNumberOf(box.document()->lastBlock()), firstBlocks.size());
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.lineCount(), firstBlocks.size());

        // Replacing a text that ends in a long line: no line of the new one continues it.
        box.setText(kLong, true);
        box.setText(u"a\r\nb"_s, true);
        QCOMPARE(box.text(), u"a\r\nb"_s);
        QCOMPARE(box.lineCount(), 2);
    }
};

QTEST_MAIN(TestTextBox)
#include "test_textbox.moc"
