#include "exacttextedit.h"

#include "look.h"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

// The block format property that marks a continuation.
constexpr int kContinuation = QTextFormat::UserProperty + 0x51;

// The document's layout, with a word in before it lays changed blocks out again.
class BoxLayout : public QPlainTextDocumentLayout
{
public:
    using Hook = std::function<void(int, int, int)>;
    BoxLayout(QTextDocument *document, Hook hook)
        : QPlainTextDocumentLayout(document), m_hook(std::move(hook))
    {}

protected:
    void documentChanged(int from, int removed, int added) override
    {
        m_hook(from, removed, added);
        QPlainTextDocumentLayout::documentChanged(from, removed, added);
    }

private:
    Hook m_hook;
};

// What the document takes for a line end (a CR LF is one).
bool isLineEnd(QChar c)
{
    switch (c.unicode()) {
    case u'\r':
    case u'\n':
    case 0x2029:
    case 0xFDD0:
    case 0xFDD1:
        return true;
    default:
        return false;
    }
}

// The length of the line end at i (0 when there is none).
qsizetype lineEndLength(QStringView text, qsizetype i)
{
    if (i >= text.size() || !isLineEnd(text[i]))
        return 0;
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
}

bool hasLongLine(QStringView text)
{
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLineEnd(text[i]))
            lineStart = i + 1;
        else if (i - lineStart >= ExactTextEdit::kLongLine)
            return true;
    }
    return false;
}

QTextBlockFormat withoutContinuation(QTextBlockFormat format)
{
    format.clearProperty(kContinuation);
    return format;
}

// The length of the next piece of a long line: kPiece characters, or a little less to break
// after a blank, never between the halves of a surrogate pair.
qsizetype pieceLength(QStringView rest)
{
    if (rest.size() <= ExactTextEdit::kPiece)
        return rest.size();
    qsizetype length = ExactTextEdit::kPiece;
    const qsizetype blank = rest.first(length).lastIndexOf(u' ');
    if (blank >= length - length / 10)
        length = blank + 1;
    else if (rest[length - 1].isHighSurrogate())
        --length;
    return length;
}

// Removing text that starts at the start of a block gives the block that is left the format of
// the block where the removal ends, and with it that block's line break. The break before a
// block that starts at or before the removal is not touched by it, though: this puts back the
// marks of the blocks around the start of an edit, in the same undo step.
class KeepBreaks
{
public:
    // The edit removes text from the selection's start on, or from the character before it.
    KeepBreaks(QTextDocument &document, const QTextCursor &selection) : m_cursor(&document)
    {
        const QTextBlock end = document.findBlock(selection.selectionEnd());
        QTextBlock block = document.findBlock(selection.selectionStart());
        m_needed = ExactTextEdit::isPiece(end) || ExactTextEdit::isPiece(end.next());
        for (int i = 0; i < 3 && block.isValid(); ++i, block = block.previous()) {
            m_marks.append({block.position(), ExactTextEdit::isContinuation(block)});
            m_needed = m_needed || ExactTextEdit::isPiece(block);
        }
        if (m_needed)
            m_cursor.beginEditBlock();
    }
    ~KeepBreaks()
    {
        if (!m_needed)
            return;
        for (const auto &[position, continuation] : std::as_const(m_marks)) {
            const QTextBlock block = m_cursor.document()->findBlock(position);
            if (block.position() != position ||
                ExactTextEdit::isContinuation(block) == continuation)
                continue;
            QTextCursor cursor(block);
            QTextBlockFormat format = withoutContinuation(block.blockFormat());
            if (continuation)
                format.setProperty(kContinuation, true);
            cursor.setBlockFormat(format);
        }
        m_cursor.endEditBlock();
    }
    KeepBreaks(const KeepBreaks &) = delete;
    KeepBreaks &operator=(const KeepBreaks &) = delete;

private:
    QTextCursor m_cursor;
    QList<std::pair<int, bool>> m_marks;
    bool m_needed = false;
};

} // namespace

QGroupBox *resultFrame(QWidget &box)
{
    auto *frame = new QGroupBox(u"Ergebnis"_s);
    frame->setObjectName(u"Frame1"_s);
    (new QVBoxLayout(frame))->addWidget(&box);
    return frame;
}

