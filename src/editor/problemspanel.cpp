#include "problemspanel.h"

#include "check/textlines.h"
#include "core/memory.h"
#include "maintextedit.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <new>

using namespace Qt::StringLiterals;

namespace editor {

namespace {

QString languageName(check::Language language)
{
    return language == check::Language::Sqs ? u"SQS-Script"_s : u"description.ext"_s;
}

QString severityName(check::Severity severity)
{
    return severity == check::Severity::Error ? u"Fehler"_s : u"Warnung"_s;
}

// The marks in a text stop at this many: a text that is all problems must still scroll.
constexpr int kMostMarks = 500;

// A check holds a copy of the text and its problems: a text that is nothing but problems
// (a duplicate label on every line) takes up to some 50 bytes a character for them. A text
// whose check would not fit into the memory left is not checked: the program must not fail
// over a list of problems.
constexpr qint64 kCheckBytesPerCharacter = 52;
// Below this, asking the system how much memory is left costs more than it can tell.
constexpr qint64 kSmallCheckBytes = qint64(64) << 20;

} // namespace

// One row a problem, made when it is shown: a hundred thousand problems cost no more than
// their list. A text without problems has one row that says so.
class ProblemsModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    // The problems, or with none the note instead of saying there are none.
    void setProblems(QList<check::Diagnostic> problems, const QString &note = QString())
    {
        beginResetModel();
        m_problems = std::move(problems);
        m_note = note;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(std::max<qsizetype>(m_problems.size(), 1));
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= rowCount({}))
            return {};
        if (m_problems.isEmpty() && role != Qt::DisplayRole)
            return {};
        if (m_problems.isEmpty())
            return m_note.isEmpty() ? u"Keine Probleme gefunden"_s : m_note;
        const check::Diagnostic &problem = m_problems.at(index.row());
        const bool error = problem.severity == check::Severity::Error;
        switch (role) {
        case Qt::DisplayRole:
            return u"Zeile %1: %2"_s.arg(problem.line).arg(problem.message);
        case Qt::DecorationRole:
            return icon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning);
        case Qt::ToolTipRole:
            return u"%1 in Zeile %2, Spalte %3"_s.arg(severityName(problem.severity))
                .arg(problem.line)
                .arg(problem.column);
        case Qt::AccessibleTextRole: // what the icon shows, for a screen reader
            return u"%1, Zeile %2: %3"_s.arg(severityName(problem.severity))
                .arg(problem.line)
                .arg(problem.message);
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        // The row of a clean text leads nowhere.
        if (m_problems.isEmpty())
            return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
        return QAbstractListModel::flags(index);
    }

private:
    // Loaded when first shown: a clean text at start-up needs none.
    const QIcon &icon(QStyle::StandardPixmap which) const
    {
        QIcon &icon = which == QStyle::SP_MessageBoxCritical ? m_error : m_warning;
        if (icon.isNull())
            icon = QApplication::style()->standardIcon(which);
        return icon;
    }

    QList<check::Diagnostic> m_problems;
    QString m_note;
    mutable QIcon m_error;
    mutable QIcon m_warning;
};

