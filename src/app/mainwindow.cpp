#include "mainwindow.h"

#include "core/version.h"
#include "dialogregistry.h"
#include "editor/filecommands.h"
#include "editor/findbar.h"
#include "editor/maintextedit.h"
#include "editor/problemspanel.h"
#include "editor/recentfiles.h"
#include "editor/recovery.h"
#include "editor/snippetpanels.h"
#include "ui/accessibility.h"
#include "ui/dialogslot.h"
#include "ui/elidedlabel.h"
#include "ui/host.h"
#include "ui/longtext.h"
#include "ui/look.h"
#include "ui/missionfolder.h"
#include "ui/pictures.h"
#include "ui/settings.h"
#include "ui/windowhabits.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScrollArea>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

// The pictures live in the static library; the resource must be registered by hand.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace app {
namespace {

// How long the status bar shows the outcome of a command.
constexpr int kStatusMillis = 8000;

const QString kRestoreWarning = u"Der Inhalt aus dem Hauptfenster wird beim Wiederherstellen "
                                "gelöscht, trotzdem fortfahren ?"_s;

// The regular file among those dragged, if there is one.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    }
    return {};
}

// Whether only files are dragged, which the text box would take as their names.
bool onlyFiles(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return !urls.isEmpty() && std::all_of(urls.cbegin(), urls.cend(),
                                          [](const QUrl &url) { return url.isLocalFile(); });
}

// The cursor's place in the status bar, which changes at every key press: as wide as the
// place can grow, so that the window is not laid out again; painting its background, so
// that the bar below it is not painted again; and its one line of text plainly.
class PlaceLabel : public QLabel
{
public:
    PlaceLabel()
    {
        setAutoFillBackground(true);
        setFixedSize(fontMetrics().horizontalAdvance(u"Zeile 0000000, Spalte 0000000"_s) + 4,
                     sizeHint().height());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics = fontMetrics();
        painter.drawText(QPointF(2, (height() + metrics.ascent() - metrics.descent()) / 2.0),
                         text());
    }
};

} // namespace