bool documentAltersText(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        switch (text[i].unicode()) {
        case u'\r':
            if (i + 1 < size && text[i + 1] == u'\n') {
                ++i;
                break;
            }
            return true;
        case u'\n':
        case 0x2028: // line separator: the box would give it back as a line end
        case 0x2029: // paragraph separator
        case 0xFDD0: // frame markers of the document
        case 0xFDD1:
            return true;
        default:
            break;
        }
    }
    return false;
}

ExactTextEdit::ExactTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    auto *document = new QTextDocument(this);
    document->setDocumentLayout(new BoxLayout(document, [this](int from, int removed, int added) {
        beforeLayout(from, removed, added);
    }));
    setDocument(document);
    connect(document, &QTextDocument::contentsChange, this, &ExactTextEdit::onContentsChange);
}

ExactTextEdit *ExactTextEdit::forScript(const QString &objectName, QWidget *parent)
{
    auto *box = new ExactTextEdit(parent);
    box->setObjectName(objectName);
    box->lookLikeScript();
    return box;
}

void ExactTextEdit::lookLikeScript()
{
    setFont(scriptFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ExactTextEdit::beforeLayout(int, int, int) {}

bool ExactTextEdit::isContinuation(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().boolProperty(kContinuation);
}

bool ExactTextEdit::isPiece(const QTextBlock &block)
{
    return isContinuation(block) || isContinuation(block.next());
}

QTextBlock ExactTextEdit::lineStart(QTextBlock block)
{
    while (isContinuation(block))
        block = block.previous();
    return block;
}

void ExactTextEdit::writeText(const std::function<void(QStringView)> &sink) const
{
    if (m_exact) {
        sink(*m_exact);
        return;
    }
    // One pass over the document's raw text, with the blocks walked alongside: looking a
    // block's text up on its own costs a search for every block.
    const QString raw = document()->toRawText();
    QHash<int, bool> continuationFormats; // by format index; a text uses a handful
    qsizetype at = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (at > 0) {
            const int format = block.blockFormatIndex();
            auto known = continuationFormats.constFind(format);
            if (known == continuationFormats.cend())
                known = continuationFormats.insert(format, isContinuation(block));
            if (!*known)
                sink(u"\r\n");
        }
        const QStringView line =
            QStringView(raw).sliced(at, std::min<qsizetype>(block.length() - 1, raw.size() - at));
        at += line.size() + 1;
        // A line break typed with Shift+Return is a line end in the file as well.
        qsizetype from = 0;
        for (qsizetype lineBreak; (lineBreak = line.indexOf(QChar::LineSeparator, from)) >= 0;
             from = lineBreak + 1) {
            sink(line.sliced(from, lineBreak - from));
            sink(u"\r\n");
        }
        sink(line.sliced(from));
    }
}

QString ExactTextEdit::text() const
{
    if (m_exact)
        return *m_exact;
    QString text;
    text.reserve(document()->characterCount() + document()->blockCount());
    writeText([&text](QStringView piece) { text.append(piece); });
    return text;
}

bool ExactTextEdit::isEmpty() const
{
    return m_exact ? m_exact->isEmpty() : document()->isEmpty();
}

void ExactTextEdit::keepExactCopyIfNeeded(const QString &text)
{
    if (documentAltersText(text))
        m_exact = text;
    else
        m_exact.reset();
}

bool ExactTextEdit::insertLines(QTextCursor &cursor, QStringView text)
{
    bool pieces = false;
    const QTextBlockFormat lineFormat = withoutContinuation(cursor.blockFormat());
    QTextBlockFormat pieceFormat = lineFormat;
    pieceFormat.setProperty(kContinuation, true);

    // Short lines go in as one run: the document breaks them itself, and every new block
    // takes the format of the block the cursor is in. Only in a continuation is the first
    // line end put in by hand, so that the lines after it do not continue anything.
    qsizetype runStart = 0;
    auto insertRun = [&](qsizetype end) {
        QStringView run = text.sliced(runStart, end - runStart);
        if (isContinuation(cursor.block())) {
            qsizetype lineEnd = 0;
            while (lineEnd < run.size() && !isLineEnd(run[lineEnd]))
                ++lineEnd;
            if (lineEnd < run.size()) {
                cursor.insertText(run.first(lineEnd).toString());
                cursor.insertBlock(lineFormat);
                run = run.sliced(lineEnd + lineEndLength(run, lineEnd));
            }
        }
        if (!run.isEmpty())
            cursor.insertText(run.toString());
    };

    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const qsizetype next = end + lineEndLength(text, end);
        if (end - i > kLongLine) {
            insertRun(i);
            QStringView line = text.sliced(i, end - i);
            for (bool first = true; !line.isEmpty(); first = false) {
                const qsizetype length = pieceLength(line);
                if (!first) {
                    cursor.insertBlock(pieceFormat);
                    pieces = true;
                }
                cursor.insertText(line.first(length).toString());
                line = line.sliced(length);
            }
            if (next > end)
                cursor.insertBlock(lineFormat);
            runStart = next;
        }
        i = next;
    }
    insertRun(text.size());
    return pieces;
}

