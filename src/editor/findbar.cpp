#include "findbar.h"

#include "maintextedit.h"
#include "ui/look.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

using Box = ui::ExactTextEdit;

// One line of the text box as the user sees it: a block, or the pieces of a long line, with
// the way between places in the line's text and places in the document.
struct Line
{
    QTextBlock first;
    QTextBlock last;
    QString text;
    QList<qsizetype> starts; // where each piece starts in the text; empty for a single block

    static Line at(const QTextBlock &lineStart)
    {
        Line line{lineStart, lineStart, lineStart.text(), {}};
        if (Box::isContinuation(lineStart.next())) {
            line.starts.append(0);
            for (QTextBlock block = lineStart.next(); Box::isContinuation(block);
                 block = block.next()) {
                line.starts.append(line.text.size());
                line.text += block.text();
                line.last = block;
            }
        }
        return line;
    }

    // The document position of a place in the text.
    int position(qsizetype offset) const
    {
        QTextBlock block = first;
        for (qsizetype i = 0; i + 1 < starts.size(); ++i, block = block.next()) {
            if (offset < starts[i + 1])
                return block.position() + int(offset - starts[i]);
        }
        return block.position() + int(offset - starts.value(starts.size() - 1, 0));
    }

    qsizetype offset(int position) const
    {
        QTextBlock block = first;
        for (qsizetype i = 0; i + 1 < starts.size(); ++i, block = block.next()) {
            if (position < block.position() + block.length())
                return starts[i] + (position - block.position());
        }
        return starts.value(starts.size() - 1, 0) + (position - block.position());
    }
};

} // namespace

FindBar::FindBar(MainTextEdit &box, QWidget *parent) : QWidget(parent), m_box(box)
{
    setObjectName(u"findBar"_s);
    auto *findLabel = new QLabel(u"Suchen"_s);
    m_findText = ui::named(new QLineEdit, u"findText"_s);
    findLabel->setBuddy(m_findText);
    auto *previous = ui::named(new QPushButton(u"Zurück"_s), u"findPrevious"_s);
    previous->setToolTip(u"Vorige Fundstelle (Umschalt+F3)"_s);
    auto *next = ui::named(new QPushButton(u"Weiter"_s), u"findNext"_s);
    next->setToolTip(u"Nächste Fundstelle (F3)"_s);
    m_matchCase = ui::named(new QCheckBox(u"Groß/klein"_s), u"matchCase"_s);
    m_matchCase->setToolTip(u"Groß- und Kleinschreibung beachten"_s);
    m_wholeWords = ui::named(new QCheckBox(u"Ganze Wörter"_s), u"wholeWords"_s);
    m_note = ui::named(new QLabel, u"findNote"_s);
    auto *close = ui::named(new QToolButton, u"closeFindBar"_s);
    close->setText(u"×"_s);
    close->setToolTip(u"Suchleiste schließen (Esc)"_s);
    close->setAutoRaise(true);

    auto *replaceLabel = new QLabel(u"Ersetzen"_s);
    m_replaceText = ui::named(new QLineEdit, u"replaceText"_s);
    replaceLabel->setBuddy(m_replaceText);
    auto *replace = ui::named(new QPushButton(u"Ersetzen"_s), u"replaceOne"_s);
    replace->setToolTip(u"Die markierte Fundstelle ersetzen und die nächste suchen"_s);
    auto *replaceEvery = ui::named(new QPushButton(u"Alle ersetzen"_s), u"replaceAll"_s);
    m_replaceRow = {replaceLabel, m_replaceText, replace, replaceEvery};

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 0);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findText, 0, 1);
    grid->addWidget(previous, 0, 2);
    grid->addWidget(next, 0, 3);
    grid->addWidget(m_matchCase, 0, 4);
    grid->addWidget(m_wholeWords, 0, 5);
    grid->addWidget(m_note, 0, 6);
    grid->addWidget(close, 0, 7);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replaceText, 1, 1);
    grid->addWidget(replace, 1, 2);
    grid->addWidget(replaceEvery, 1, 3, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(6, 1);

    connect(previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(replace, &QPushButton::clicked, this, &FindBar::replaceOne);
    connect(replaceEvery, &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(close, &QToolButton::clicked, this, &FindBar::finish);
    // Searching while typing: the match grows with the search text where it stands.
    connect(m_findText, &QLineEdit::textEdited, this,
            [this] { find(true, m_box.textCursor().selectionStart()); });
    m_box.installEventFilter(this);
    hide();
}

SearchOptions FindBar::options() const
{
    return {m_matchCase->isChecked(), m_wholeWords->isChecked()};
}

bool FindBar::hasSearchText() const
{
    return !m_findText->text().isEmpty();
}

QString FindBar::note() const
{
    return m_note->text();
}

void FindBar::setNote(const QString &note)
{
    m_note->setText(note);
}

void FindBar::start(bool replacing)
{
    const QString selected = m_box.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator) &&
        !selected.contains(QChar::LineSeparator))
        m_findText->setText(selected);
    for (QWidget *widget : std::as_const(m_replaceRow))
        widget->setVisible(replacing);
    setNote({});
    show();
    m_findText->setFocus(Qt::ShortcutFocusReason);
    m_findText->selectAll();
}