MainWindow::MainWindow(ui::Host &host, QWidget *parent) : QMainWindow(parent), m_host(host)
{
    core::setProgramVersion(core::buildVersion());
    registerIcons();
    // Every window of the program, the tool dialogs included, shows the program's icon. The
    // pictures are rendered from the SVGs beside them (tools/render-icons.sh): quicker to load.
    QApplication::setWindowIcon(ui::picture(u":/icons/velmora"_s));
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Orlund's Velmora "_s + core::buildVersion());

    m_text = new editor::MainTextEdit;
    m_problems = new editor::ProblemsPanel(*m_text);
    m_files = std::make_unique<editor::FileCommands>(host, *m_text);
    m_findBar = new editor::FindBar(*m_text);
    m_recovery = new editor::TextRecovery(*m_text, ui::recoveryFilePath(), this);
    m_missionFolder = new ui::MissionFolder(this);
    for (const ToolDialog &tool : toolDialogs())
        m_dialogs.emplace(tool.tool, std::make_unique<ui::DialogSlot>(tool.factory));

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();

    auto *central = new QWidget(this);
    auto *body = new QHBoxLayout;
    m_panels = new editor::SnippetPanels(host, *this);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_panels);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(u"Bausteine"_s);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The panels are a narrow column of short fields; the main text takes the rest.
    scroll->setFixedWidth(fontMetrics().averageCharWidth() * 52);
    body->addWidget(scroll, 0);

    auto *frame = ui::named(new QGroupBox(u"Hauptfenster"_s), u"Frame1"_s);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_text);
    frameLayout->addWidget(m_problems);
    body->addWidget(frame, 1);
    statusBar()->addPermanentWidget(m_problems->languageChoice());
    m_missionFolderPath =
        ui::named(new ui::ElidedLabel(m_missionFolder->statusText()), u"missionFolderPath"_s);
    statusBar()->addPermanentWidget(m_missionFolderPath);
    connect(m_missionFolder, &ui::MissionFolder::changed, m_missionFolderPath,
            [this] { m_missionFolderPath->setText(m_missionFolder->statusText()); });
    // The main window's layout takes only the status bar's set minimum into account, not the
    // room its fields need; without it a narrow window lays the fields over one another. The
    // fields change their needs as they change their texts, so the minimum follows them.
    // Before the window is shown the bar's size grip is hidden and not yet counted.
    const int grip = QSizeGrip(nullptr).sizeHint().width() + statusBar()->layout()->spacing();
    statusBar()->setMinimumWidth(statusBar()->minimumSizeHint().width() + grip);
    statusBar()->installEventFilter(this);

    // The find bar spans the window's width below the text, room for its two rows of fields.
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(body, 1);
    layout->addWidget(m_findBar);

    setCentralWidget(central);
    resize(1000, 680);
    ui::fitIntoScreen(*this);
    ui::nameControlsForAccessibility(*this);
    ui::allowLongText(*this);
    ui::installKeyboardHabits(*this, ui::EscapeCloses::No);

    // A file dropped anywhere on the window opens as with Öffnen, on the text as well.
    setAcceptDrops(true);
    m_text->viewport()->installEventFilter(this);

    connect(m_files.get(), &editor::FileCommands::reported, this,
            [this](const QString &outcome) { statusBar()->showMessage(outcome, kStatusMillis); });
    connect(m_files.get(), &editor::FileCommands::opened, this, [this](const QString &path) {
        showFileName(path);
        rememberFiles({path});
        m_problems->fileOpened(path);
    });
    connect(m_files.get(), &editor::FileCommands::saved, this, [this](const QStringList &paths) {
        if (!paths.contains(m_fileName))
            showFileName(paths.constFirst());
        rememberFiles(paths);
        if (paths.contains(m_files->saveAsPath()))
            m_problems->savedAs(m_files->saveAsPath());
    });
    connect(m_text, &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::showCursorPlace);
    connect(m_text->document(), &QTextDocument::modificationChanged, this, [this](bool changed) {
        m_modifiedStatus->setText(changed ? u"geändert"_s : QString());
    });
    // Also the text a dialog hands over after this window was closed by its close box.
    connect(qApp, &QCoreApplication::aboutToQuit, m_recovery, &editor::TextRecovery::keep);
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions()
{
    auto make = [this](const QString &name, const QString &text, const QString &picture) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        if (!picture.isEmpty())
            action->setIcon(ui::picture(u":/icons/"_s + picture));
        action->setIconVisibleInMenu(false); // the menus show their texts alone
        return action;
    };

    m_openAction = make(u"file_open"_s, u"Öffnen"_s, u"open"_s);
    m_openAction->setShortcut(QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, this, [this] { m_files->open(); });

    m_saveAsAction = make(u"file_save_as"_s, u"Speichern unter..."_s, QString());
    m_saveAsAction->setIconText(u"..."_s);
    m_saveAsAction->setToolTip(u"Speichern unter..."_s); // by default without the dots
    m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(m_saveAsAction, &QAction::triggered, this, [this] { m_files->saveAs(); });

    m_saveAction = make(u"file_save"_s, u"Speichern"_s, u"save"_s);
    m_saveAction->setShortcut(QKeySequence::Save);
    connect(m_saveAction, &QAction::triggered, this, [this] { m_files->save(); });

    m_restoreAction = make(u"restoreLastText"_s, u"Letzten Text wiederherstellen"_s, QString());
    m_restoreAction->setStatusTip(u"Den Text zurückholen, den das Programm beim letzten Ende "
                                  "ungespeichert aufbewahrt hat"_s);
    connect(m_restoreAction, &QAction::triggered, this, &MainWindow::restoreLastText);

    // Ends the program as Schließen does.
    m_quitAction = make(u"quit"_s, u"Beenden"_s, QString());
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quitAction, &QAction::triggered, this, &MainWindow::closeProgram);

    const auto edit = [&](const QString &name, const QString &text, const QList<QKeySequence> &keys,
                          auto &&handler) {
        QAction *action = make(name, text, QString());
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        m_editActions.append(action);
    };
    edit(u"find"_s, u"Suchen..."_s, {QKeySequence(Qt::CTRL | Qt::Key_F)},
         [this] { m_findBar->start(false); });
    edit(u"replace"_s, u"Ersetzen..."_s, {QKeySequence(Qt::CTRL | Qt::Key_H)},
         [this] { m_findBar->start(true); });
    // Searches on with the bar's text, or opens the bar when it has none.
    const auto findAgain = [this](bool forward) {
        m_findBar->show();
        if (!m_findBar->hasSearchText())
            m_findBar->start(false);
        else
            forward ? m_findBar->findNext() : m_findBar->findPrevious();
    };
    edit(u"findNext"_s, u"Weitersuchen"_s, {QKeySequence(Qt::Key_F3)},
         [findAgain] { findAgain(true); });
    edit(u"findPrevious"_s, u"Rückwärts suchen"_s, {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
         [findAgain] { findAgain(false); });
    edit(u"goToLine"_s, u"Gehe zu Zeile..."_s, {QKeySequence(Qt::CTRL | Qt::Key_G)},
         [this] { goToLine(); });
    m_editActions.append(nullptr);
    edit(u"zoomIn"_s, u"Größer"_s,
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [this] { m_text->zoomBy(1); });
    edit(u"zoomOut"_s, u"Kleiner"_s, {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         [this] { m_text->zoomBy(-1); });
    edit(u"zoomReset"_s, u"Normale Größe"_s, {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [this] { m_text->resetZoom(); });

    m_resetAction = make(u"reset"_s, u"Reset"_s, u"reset"_s);
    connect(m_resetAction, &QAction::triggered, this, &MainWindow::reset);

    m_closeAction = make(u"close_program"_s, u"Schließen"_s, u"close"_s);
    connect(m_closeAction, &QAction::triggered, this, &MainWindow::closeProgram);

    m_helpAction = make(u"help"_s, u"Hilfe"_s, u"help"_s);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::showInstructions);

    m_infoAction = make(u"info"_s, u"Info"_s, QString());
    connect(m_infoAction, &QAction::triggered, this, &MainWindow::showInfo);

    for (const ToolDialog &tool : toolDialogs()) {
        QAction *action = make(tool.menuItem, tool.caption, QString());
        connect(action, &QAction::triggered, this,
                [this, which = tool.tool] { openDialog(which); });
        m_toolActions[tool.tool] = action;
    }
    m_toolActions.at(Tool::BombDrop)->setIcon(ui::picture(u":/icons/bombdrop"_s));

    m_chooseFolderAction = make(u"chooseMissionFolder"_s, u"Missionsordner wählen..."_s, {});
    connect(m_chooseFolderAction, &QAction::triggered, this,
            [this] { m_missionFolder->choose(m_host); });
    m_openFolderAction = make(u"openMissionFolder"_s, u"Missionsordner öffnen"_s, {});
    connect(m_openFolderAction, &QAction::triggered, this, &MainWindow::openMissionFolder);
}

void MainWindow::createMenus()
{
    QMenu *file = ui::named(menuBar()->addMenu(u"Datei"_s), u"fileMenu"_s);
    file->menuAction()->setObjectName(u"fileMenu"_s);
    file->addAction(m_openAction);
    file->addAction(m_saveAction);
    file->addAction(m_saveAsAction);
    file->addSeparator();
    m_recentMenu = ui::named(file->addMenu(u"Zuletzt geöffnet"_s), u"recentFiles"_s);
    m_recentMenu->menuAction()->setObjectName(u"recentFiles"_s);
    file->addAction(m_restoreAction);
    file->addSeparator();
    file->addAction(m_quitAction);
    // The recent files are read from the settings only now: the start stays quick.
    connect(file, &QMenu::aboutToShow, this, &MainWindow::updateFileMenu);

    QMenu *edit = ui::named(menuBar()->addMenu(u"Bearbeiten"_s), u"editMenu"_s);
    edit->menuAction()->setObjectName(u"editMenu"_s);
    for (QAction *action : std::as_const(m_editActions)) {
        if (action)
            edit->addAction(action);
        else
            edit->addSeparator();
    }

    QMenu *tools = ui::named(menuBar()->addMenu(u"Tools"_s), u"tools_menu"_s);
    tools->menuAction()->setObjectName(u"tools_menu"_s);
    for (const ToolDialog &tool : toolDialogs())
        tools->addAction(m_toolActions.at(tool.tool));

    QMenu *mission = ui::named(menuBar()->addMenu(u"Mission"_s), u"mission_menu"_s);
    mission->menuAction()->setObjectName(u"mission_menu"_s);
    mission->addAction(m_chooseFolderAction);
    mission->addAction(m_openFolderAction);

    QMenu *help = ui::named(menuBar()->addMenu(u"Hilfe"_s), u"help_menu"_s);
    help->menuAction()->setObjectName(u"help_menu"_s);
    help->addAction(m_helpAction);
    help->addAction(m_infoAction);
}

void MainWindow::createToolBar()
{
    QToolBar *bar = addToolBar(u"Werkzeugleiste"_s);
    bar->setObjectName(u"toolbar"_s);
    // One fixed row of square buttons along the top edge, which no menu can hide.
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);
    bar->setIconSize(QSize(24, 24));

    const std::pair<QAction *, QString> buttons[] = {
        {m_openAction, u"Command16"_s},
        {m_saveAsAction, u"Command19"_s},
        {m_saveAction, u"Command7"_s},
        {m_resetAction, u"Command22"_s},
        {m_closeAction, u"Command17"_s},
        {m_helpAction, u"Command8"_s},
        {m_toolActions.at(Tool::BombDrop), u"Command9"_s},
    };
    for (const auto &[action, name] : buttons) {
        bar->addAction(action);
        auto *button = ui::named(qobject_cast<QToolButton *>(bar->widgetForAction(action)), name);
        button->setFixedSize(34, 34);
        button->setAccessibleName(action->toolTip());
        // A picture button has no caption of its own: its picture and tool tip say what it does.
        if (!action->icon().isNull())
            button->setText(QString());
    }
    auto *saveAs = qobject_cast<QToolButton *>(bar->widgetForAction(m_saveAsAction));
    saveAs->setToolButtonStyle(Qt::ToolButtonTextOnly);
    saveAs->setFont(ui::monospaceFont());
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(u"statusBar"_s);
    const auto add = [bar](const QString &name, const QString &text, const QString &tip,
                           QLabel *label = new QLabel) {
        ui::named(label, name)->setText(text);
        label->setToolTip(tip);
        bar->addPermanentWidget(label);
        return label;
    };
    m_fileNameStatus =
        add(u"fileNameStatus"_s, u"Kein Dateiname"_s, QString(), new ui::ElidedLabel);
    m_modifiedStatus = add(u"modifiedStatus"_s, QString(),
                           u"Der Text hat Änderungen, die noch in keiner Datei stehen"_s);
    m_cursorStatus = add(u"cursorStatus"_s, QString(), QString(), new PlaceLabel);
    add(u"encodingStatus"_s, u"Windows-1252"_s,
        u"Der Zeichensatz, in dem Dateien gelesen und "
        "geschrieben werden"_s);
    add(u"lineEndStatus"_s, u"CR LF"_s, u"Das Zeilenende in geschriebenen Dateien"_s);
    showCursorPlace();
}

