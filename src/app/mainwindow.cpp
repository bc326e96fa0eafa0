#include "mainwindow.h"

#include "core/version.h"
#include "dialogregistry.h"
#include "editor/filecommands.h"
#include "editor/maintextedit.h"
#include "editor/snippetpanels.h"
#include "ui/accessibility.h"
#include "ui/dialogslot.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/missionfolder.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// The pictures live in the static library; the resource must be registered by hand.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace app {

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
    m_files = std::make_unique<editor::FileCommands>(host, *m_text);
    m_missionFolder = new ui::MissionFolder(this);
    for (const ToolDialog &tool : toolDialogs())
        m_dialogs.emplace(tool.tool, std::make_unique<ui::DialogSlot>(tool.factory));

    createActions();
    createMenus();
    createToolBar();

    auto *central = new QWidget(this);
    auto *body = new QHBoxLayout(central);
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
    body->addWidget(frame, 1);

    setCentralWidget(central);

    m_missionFolderPath =
        ui::named(new QLabel(m_missionFolder->statusText()), u"missionFolderPath"_s);
    statusBar()->addPermanentWidget(m_missionFolderPath);
    connect(m_missionFolder, &ui::MissionFolder::changed, m_missionFolderPath,
            [this] { m_missionFolderPath->setText(m_missionFolder->statusText()); });

    resize(1000, 680);
    ui::nameControlsForAccessibility(*this);
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
    return u"Velmora "_s + core::programVersion() + u"\r\nvon Orlund\r\nwww.velmora.example"_s;
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