ProblemsPanel::ProblemsPanel(MainTextEdit &text, QWidget *parent)
    : QWidget(parent), m_text(text), m_model(new ProblemsModel(this))
{
    m_view = new QListView;
    m_view->setObjectName(u"problems"_s);
    m_view->setAccessibleName(u"Probleme"_s);
    m_view->setModel(m_model);
    m_view->setUniformItemSizes(true); // no row is measured on its own
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTextElideMode(Qt::ElideRight);
    const int iconSize = m_view->style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_view->setIconSize(QSize(iconSize, iconSize));
    // Five rows; the main text above takes the rest of the height.
    const int rowHeight = std::max(m_view->fontMetrics().height(), iconSize) + 4;
    m_view->setFixedHeight(rowHeight * 5 + 2 * m_view->frameWidth());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // A click or Enter: the view says "activated" for one or the other, as the style has it.
    connect(m_view, &QAbstractItemView::clicked, this, &ProblemsPanel::goTo);
    connect(m_view, &QAbstractItemView::activated, this, &ProblemsPanel::goTo);

    m_languageChoice = new QComboBox(this);
    m_languageChoice->setObjectName(u"language"_s);
    m_languageChoice->setAccessibleName(u"Sprache der Prüfung"_s);
    m_languageChoice->setToolTip(
        u"Sprache, in der die Prüfung den Text liest: aus Dateiname und Text erkannt oder von "
        "Hand gewählt"_s);
    // The first entry names the language it found, which changes as the user types; the box
    // keeps one width for all of them, so the status bar does not shift.
    m_languageChoice->addItem(u"Automatisch: "_s + languageName(check::Language::Config));
    m_languageChoice->addItem(languageName(check::Language::Sqs),
                              QVariant::fromValue(int(check::Language::Sqs)));
    m_languageChoice->addItem(languageName(check::Language::Config),
                              QVariant::fromValue(int(check::Language::Config)));
    m_languageChoice->setFixedWidth(m_languageChoice->sizeHint().width());
    connect(m_languageChoice, &QComboBox::currentIndexChanged, this, &ProblemsPanel::checkLater);

    m_pause.setParent(this);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ProblemsPanel::checkLater);
    connect(&m_text, &QPlainTextEdit::textChanged, this, [this] {
        ++m_version;
        m_pause.start();
    });
    // The marks follow the view: only the shown lines carry them. The box scrolls itself
    // without a word from its scroll bar, but it always asks for the moved view to be drawn.
    connect(&m_text, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0)
            markShownLinesSoon();
    });
    m_text.viewport()->installEventFilter(this);
    m_textView = m_text.viewport();

    checkNow();
}

ProblemsPanel::~ProblemsPanel()
{
    m_latestRequest = std::numeric_limits<quint64>::max(); // what is still queued is skipped
    m_thread.quit();
    m_thread.wait();
}

void ProblemsPanel::fileOpened(const QString &path)
{
    m_fileName = path;
    if (m_languageChoice) {
        const QSignalBlocker quiet(m_languageChoice); // one check is enough
        m_languageChoice->setCurrentIndex(0);
    }
    checkLater();
}

void ProblemsPanel::savedAs(const QString &path)
{
    m_fileName = path;
    checkLater();
}

std::optional<check::Language> ProblemsPanel::chosenLanguage() const
{
    const QVariant chosen = m_languageChoice ? m_languageChoice->currentData() : QVariant();
    if (!chosen.isValid())
        return std::nullopt;
    return check::Language(chosen.toInt());
}

ProblemsPanel::Request ProblemsPanel::nextRequest()
{
    m_pause.stop();
    m_latestRequest = ++m_generation;
    Request request{m_generation, m_version, {}, m_fileName, chosenLanguage(), true};
    const qint64 bytes = qint64(m_text.document()->characterCount()) * kCheckBytesPerCharacter;
    if (bytes > kSmallCheckBytes && bytes >= core::allocatableBytes())
        return request;
    try {
        request.text = m_text.text();
        request.tooBig = false;
    } catch (const std::bad_alloc &) {
    }
    return request;
}

ProblemsPanel::Result ProblemsPanel::run(const Request &request)
{
    Result result{request.generation, request.version, {}, {}, 1, request.tooBig};
    result.guessed = check::guessLanguage(request.fileName, request.text);
    if (result.tooBig)
        return result;
    try {
        result.diagnostics = check::diagnose(request.text, request.chosen.value_or(result.guessed));
    } catch (const std::bad_alloc &) { // the estimate is the first line, this the last
        result.diagnostics.clear();
        result.tooBig = true;
        return result;
    }
    const QStringView text(request.text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const qsizetype end = check::lineEndLength(text, i)) {
            ++result.lines;
            i += end - 1;
        }
    }
    return result;
}

void ProblemsPanel::checkNow()
{
    showResult(run(nextRequest()));
}