void MainWindow::showCursorPlace()
{
    const editor::MainTextEdit::Place place = m_text->cursorPlace();
    m_cursorStatus->setText(u"Zeile %1, Spalte %2"_s.arg(place.line).arg(place.column));
}

void MainWindow::showFileName(const QString &path)
{
    m_fileName = path;
    m_fileNameStatus->setText(QFileInfo(path).fileName());
    m_fileNameStatus->setToolTip(QDir::toNativeSeparators(path));
}

void MainWindow::rememberFiles(const QStringList &paths)
{
    QSettings settings = ui::settings();
    editor::RecentFiles recent = editor::RecentFiles::load(settings);
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        recent.add(*path);
    recent.store(settings);
}

void MainWindow::updateFileMenu()
{
    QSettings settings = ui::settings();
    const QStringList files = editor::RecentFiles::load(settings).paths();
    m_recentMenu->clear();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString shown = QDir::toNativeSeparators(files[i]).replace(u'&', u"&&"_s);
        QAction *action = m_recentMenu->addAction(u"&%1  %2"_s.arg(i + 1).arg(shown));
        action->setObjectName(u"recentFile%1"_s.arg(i + 1));
        connect(action, &QAction::triggered, this,
                [this, path = files[i]] { openRecentFile(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!files.isEmpty());
    m_restoreAction->setEnabled(m_recovery->hasText());
}

void MainWindow::openRecentFile(const QString &path)
{
    if (QFileInfo(path).exists()) {
        m_files->openFile(path);
        return;
    }
    // A file that has gone leaves the list.
    QSettings settings = ui::settings();
    editor::RecentFiles recent = editor::RecentFiles::load(settings);
    recent.remove(path);
    recent.store(settings);
    statusBar()->showMessage(
        u"Nicht geöffnet: %1 – Datei nicht gefunden"_s.arg(QDir::toNativeSeparators(path)),
        kStatusMillis);
}

void MainWindow::goToLine()
{
    const QString answer =
        m_host.input(u"Zeile (1 bis %1)"_s.arg(m_text->lineCount()), u"Gehe zu Zeile"_s,
                     QString::number(m_text->cursorPlace().line));
    if (answer.isEmpty()) // cancelled
        return;
    bool isNumber = false;
    const int line = answer.trimmed().toInt(&isNumber);
    if (!isNumber) {
        statusBar()->showMessage(u"Keine Zeilennummer: "_s + answer, kStatusMillis);
        return;
    }
    m_text->goToLine(line);
    m_text->setFocus(Qt::OtherFocusReason);
}

void MainWindow::restoreLastText()
{
    const std::optional<QString> kept = m_recovery->read();
    if (!kept) {
        statusBar()->showMessage(u"Kein aufbewahrter Text vorhanden"_s, kStatusMillis);
        return;
    }
    if (!isEmpty() && m_host.message(u"Hinweis"_s, kRestoreWarning, ui::Buttons::OkCancel,
                                     ui::Icon::None) != ui::Answer::Ok)
        return;
    replace(*kept);
    statusBar()->showMessage(u"Letzter Text wiederhergestellt"_s, kStatusMillis);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every way of ending passes here: Schließen, Beenden and the close box.
    m_recovery->keep();
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    m_files->openFile(file);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == statusBar() && event->type() == QEvent::LayoutRequest)
        statusBar()->setMinimumWidth(statusBar()->minimumSizeHint().width());
    // The text box takes drops as text; a file dropped on it opens instead, and other things
    // of the file system (a folder, a device) are not taken at all.
    const bool dragging = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                          event->type() == QEvent::Drop;
    if (watched != m_text->viewport() || !dragging)
        return QMainWindow::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!onlyFiles(drop->mimeData()))
        return false;
    if (event->type() == QEvent::Drop)
        dropEvent(drop);
    else if (!droppedFile(drop->mimeData()).isEmpty())
        drop->acceptProposedAction();
    else
        drop->ignore();
    return true;
}