void FindBar::finish()
{
    hide();
    m_box.setExtraSelectionLayer(SelectionLayer::Find, {});
    m_box.setFocus(Qt::OtherFocusReason);
}

bool FindBar::findNext()
{
    return find(true, m_box.textCursor().selectionEnd());
}

bool FindBar::findPrevious()
{
    return find(false, m_box.textCursor().selectionStart());
}

bool FindBar::find(bool forward, int from)
{
    const QString needle = m_findText->text();
    setNote({});
    if (needle.isEmpty()) {
        m_box.setExtraSelectionLayer(SelectionLayer::Find, {});
        return false;
    }
    // Line by line from the place on, round the end to the other end and back to the line
    // the search began in, which is then searched whole.
    const QTextDocument &document = *m_box.document();
    const QTextBlock startLine = Box::lineStart(document.findBlock(from));
    Line line = Line::at(startLine);
    qsizetype offset = line.offset(from);
    bool wrapped = false;
    while (true) {
        const qsizetype match = forward
                                    ? editor::findNext(line.text, needle, offset, options())
                                    : editor::findPrevious(line.text, needle, offset, options());
        if (match >= 0) {
            QTextCursor cursor(m_box.document());
            cursor.setPosition(line.position(match));
            cursor.setPosition(line.position(match + needle.size()), QTextCursor::KeepAnchor);
            showMatch(cursor);
            if (wrapped)
                setNote(forward ? u"Von vorn weitergesucht"_s : u"Vom Ende her weitergesucht"_s);
            return true;
        }
        if (wrapped && line.first == startLine)
            break;
        QTextBlock next = forward ? line.last.next() : line.first.previous();
        if (!next.isValid()) {
            wrapped = true;
            next = forward ? document.firstBlock() : document.lastBlock();
        }
        line = Line::at(Box::lineStart(next));
        offset = forward ? 0 : line.text.size();
    }
    m_box.setExtraSelectionLayer(SelectionLayer::Find, {});
    setNote(u"Nicht gefunden"_s);
    return false;
}

void FindBar::showMatch(const QTextCursor &match)
{
    m_box.setTextCursor(match);
    m_box.ensureCursorVisible();
    // Marked also while the keyboard is in the bar, where the selection looks pale.
    QTextEdit::ExtraSelection mark;
    mark.cursor = match;
    mark.format.setBackground(QColor(0xff, 0xe0, 0x6a));
    m_box.setExtraSelectionLayer(SelectionLayer::Find, {mark});
}

void FindBar::replaceOne()
{
    QTextCursor cursor = m_box.textCursor();
    QString selected = cursor.selectedText();
    // A match may run over the place where two pieces of a long line meet.
    if (Box::lineStart(cursor.document()->findBlock(cursor.selectionStart())) ==
        Box::lineStart(cursor.document()->findBlock(cursor.selectionEnd())))
        selected.remove(QChar::ParagraphSeparator);
    if (isMatch(selected, m_findText->text(), options())) {
        m_box.replaceSelection(cursor, m_replaceText->text());
        m_box.setTextCursor(cursor);
    }
    findNext();
}

int FindBar::replaceAll()
{
    const QString needle = m_findText->text();
    const QString replacement = m_replaceText->text();
    struct Change
    {
        int from;
        int to;
        QString text;
    };
    // Each line with matches is replaced whole, from the last to the first, so that the
    // places of those before stay as they were found.
    QList<Change> changes;
    int count = 0;
    for (QTextBlock block = m_box.document()->firstBlock(); block.isValid() && !needle.isEmpty();) {
        const Line line = Line::at(block);
        const QList<qsizetype> starts = findAll(line.text, needle, options());
        if (!starts.isEmpty()) {
            QString replaced;
            qsizetype at = 0;
            for (qsizetype start : starts) {
                replaced += QStringView(line.text).sliced(at, start - at);
                replaced += replacement;
                at = start + needle.size();
            }
            replaced += QStringView(line.text).sliced(at);
            changes.append(
                {line.position(0), line.position(line.text.size()), std::move(replaced)});
            count += int(starts.size());
        }
        block = line.last.next();
    }
    if (count > 0) {
        QTextCursor cursor(m_box.document());
        cursor.beginEditBlock(); // one undo step for all
        for (auto change = changes.crbegin(); change != changes.crend(); ++change) {
            cursor.setPosition(change->from);
            cursor.setPosition(change->to, QTextCursor::KeepAnchor);
            m_box.replaceSelection(cursor, change->text);
        }
        cursor.endEditBlock();
    }
    m_box.setExtraSelectionLayer(SelectionLayer::Find, {});
    setNote(count == 0   ? u"Nicht gefunden"_s
            : count == 1 ? u"1 Stelle ersetzt"_s
                         : u"%1 Stellen ersetzt"_s.arg(count));
    return count;
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape) {
        finish();
    } else if (enter && m_findText->hasFocus()) {
        event->modifiers().testFlag(Qt::ShiftModifier) ? findPrevious() : findNext();
    } else if (enter && m_replaceText->hasFocus()) {
        replaceOne();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    // Escape in the text closes the bar as well.
    if (watched == &m_box && event->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        finish();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace editor
