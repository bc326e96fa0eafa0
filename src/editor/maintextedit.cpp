#include "maintextedit.h"

#include "highlighting.h"
#include "scripthighlighter.h"
#include "ui/look.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

constexpr qreal kSmallestPoints = 5;
constexpr qreal kLargestPoints = 40;
// How far either way a bracket's partner is looked for, in characters.
constexpr int kBracketReach = 50'000;

} // namespace

// The line numbers, left of the text. A long line held in pieces has one number, beside its
// first piece.
class MainTextEdit::Margin : public QWidget
{
public:
    explicit Margin(MainTextEdit &box) : QWidget(&box), m_box(box)
    {
        // It paints every pixel it is asked for: what lies below it is not painted first,
        // which would be the frame around the text at every key press.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QSize sizeHint() const override { return {m_box.marginWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { m_box.paintMargin(event); }

private:
    MainTextEdit &m_box;
};

MainTextEdit::MainTextEdit(QWidget *parent) : ui::ExactTextEdit(parent)
{
    setObjectName(u"Text1"_s);
    lookLikeScript();
    m_margin = new Margin(*this);
    updateMarginWidth();
    connect(this, &QPlainTextEdit::blockCountChanged, this, &MainTextEdit::updateMarginWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        // Typing within a line changes no number: the margin stays as it is painted.
        const Numbering numbering{firstVisibleBlock().blockNumber(), document()->blockCount(),
                                  lineCount()};
        if (dy != 0)
            m_margin->scroll(0, dy);
        else if (numbering != m_numbering || rect.contains(viewport()->rect()))
            m_margin->update();
        m_numbering = numbering;
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        markCurrentLine();
        markBrackets();
    });
    m_currentLine = QTextCursor(document());
    setHighlighting(true);
}

void MainTextEdit::setHighlighting(bool on)
{
    if (on == highlighting())
        return;
    if (on) {
        m_highlighter = new ScriptHighlighter(*this, [this] { return shownBlocks(); });
        m_highlighter->colourVisibleLines();
    } else {
        delete m_highlighter;
        m_highlighter = nullptr;
        // Drop the colours: lay out every block afresh without them.
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            block.layout()->clearFormats();
            block.setUserState(-1);
        }
        const auto guard = ownChange(); // only formats change, not the text
        document()->markContentsDirty(0, document()->characterCount());
    }
}

QList<QTextBlock> MainTextEdit::shownBlocks() const
{
    // From the line above the view to the line below it, so that scrolling by one line
    // already shows colour.
    QList<QTextBlock> blocks;
    QTextBlock block = firstVisibleBlock();
    if (block.previous().isValid())
        block = block.previous();
    const qreal bottom = viewport()->height();
    const QPointF offset = contentOffset();
    for (int below = 0; block.isValid() && below < 2; block = block.next()) {
        blocks.append(block);
        if (blockBoundingGeometry(block).translated(offset).bottom() >= bottom)
            ++below;
    }
    return blocks;
}

void MainTextEdit::beforeLayout(int position, int removed, int added)
{
    if (m_highlighter)
        m_highlighter->documentChanged(position, removed, added);
}

bool MainTextEdit::isOwnChange() const
{
    return ui::ExactTextEdit::isOwnChange() || (m_highlighter && m_highlighter->isColouring());
}

void MainTextEdit::setExtraSelectionLayer(SelectionLayer layer,
                                          QList<QTextEdit::ExtraSelection> selections)
{
    m_layers[std::size_t(layer)] = std::move(selections);
    QList<QTextEdit::ExtraSelection> all;
    for (const QList<QTextEdit::ExtraSelection> &marks : m_layers)
        all += marks;
    setExtraSelections(all);
}

MainTextEdit::Place MainTextEdit::cursorPlace() const
{
    const QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    int column = cursor.positionInBlock();
    for (QTextBlock piece = block; isContinuation(piece);) {
        piece = piece.previous();
        column += piece.length() - 1;
    }
    return {lineNumberOf(block) + 1, column + 1};
}

void MainTextEdit::goToLine(int line)
{
    const QTextBlock block = blockOfLine(std::clamp(line, 1, lineCount()) - 1);
    setTextCursor(QTextCursor(block));
    centerCursor();
}

void MainTextEdit::zoomBy(int steps)
{
    QFont bigger = font();
    bigger.setPointSizeF(std::clamp(bigger.pointSizeF() + steps, kSmallestPoints, kLargestPoints));
    setFont(bigger);
}

void MainTextEdit::resetZoom()
{
    setFont(ui::scriptFont());
}

void MainTextEdit::wheelEvent(QWheelEvent *event)
{
    // The box zooms by the wheel only while read-only; the main text is never read-only.
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        ui::ExactTextEdit::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        zoomBy(steps);
    event->accept();
}

void MainTextEdit::changeEvent(QEvent *event)
{
    ui::ExactTextEdit::changeEvent(event);
    // The margin takes the box's font; its digits are as wide as the font makes them.
    if (event->type() == QEvent::FontChange && m_margin) {
        m_marginDigits = 0;
        updateMarginWidth();
    }
}

