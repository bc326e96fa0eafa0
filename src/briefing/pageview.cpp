#include "pageview.h"

#include "ui/accessibility.h"
#include "ui/look.h"
#include "ui/windowhabits.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace briefing {

// The browser asks its view for every resource. The toolkit's own answer would read the named
// file, so nothing may be left unanswered: an empty answer makes the document try the file
// itself.
class PageBrowser : public QTextBrowser
{
public:
    explicit PageBrowser(const PageView &view) : m_view(view) {}

    QVariant loadResource(int type, const QUrl &name) override
    {
        return m_view.resource(type, name);
    }

private:
    const PageView &m_view;
};

namespace {

constexpr QSize kPictureSize(128, 64);
constexpr qint64 kLargestFile = 8 * 1024 * 1024;
constexpr int kLargestSide = 4096;
constexpr int kMostCheckLines = 200;
// Breaking lines between words means looking for a blank from every line start; in a word of
// many thousand letters that takes seconds, so such a page is broken anywhere.
constexpr qsizetype kLongestWord = 2000;

const QString kMissing = u"Bild fehlt"_s;
const QString kNotLoaded = u"nicht geladen"_s;

QString quoted(const QString &text)
{
    return u"„"_s + text + u"“"_s;
}

// The stand-in for a picture that is not shown, at the size the game gives the overview's.
QImage standIn(const QString &caption)
{
    QImage image(kPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xee, 0xee, 0xee));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 1, Qt::DashLine));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x66, 0x66, 0x66));
    painter.drawText(image.rect(), Qt::AlignCenter, caption);
    return image;
}

// The status mark before an objective: an empty box, a tick or a cross.
QImage mark(ObjectiveStatus status)
{
    constexpr int kSide = 18;
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2, 2, kSide - 4, kSide - 4));
    if (status == ObjectiveStatus::Done) {
        painter.setPen(QPen(QColor(0x1a, 0x8a, 0x2e), 2.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath tick;
        tick.moveTo(5, 9.5);
        tick.lineTo(8, 12.5);
        tick.lineTo(13.5, 5);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    } else if (status == ObjectiveStatus::Failed) {
        painter.setPen(QPen(QColor(0xc0, 0x1c, 0x1c), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(5.5, 5.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 5.5), QPointF(5.5, 12.5));
    }
    return image;
}

QString statusName(ObjectiveStatus status)
{
    switch (status) {
    case ObjectiveStatus::Open:
        return u"offen"_s;
    case ObjectiveStatus::Done:
        return u"erledigt"_s;
    case ObjectiveStatus::Failed:
        break;
    }
    return u"gescheitert"_s;
}

QString endingCaption(const QString &ending)
{
    if (ending.startsWith(u"End"_s))
        return u"Ende "_s + ending.mid(3);
    return u"Niederlage (Loser)"_s;
}

bool isBareFileName(const QString &name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && name != u"."_s && name != u".."_s;
}

} // namespace

PageView::PageView(PageKind kind, QWidget *editor) : QWidget(editor, Qt::Window), m_kind(kind)
{
    const bool briefing = kind == PageKind::Briefing;
    setObjectName(briefing ? u"pageViewBriefing"_s : u"pageViewOverview"_s);
    setWindowTitle(briefing ? u"Seitenansicht – Briefing"_s : u"Seitenansicht – Overview"_s);

    m_browser = ui::named(new PageBrowser(*this), u"pageBrowser"_s);
    m_browser->setAccessibleName(u"Seite, wie das Spiel sie zeigt"_s);
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    m_browser->setMinimumHeight(160);
    // A scroll bar that came and went would lay the whole page out again at every change.
    m_browser->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_status = ui::named(new QLabel, u"pageStatus"_s);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_check = ui::named(new QListWidget, u"pageCheck"_s);
    m_check->setWordWrap(true);
    m_check->setAlternatingRowColors(true); // tells apart lines that wrap
    m_check->setAccessibleName(u"Prüfung der Seite"_s);

    auto *layout = new QVBoxLayout(this);
    if (briefing) {
        m_tabs = ui::named(new QTabBar, u"pageTabs"_s);
        m_tabs->addTab(u"Plan"_s);
        m_tabs->addTab(u"Notizen"_s);
        m_tabs->addTab(u"Nachbesprechung"_s);
        m_tabs->setDrawBase(false);
        m_endingChooser = ui::named(new QComboBox, u"endingChooser"_s);
        m_endingChooser->setPlaceholderText(u"keine"_s);
        m_endingChooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_endingLabel = new QLabel(u"Ende:"_s);
        m_endingLabel->setBuddy(m_endingChooser);
        auto *top = new QHBoxLayout;
        top->addWidget(m_tabs);
        top->addStretch(1);
        top->addWidget(m_endingLabel);
        top->addWidget(m_endingChooser);
        layout->addLayout(top);
        connect(m_tabs, &QTabBar::currentChanged, this, &PageView::tabChosen);
        connect(m_endingChooser, &QComboBox::currentIndexChanged, this, [this] {
            if (m_shown == Shown::Debriefing)
                display(Shown::Debriefing);
        });
    } else {
        m_pictureNote = ui::named(new QLabel, u"pictureNote"_s);
        m_pictureNote->setTextFormat(Qt::PlainText);
        m_pictureNote->setWordWrap(true);
        m_pictureNote->setStyleSheet(u"QLabel { color: #8a4b00; }"_s);
        layout->addWidget(m_pictureNote);
    }

    auto *checkFrame = new QGroupBox(u"Prüfung der Seite"_s);
    auto *checkLayout = new QVBoxLayout(checkFrame);
    checkLayout->addWidget(m_check);
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_browser);
    splitter->addWidget(checkFrame);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_status);

    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &PageView::renderNow);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &PageView::linkClicked);
    connect(m_browser, QOverload<const QUrl &>::of(&QTextBrowser::highlighted), this,
            &PageView::linkHovered);
    if (editor)
        editor->installEventFilter(this);

    display(m_kind == PageKind::Briefing ? Shown::Plan : Shown::Notes);
    ui::nameControlsForAccessibility(*this);
    resize(560, 680);
}