void ProblemsPanel::checkLater()
{
    if (!m_thread.isRunning()) {
        m_thread.setObjectName(u"Prüfung"_s);
        m_worker = new QObject;
        m_worker->moveToThread(&m_thread);
        connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        m_thread.start(QThread::LowPriority);
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this, request = nextRequest()] {
            // A newer request waits behind this one: its result would be dropped anyway.
            if (request.generation < m_latestRequest)
                return;
            QMetaObject::invokeMethod(
                this, [this, result = run(request)] { showResult(result); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

bool ProblemsPanel::checkPending() const
{
    return m_pause.isActive() || m_shownGeneration != m_generation;
}

void ProblemsPanel::showResult(const Result &result)
{
    if (result.generation != m_generation)
        return;
    m_shownGeneration = result.generation;
    m_shownVersion = result.version;
    m_diagnostics = result.diagnostics;
    m_model->setProblems(m_diagnostics, result.tooBig ? u"Der Text ist zu groß, um ihn mit dem "
                                                        "freien Speicher zu prüfen"_s
                                                      : QString());
    if (m_languageChoice)
        m_languageChoice->setItemText(0, u"Automatisch: "_s + languageName(result.guessed));
    // When the text has changed since it was copied, the marks there follow it until the next
    // result, which comes after the next pause.
    if (result.version == m_version) {
        if (result.tooBig)
            m_places.clear();
        else
            m_places.learn(m_text, result.lines);
        markShownLines();
    }
    Q_EMIT checked();
}

void ProblemsPanel::markShownLines()
{
    if (m_shownVersion != m_version)
        return;
    const QTextBlock top = m_text.cursorForPosition(QPoint(0, 0)).block();
    const QTextBlock bottom =
        m_text.cursorForPosition(QPoint(0, m_text.viewport()->height())).block();
    // Lines from 1, as the problems have them.
    const int first = m_places.textLineOf(m_text.lineNumberOf(top)) + 1;
    const int last = m_places.textLineOf(m_text.lineNumberOf(bottom) + 1);
    auto problem =
        std::lower_bound(m_diagnostics.cbegin(), m_diagnostics.cend(), first,
                         [](const check::Diagnostic &d, int line) { return d.line < line; });

    QList<QTextEdit::ExtraSelection> selections;
    for (;
         problem != m_diagnostics.cend() && problem->line <= last && selections.size() < kMostMarks;
         ++problem) {
        const LinePlaces::Span span = m_places.span(m_text, problem->line, problem->column);
        if (span.start == span.to) // an empty line: nothing to underline
            continue;
        // From the column to the line's end; at least its last character.
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_text.document());
        mark.cursor.setPosition(std::min(span.from, span.to - 1));
        mark.cursor.setPosition(span.to, QTextCursor::KeepAnchor);
        mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.format.setUnderlineColor(problem->severity == check::Severity::Error
                                          ? QColor(0xd0, 0x00, 0x00)
                                          : QColor(0xc0, 0x80, 0x00));
        selections.append(mark);
    }
    m_text.setExtraSelectionLayer(SelectionLayer::Problems, selections);
}

void ProblemsPanel::markShownLinesSoon()
{
    // The view moves or grows in the middle of an edit as well (the line numbers' margin
    // widens while a file is read in). New marks replace the text cursors of the old ones,
    // and the document must not lose a cursor while it is moving them all: the marks are
    // made once the edit is over.
    if (m_marksPending)
        return;
    m_marksPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_marksPending = false;
            markShownLines();
        },
        Qt::QueuedConnection);
}

void ProblemsPanel::goTo(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= m_diagnostics.size())
        return;
    const check::Diagnostic &problem = m_diagnostics.at(index.row());
    QTextCursor cursor(m_text.document());
    cursor.setPosition(m_places.span(m_text, problem.line, problem.column).from);
    m_text.setTextCursor(cursor);
    if (!m_text.viewport()->rect().contains(m_text.cursorRect()))
        m_text.centerCursor();
    m_text.setFocus(Qt::OtherFocusReason);
}

bool ProblemsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Nothing of the text box is asked before the event is known: the box may be on its way
    // out, its view sending the last events of its life.
    if (event->type() == QEvent::Resize && watched == m_textView)
        markShownLinesSoon();
    return QWidget::eventFilter(watched, event);
}

} // namespace editor