int MainTextEdit::marginWidth() const
{
    // As many digits as the block count has: at least as many as the last line number.
    return fontMetrics().horizontalAdvance(u'9') * std::max(m_marginDigits, 2) + 10;
}

void MainTextEdit::updateMarginWidth()
{
    const int digits = int(QString::number(document()->blockCount()).size());
    if (digits == m_marginDigits)
        return;
    m_marginDigits = digits;
    setViewportMargins(marginWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_margin->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void MainTextEdit::resizeEvent(QResizeEvent *event)
{
    ui::ExactTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_margin->setGeometry(area.left(), area.top(), marginWidth(), area.height());
}

void MainTextEdit::paintMargin(QPaintEvent *event)
{
    QPainter painter(m_margin);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    QTextBlock block = firstVisibleBlock();
    if (!block.isValid())
        return;
    // Counted up at the first piece of each line.
    int line = lineNumberOf(block) - (isContinuation(block) ? 0 : 1);
    const QTextBlock cursorLine = lineStart(textCursor().block());
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    const int right = m_margin->width() - 5;
    const QFontMetrics metrics = fontMetrics();
    const int ascent = metrics.ascent();
    const QColor number = palette().color(QPalette::PlaceholderText);
    const QColor currentNumber = palette().color(QPalette::Text);
    for (; block.isValid() && top <= event->rect().bottom(); block = block.next()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (isContinuation(block)) {
            top = bottom;
            continue;
        }
        ++line;
        if (block.isVisible() && bottom >= event->rect().top()) {
            const QString shown = QString::number(line + 1);
            painter.setPen(block == cursorLine ? currentNumber : number);
            painter.drawText(QPointF(right - metrics.horizontalAdvance(shown), top + ascent),
                             shown);
        }
        top = bottom;
    }
}

QRect MainTextEdit::rowRect(const QTextBlock &block) const
{
    const QRectF box = blockBoundingGeometry(block).translated(contentOffset());
    return QRect(0, qFloor(box.top()), viewport()->width(), qCeil(box.height()));
}

void MainTextEdit::markCurrentLine()
{
    const QTextBlock block = textCursor().block();
    if (block == m_currentLine.block())
        return;
    // The row the mark leaves and the one it goes to are painted again, with their numbers.
    viewport()->update(rowRect(m_currentLine.block()));
    m_currentLine = QTextCursor(block);
    viewport()->update(rowRect(block));
    m_margin->update();
}

void MainTextEdit::paintEvent(QPaintEvent *event)
{
    // The cursor's row is marked below the text. As an extra selection the box would draw
    // the row's text twice, at every key press.
    const QRect row = rowRect(textCursor().block());
    if (row.intersects(event->rect())) {
        QPainter painter(viewport());
        QColor colour = palette().color(QPalette::Highlight);
        colour.setAlpha(24);
        painter.fillRect(row, colour);
    }
    ui::ExactTextEdit::paintEvent(event);
}

void MainTextEdit::markBrackets()
{
    // The bracket right of the cursor, or else the one left of it.
    const auto isBracket = [](QChar c) {
        return u"()[]{}"_s.contains(c);
    };
    int at = textCursor().position();
    if (!isBracket(document()->characterAt(at)))
        --at;
    QList<QTextEdit::ExtraSelection> marks;
    if (at >= 0 && isBracket(document()->characterAt(at))) {
        // The lines around the bracket, as one text with "\n" between them.
        QTextBlock first = textCursor().block();
        QTextBlock last = first;
        int reach = kBracketReach;
        for (; reach > 0 && first.previous().isValid(); reach -= first.length())
            first = first.previous();
        for (reach = kBracketReach; reach > 0 && last.next().isValid(); reach -= last.length())
            last = last.next();
        QTextCursor span(document());
        span.setPosition(first.position());
        span.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        const QString text = span.selectedText().replace(QChar::ParagraphSeparator, u'\n');
        const qsizetype partner = matchingBracket(text, at - first.position());
        auto mark = [&](int where, const QColor &colour) {
            QTextEdit::ExtraSelection selection;
            selection.format.setBackground(colour);
            selection.cursor = QTextCursor(document());
            selection.cursor.setPosition(where);
            selection.cursor.setPosition(where + 1, QTextCursor::KeepAnchor);
            marks.append(selection);
        };
        if (partner >= 0) {
            QColor colour = palette().color(QPalette::Highlight);
            colour.setAlpha(70);
            mark(at, colour);
            mark(first.position() + int(partner), colour);
        } else if (partner == kUnmatched) {
            mark(at, QColor(0xff, 0xb4, 0xb4));
        }
    }
    if (!marks.isEmpty() || !m_layers[std::size_t(SelectionLayer::Brackets)].isEmpty())
        setExtraSelectionLayer(SelectionLayer::Brackets, marks);
}

} // namespace editor