PageView::~PageView() = default;

void PageView::setPage(const QString &page)
{
    m_page = page;
    changed();
}

void PageView::setPictureName(const QString &fileName)
{
    if (fileName == m_pictureName)
        return;
    m_pictureName = fileName;
    changed();
}

void PageView::setPictureFolder(const QString &folder)
{
    if (folder == m_pictureFolder)
        return;
    m_pictureFolder = folder;
    changed();
}

void PageView::changed()
{
    m_stale = true;
    // A hidden view does no work; it catches up when it is shown.
    if (isVisible())
        m_pause.start();
}

void PageView::open()
{
    if (!isVisible()) {
        if (QWidget *editor = parentWidget()) {
            setScreen(editor->screen());
            ui::fitIntoScreen(*this);
            // To the right of the editor, else to its left, else over its right edge.
            const QRect frame = editor->frameGeometry();
            const QRect screen = editor->screen() ? editor->screen()->availableGeometry() : QRect();
            constexpr int kGap = 8;
            QPoint at(frame.right() + 1 + kGap, frame.top());
            if (screen.isValid() && at.x() + width() > screen.right()) {
                at.setX(frame.left() - kGap - width());
                if (at.x() < screen.left())
                    at.setX(std::max(screen.left(), screen.right() - width()));
            }
            if (screen.isValid())
                at.setY(std::clamp(at.y(), screen.top(),
                                   std::max(screen.top(), screen.bottom() - height())));
            move(at);
        }
    }
    QWidget::show();
    raise();
    activateWindow();
}

void PageView::renderNow()
{
    m_pause.stop();
    if (!m_stale)
        return;
    m_stale = false;
    m_reading = readPage(m_page, m_kind);
    if (m_kind == PageKind::Overview) {
        const QImage before = m_picture;
        loadPicture();
        if (m_picture != before)
            m_shownHtml.clear(); // the same page with another picture
        m_pictureNote->setText(m_pictureNotes.join(u'\n'));
        m_pictureNote->setVisible(!m_pictureNotes.isEmpty());
    } else {
        showEndings();
    }
    showCheck();
    showAgain();
}