QString MainWindow::text() const
{
    return m_text->text();
}

bool MainWindow::isEmpty() const
{
    return m_text->isEmpty();
}

void MainWindow::replace(const QString &text)
{
    m_text->setText(text, true);
}

void MainWindow::append(const QString &text)
{
    m_text->appendText(text);
}

void MainWindow::report(const QString &text)
{
    statusBar()->showMessage(text);
}

QWidget *MainWindow::openDialog(Tool tool)
{
    return m_dialogs.at(tool)->open(ui::DialogContext{m_host, *this, *m_missionFolder, *this});
}

QWidget *MainWindow::dialog(Tool tool) const
{
    return m_dialogs.at(tool)->window();
}

void MainWindow::reset()
{
    m_text->setText(QString(), true);
    m_panels->reset();
}

void MainWindow::closeProgram()
{
    for (Tool tool : closeOrder())
        m_dialogs.at(tool)->close();
    close();
}

QString MainWindow::instructionsText()
{
    return u"Schreibe einfach ein Script in das Textfeld, die Schaltflächen und Felder auf der "
           "linken Seite sind nur zur hilfe da, um nicht ständig standard Befehle eintippen zu "
           "müssen, stattdessen brauch man nur ein paar relevante Einträge vornehmen und auf die "
           "Schaltfläche darüber klicken und schon wird der Syntax bzw das Script erstellt."
           "\r\n\r\n"
           "Um das Script als *.sqs oder description.ext Datei abzuspeichern klicke einfach auf "
           "die entsprechende Schaltfläche auf der rechten Seite des Textfelds. Die Dateien werden "
           "dort generiert wo auch das Programm ausgeführt wird, ansonsten kann man nach bedarf "
           "auch den Speicherort auswählen."
           "\r\n\r\n"
           "Beim Schließen des Programms (nur wenn man auf \"Schließen\" drückt), wird "
           "automatisch ein Sicherung auf C\\: angelegt wenn man das Häkchen vorher nicht "
           "wegmacht"_s;
}

QString MainWindow::infoText()
{
    return u"Velmora "_s + core::programVersion() +
           u"\r\nvon Orlund\r\n"
           "Scripts, description.ext und Briefings für Missionsbauer"_s;
}

void MainWindow::showInstructions()
{
    m_host.message(u"Anleitung"_s, instructionsText(), ui::Buttons::Ok, ui::Icon::None);
}

void MainWindow::showInfo()
{
    m_host.message(u"Info"_s, infoText(), ui::Buttons::Ok, ui::Icon::None);
}

void MainWindow::openMissionFolder()
{
    // Like every tool that writes there: without a folder, choosing one comes first.
    const QString folder = m_missionFolder->folderToWrite(m_host);
    if (!folder.isEmpty())
        m_host.showFolder(QDir::toNativeSeparators(folder));
}

} // namespace app