void ExactTextEdit::setText(const QString &text, bool undoable)
{
    {
        QScopedValueRollback guard(m_programmatic, true);
        if (undoable) {
            QTextCursor cursor(document());
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.removeSelectedText();
            // What is left of the old text may carry the mark of its last block.
            if (isContinuation(cursor.block()))
                cursor.setBlockFormat(withoutContinuation(cursor.blockFormat()));
            notePieces(insertLines(cursor, text));
            cursor.endEditBlock();
        } else if (!hasLongLine(text)) {
            setPlainText(text);
            m_hasPieces = false;
        } else {
            setPlainText(QString());
            QTextDocument &doc = *document();
            const bool undo = doc.isUndoRedoEnabled();
            doc.setUndoRedoEnabled(false);
            QTextCursor cursor(&doc);
            cursor.beginEditBlock();
            m_hasPieces = false;
            notePieces(insertLines(cursor, text));
            cursor.endEditBlock();
            doc.setUndoRedoEnabled(undo);
            setTextCursor(QTextCursor(&doc));
        }
    }
    keepExactCopyIfNeeded(text);
}

void ExactTextEdit::appendText(const QString &text)
{
    QScopedValueRollback guard(m_programmatic, true);
    if (!m_exact && documentAltersText(text))
        m_exact = this->text(); // from here on the box can no longer tell the line ends
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    notePieces(insertLines(cursor, text));
    cursor.endEditBlock();
    if (m_exact)
        m_exact->append(text);
}

void ExactTextEdit::onContentsChange(int position, int, int added)
{
    if (!isOwnChange())
        m_exact.reset();
    // Typing within a block leaves the lines as they are.
    if (m_linesIndexed &&
        (m_indexedBlocks != document()->blockCount() ||
         document()->findBlock(position) != document()->findBlock(position + added)))
        m_linesIndexed = false;
}

void ExactTextEdit::notePieces(bool made)
{
    if (made) {
        m_hasPieces = true;
        m_linesIndexed = false;
    }
}

void ExactTextEdit::indexLines() const
{
    if (m_linesIndexed)
        return;
    m_continuations.clear();
    m_indexedBlocks = document()->blockCount();
    m_linesIndexed = true;
    if (!m_hasPieces) // then every block is a line: no need to look at each
        return;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (isContinuation(block))
            m_continuations.push_back(block.blockNumber());
    }
}

int ExactTextEdit::lineCount() const
{
    indexLines();
    return m_indexedBlocks - int(m_continuations.size());
}

int ExactTextEdit::lineNumberOf(const QTextBlock &block) const
{
    indexLines();
    const int number = block.blockNumber();
    return number - int(std::upper_bound(m_continuations.begin(), m_continuations.end(), number) -
                        m_continuations.begin());
}

QTextBlock ExactTextEdit::blockOfLine(int line) const
{
    indexLines();
    if (line < 0 || line >= lineCount())
        return {};
    // The block numbers of a line's start grow with the line: the first block whose line
    // number reaches it is the line's start.
    int low = line;
    int high = m_indexedBlocks - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int before =
            int(std::upper_bound(m_continuations.begin(), m_continuations.end(), middle) -
                m_continuations.begin());
        if (middle - before >= line)
            high = middle;
        else
            low = middle + 1;
    }
    return document()->findBlockByNumber(low);
}

void ExactTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    const bool select = event->modifiers().testFlag(Qt::ShiftModifier);
    const QTextCursor::MoveMode mode = select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    // The end of a piece and the start of the next one are the same place in the text: keys
    // that move or delete by one character step over the break first.
    if (event == QKeySequence::InsertParagraphSeparator) {
        if (!isContinuation(document()->findBlock(cursor.selectionStart()))) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        // The new line must not continue the one the cursor is in.
        cursor.beginEditBlock();
        {
            const KeepBreaks keep(*document(), cursor);
            cursor.removeSelectedText();
        }
        cursor.insertBlock(withoutContinuation(cursor.blockFormat()));
        cursor.endEditBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    const bool backwards = event == QKeySequence::MoveToPreviousChar ||
                           event == QKeySequence::SelectPreviousChar ||
                           (event->key() == Qt::Key_Backspace && !cursor.hasSelection());
    const bool forwards = event == QKeySequence::MoveToNextChar ||
                          event == QKeySequence::SelectNextChar ||
                          (event == QKeySequence::Delete && !cursor.hasSelection());
    bool moved = false;
    while (backwards && cursor.atBlockStart() && isContinuation(cursor.block()))
        moved = cursor.movePosition(QTextCursor::PreviousCharacter, mode);
    while (forwards && cursor.atBlockEnd() && isContinuation(cursor.block().next()))
        moved = cursor.movePosition(QTextCursor::NextCharacter, mode);
    if (moved)
        setTextCursor(cursor);
    // Typing a character deletes nothing but a selection, and that within one block as a rule.
    const bool typing =
        !cursor.hasSelection() && !event->text().isEmpty() && event->text()[0].isPrint();
    std::optional<KeepBreaks> keep;
    if (!typing)
        keep.emplace(*document(), cursor);
    QPlainTextEdit::keyPressEvent(event);
}

void ExactTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const KeepBreaks keep(*document(), textCursor());
    QPlainTextEdit::inputMethodEvent(event);
}

void ExactTextEdit::dropEvent(QDropEvent *event)
{
    const KeepBreaks keep(*document(), textCursor());
    QPlainTextEdit::dropEvent(event);
}

void ExactTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu's Cut and Delete remove the selection the way the keys do.
    QMenu *menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto removing = [this](bool cutting) {
        const KeepBreaks keep(*document(), textCursor());
        if (cutting) {
            cut();
        } else {
            QTextCursor cursor = textCursor();
            cursor.removeSelectedText();
        }
    };
    for (QAction *action : menu->actions()) {
        const bool cutting = action->objectName() == u"edit-cut"_s;
        if (!cutting && action->objectName() != u"edit-delete"_s)
            continue;
        action->disconnect();
        connect(action, &QAction::triggered, this, [removing, cutting] { removing(cutting); });
    }
    menu->popup(event->globalPos());
}

void ExactTextEdit::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (!m_hasPieces)
        return;
    // A piece of a long line that goes on in the next row ends in a faint mark.
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.top() > event->rect().bottom())
            break;
        if (box.bottom() < event->rect().top() || !isContinuation(block.next()) ||
            block.layout()->lineCount() == 0)
            continue;
        const QTextLine line = block.layout()->lineAt(0);
        painter.drawText(
            QPointF(box.left() + line.naturalTextWidth() + document()->documentMargin() + 2,
                    box.top() + line.y() + line.ascent()),
            u"\u00BB"_s);
    }
}

void ExactTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source || !source->hasText())
        return;
    QTextCursor cursor = textCursor();
    replaceSelection(cursor, source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ExactTextEdit::replaceSelection(QTextCursor &cursor, QStringView text)
{
    cursor.beginEditBlock();
    {
        const KeepBreaks keep(*document(), cursor);
        cursor.removeSelectedText();
    }
    notePieces(insertLines(cursor, text));
    cursor.endEditBlock();
}

QMimeData *ExactTextEdit::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return nullptr;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QString text;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        if (block.position() > start && !isContinuation(block))
            text.append(u'\n');
        const int from = std::max(start - block.position(), 0);
        const int to = std::min(end - block.position(), block.length() - 1);
        text.append(QStringView(block.text()).sliced(from, std::max(to - from, 0)));
    }
    text.replace(QChar::LineSeparator, u'\n');
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

} // namespace ui