QVariant PageView::resource(int type, const QUrl &name) const
{
    if (type != QTextDocument::ImageResource)
        return QString(); // no style sheet, page or other file is ever read
    const ViewUrl url = viewUrl(name);
    if (url.kind == ViewUrl::Mark)
        return mark(ObjectiveStatus(std::clamp(url.number, 0, 2)));
    if (url.kind == ViewUrl::Picture && m_kind == PageKind::Overview && !m_pictureName.isEmpty() &&
        m_reading.pictures.value(url.number) == m_pictureName)
        return m_picture.isNull() ? standIn(kMissing) : m_picture;
    return standIn(kNotLoaded);
}

bool PageView::event(QEvent *event)
{
    // Coming back to the view, the user may have saved the picture anew meanwhile.
    if (event->type() == QEvent::WindowActivate)
        changed();
    return QWidget::event(event);
}

bool PageView::eventFilter(QObject *watched, QEvent *event)
{
    // Closed with its editor, also when the editor is only hidden and kept.
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    return QWidget::eventFilter(watched, event);
}

void PageView::showEvent(QShowEvent *event)
{
    renderNow();
    QWidget::showEvent(event);
}

void PageView::loadPicture()
{
    const QString &name = m_pictureName;
    if (name.isEmpty() || !isBareFileName(name) || m_pictureFolder.isEmpty()) {
        m_picturePath.clear();
        m_picture = QImage();
        if (name.isEmpty())
            m_pictureNotes = {u"Die Seite nennt kein Bild – mit „...“ ein JPEG-Bild von 128 × 64 "
                              u"Pixeln wählen."_s};
        else if (!isBareFileName(name))
            m_pictureNotes = {quoted(name) + u" ist kein bloßer Dateiname: das Bild muss neben "
                                             u"der Seite liegen – nur den Dateinamen eintragen."_s};
        else
            m_pictureNotes = {u"Das Bild "_s + quoted(name) +
                              u" wird gezeigt, sobald es mit „...“ gewählt wurde."_s};
        return;
    }

    const QString path = QDir(m_pictureFolder).filePath(name);
    const QFileInfo info(path);
    if (info.isFile() && path == m_picturePath && info.size() == m_pictureSize &&
        info.lastModified() == m_pictureTime)
        return; // the same file as last time
    m_picturePath = path;
    m_pictureSize = info.size();
    m_pictureTime = info.lastModified();
    m_picture = QImage();
    m_pictureNotes.clear();
    const QString shown = quoted(name);
    if (!info.exists()) {
        m_pictureNotes.append(u"Das Bild "_s + shown + u" fehlt im Ordner "_s +
                              quoted(QDir::toNativeSeparators(m_pictureFolder)) +
                              u" – es dorthin legen oder ein anderes wählen."_s);
        m_picturePath.clear();
        return;
    }
    if (!info.isFile() || info.size() > kLargestFile) {
        m_pictureNotes.append(shown + u" ist kein Bild von 128 × 64 Pixeln – ein JPEG-Bild "
                                      u"dieser Größe wählen."_s);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_pictureNotes.append(shown + u" lässt sich nicht lesen – die Rechte der Datei prüfen."_s);
        m_picturePath.clear();
        return;
    }
    QByteArray bytes = file.read(kLargestFile);
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer); // the format from the bytes, never from the name
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "jpeg") {
        m_pictureNotes.append(
            shown + u" ist kein JPEG-Bild"_s +
            (format.isEmpty() ? QString()
                              : u" (sondern "_s + QString::fromLatin1(format.toUpper()) + u')') +
            u" – das Spiel zeigt nur JPEG; als JPEG speichern."_s);
        return;
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kLargestSide || size.height() > kLargestSide) {
        m_pictureNotes.append(shown + u" lässt sich nicht als Bild lesen – neu als JPEG "
                                      u"von 128 × 64 Pixeln speichern."_s);
        return;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        m_pictureNotes.append(shown + u" lässt sich nicht als Bild lesen – neu als JPEG "
                                      u"von 128 × 64 Pixeln speichern."_s);
        return;
    }
    if (image.size() != kPictureSize)
        m_pictureNotes.append(
            u"%1 ist %2 × %3 Pixel groß; das Spiel streckt es auf 128 × 64 – das Bild in "
            u"dieser Größe speichern."_s.arg(shown)
                .arg(image.width())
                .arg(image.height()));
    // Stretched as the game stretches it, whatever its proportions.
    m_picture = image.scaled(kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PageView::showCheck()
{
    m_check->clear();
    const QList<PageNote> &notes = m_reading.notes;
    if (notes.isEmpty()) {
        m_check->addItem(u"Die Prüfung findet nichts: das Spiel zeigt die Seite wie hier."_s);
        return;
    }
    QStringList lines;
    for (qsizetype i = 0; i < notes.size() && i < kMostCheckLines; ++i)
        lines.append(u"Zeile %1: %2"_s.arg(notes[i].line).arg(notes[i].text));
    if (notes.size() > kMostCheckLines)
        lines.append(u"… und %1 weitere Hinweise."_s.arg(notes.size() - kMostCheckLines));
    m_check->addItems(lines);
}

void PageView::showEndings()
{
    const QString chosen = m_endingChooser->currentData().toString();
    const QSignalBlocker blocker(m_endingChooser);
    m_endingChooser->clear();
    for (const QString &ending : endings(m_reading))
        m_endingChooser->addItem(endingCaption(ending), ending);
    const int again = m_endingChooser->findData(chosen);
    m_endingChooser->setCurrentIndex(again >= 0 ? again : (m_endingChooser->count() > 0 ? 0 : -1));
    m_endingChooser->setEnabled(m_endingChooser->count() > 0);
}

void PageView::showAgain()
{
    if (m_shown == Shown::Section) {
        // The section shown may have gone or moved with the change.
        const int section = m_reading.find(m_shownName);
        if (section >= 0) {
            display(Shown::Section, section);
            return;
        }
        m_shown = Shown::Plan;
    }
    display(m_shown, -1);
}

void PageView::display(Shown shown, int section, const QString &anchor)
{
    QScrollBar *scroll = m_browser->verticalScrollBar();
    const QString name = section >= 0 ? m_reading.sections[section].name : QString();
    const bool same = shown == m_shown && name.compare(m_shownName, Qt::CaseInsensitive) == 0;
    const int position = same ? scroll->value() : 0;
    m_shown = shown;
    m_shownName = name;

    QString html;
    if (m_kind == PageKind::Overview) {
        html = sectionPage(m_reading, m_reading.find(u"Main"_s));
    } else {
        switch (shown) {
        case Shown::Plan:
            html = planPage(m_reading, statuses());
            break;
        case Shown::Notes:
            html = sectionPage(m_reading, m_reading.find(u"Main"_s));
            break;
        case Shown::Debriefing:
            html = sectionPage(m_reading,
                               endingSection(m_reading, m_endingChooser->currentData().toString()));
            break;
        case Shown::Section:
            html = sectionPage(m_reading, section);
            break;
        }
        const QSignalBlocker blocker(m_tabs);
        if (shown == Shown::Section) {
            const QString caption = u"Abschnitt "_s + name;
            if (m_tabs->count() < 4)
                m_tabs->addTab(caption);
            else
                m_tabs->setTabText(3, caption);
            m_tabs->setCurrentIndex(3);
        } else {
            if (m_tabs->count() > 3)
                m_tabs->removeTab(3);
            m_tabs->setCurrentIndex(int(shown));
        }
        m_endingLabel->setVisible(shown == Shown::Debriefing);
        m_endingChooser->setVisible(shown == Shown::Debriefing);
    }

    m_browser->setWordWrapMode(m_reading.longestWord > kLongestWord
                                   ? QTextOption::WrapAnywhere
                                   : QTextOption::WrapAtWordBoundaryOrAnywhere);
    if (html != m_shownHtml) {
        m_browser->setHtml(html);
        m_shownHtml = html;
    }
    if (!anchor.isEmpty())
        m_browser->scrollToAnchor(anchor);
    else
        scroll->setValue(position);
}

void PageView::tabChosen(int index)
{
    if (index >= 0 && index <= int(Shown::Debriefing))
        display(Shown(index));
}

void PageView::linkClicked(const QUrl &url)
{
    const ViewUrl target = viewUrl(url);
    if (target.kind == ViewUrl::Status) {
        const QList<int> list = objectives(m_reading);
        if (target.number >= list.size())
            return;
        const QString name = m_reading.sections[list[target.number]].name;
        ObjectiveStatus &status = m_statuses[name.toLower()];
        status = nextStatus(status);
        display(Shown::Plan);
        say(u"Ziel "_s + quoted(name) + u": "_s + statusName(status) + u'.');
        return;
    }
    if (target.kind != ViewUrl::Link || target.number >= m_reading.links.size())
        return;
    const QString &href = m_reading.links[target.number];
    const LinkMeaning meaning = linkMeaning(href);
    switch (meaning.kind) {
    case LinkMeaning::Marker:
        say(u"Die Karte springt zum Marker "_s + quoted(meaning.target) + u'.');
        return;
    case LinkMeaning::Section:
        followSection(meaning.target);
        return;
    case LinkMeaning::None:
        break;
    }
    say(u"Diesem Link folgt das Spiel nicht: "_s + quoted(href) + u'.');
}

void PageView::say(const QString &text)
{
    m_said = text;
    m_status->setText(text);
}

void PageView::linkHovered(const QUrl &url)
{
    // Where a link leads, while the pointer is on it; then the last answer again.
    const ViewUrl target = viewUrl(url);
    QString text = m_said;
    if (target.kind == ViewUrl::Status) {
        text = u"Ein Klick wechselt den Stand des Ziels: offen, erledigt, gescheitert."_s;
    } else if (target.kind == ViewUrl::Link && target.number < m_reading.links.size()) {
        const LinkMeaning meaning = linkMeaning(m_reading.links[target.number]);
        switch (meaning.kind) {
        case LinkMeaning::Marker:
            text = u"Link zum Marker "_s + quoted(meaning.target);
            break;
        case LinkMeaning::Section:
            text = u"Link zum Abschnitt "_s + quoted(meaning.target);
            break;
        case LinkMeaning::None:
            text = u"Link, dem das Spiel nicht folgt: "_s + quoted(meaning.target);
            break;
        }
    }
    m_status->setText(text);
}

void PageView::followSection(const QString &name)
{
    const int section = m_reading.find(name);
    if (section < 0) {
        say(u"Der Link führt zu keinem Abschnitt: "_s + quoted(u'#' + name) + u'.');
        return;
    }
    say(u"Abschnitt "_s + quoted(m_reading.sections[section].name) + u'.');
    if (m_kind == PageKind::Overview)
        return; // the overview is one page
    const QString key = name.toLower();
    if (key == u"main"_s)
        return display(Shown::Notes);
    if (key == u"plan"_s)
        return display(Shown::Plan);
    if (const qsizetype n = objectives(m_reading).indexOf(section); n >= 0)
        return display(Shown::Plan, -1, objectiveAnchor(int(n)));
    for (const QString &ending : endings(m_reading)) {
        if (endingSection(m_reading, ending) == section) {
            const QSignalBlocker blocker(m_endingChooser);
            m_endingChooser->setCurrentIndex(m_endingChooser->findData(ending));
            return display(Shown::Debriefing);
        }
    }
    display(Shown::Section, section);
}

QList<ObjectiveStatus> PageView::statuses() const
{
    QList<ObjectiveStatus> list;
    for (const int section : objectives(m_reading))
        list.append(m_statuses.value(m_reading.sections[section].name.toLower()));
    return list;
}

} // namespace briefing
