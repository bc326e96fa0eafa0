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
#include "ui/pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
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
    core::setProgramVersion(u"1.1"_s);
    registerIcons();
    // Every window of the program, the tool dialogs included, shows the program's icon. The
    // pictures are rendered from the SVGs beside them (tools/render-icons.sh): quicker to load.
    QApplication::setWindowIcon(ui::picture(u":/icons/velmora"_s));
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Orlund's Velmora 1.1"_s);

    m_text = new editor::MainTextEdit;
    m_files = std::make_unique<editor::FileCommands>(host, *m_text);
    for (const ToolDialog &tool : toolDialogs())
        m_dialogs.emplace(tool.form, std::make_unique<ui::DialogSlot>(tool.form, tool.factory));

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(makeToolbar());

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

    auto *frame = new QGroupBox(u"Hauptfenster"_s);
    frame->setObjectName(u"Frame1"_s);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_text);
    body->addWidget(frame, 1);
    layout->addLayout(body, 1);

    setCentralWidget(central);
    makeMenus();
    resize(1000, 680);
    ui::nameControlsForAccessibility(*this);
}

MainWindow::~MainWindow() = default;

QWidget *MainWindow::makeToolbar()
{
    auto *bar = new QWidget;
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto add = [&](const QString &name, const QString &tip, const QString &picture,
                   void (MainWindow::*action)()) {
        auto *button = new QToolButton(bar);
        button->setObjectName(name);
        button->setToolTip(tip);
        button->setAccessibleName(tip);
        if (!picture.isEmpty())
            button->setIcon(ui::picture(u":/icons/"_s + picture));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(34, 34);
        button->setAutoRaise(true);
        if (action)
            connect(button, &QToolButton::clicked, this, action);
        row->addWidget(button);
        return button;
    };
    add(u"Command16"_s, u"Öffnen"_s, u"open"_s, nullptr);
    QToolButton *saveAs = add(u"Command19"_s, u"Speichern unter..."_s, QString(), nullptr);
    saveAs->setToolButtonStyle(Qt::ToolButtonTextOnly);
    saveAs->setText(u"..."_s);
    saveAs->setFont(ui::monospaceFont());
    add(u"Command7"_s, u"Speichern"_s, u"save"_s, nullptr);
    add(u"Command22"_s, u"Reset"_s, u"reset"_s, &MainWindow::reset);
    add(u"Command17"_s, u"Schließen"_s, u"close"_s, &MainWindow::closeProgram);
    add(u"Command8"_s, u"Hilfe"_s, u"help"_s, &MainWindow::showInstructions);
    QToolButton *calculator = add(u"Command9"_s, u"BDP Rechner"_s, u"bombdrop"_s, nullptr);
    row->addStretch(1);

    auto *open = bar->findChild<QToolButton *>(u"Command16"_s);
    auto *save = bar->findChild<QToolButton *>(u"Command7"_s);
    connect(open, &QToolButton::clicked, this, [this] { m_files->open(); });
    connect(saveAs, &QToolButton::clicked, this, [this] { m_files->saveAs(); });
    connect(save, &QToolButton::clicked, this, [this] { m_files->save(); });
    connect(calculator, &QToolButton::clicked, this, [this] { openDialog(u"Form2"_s); });

    // The file commands from the keyboard too; the buttons keep their tool tips as they are.
    auto shortcut = [this](QKeySequence keys, QToolButton *button) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, button, &QToolButton::click);
        addAction(action);
    };
    shortcut(QKeySequence::Open, open);
    shortcut(QKeySequence::Save, save);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), saveAs);
    return bar;
}

void MainWindow::makeMenus()
{
    QMenu *tools = menuBar()->addMenu(u"Tools"_s);
    tools->setObjectName(u"tools_menu"_s);
    tools->menuAction()->setObjectName(u"tools_menu"_s);
    for (const ToolDialog &tool : toolDialogs()) {
        QAction *item = tools->addAction(tool.caption);
        item->setObjectName(tool.menuItem);
        const QString form = tool.form;
        connect(item, &QAction::triggered, this, [this, form] { openDialog(form); });
    }

    QMenu *help = menuBar()->addMenu(u"Hilfe"_s);
    help->setObjectName(u"help_menu"_s);
    help->menuAction()->setObjectName(u"help_menu"_s);
    QAction *instructions = help->addAction(u"Hilfe"_s);
    instructions->setObjectName(u"help"_s);
    connect(instructions, &QAction::triggered, this, &MainWindow::showInstructions);
    QAction *info = help->addAction(u"Info"_s);
    info->setObjectName(u"info"_s);
    connect(info, &QAction::triggered, this, &MainWindow::showInfo);
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

QWidget *MainWindow::openDialog(const QString &form)
{
    const auto found = m_dialogs.find(form);
    if (found == m_dialogs.end())
        return nullptr;
    return found->second->open(ui::DialogContext{m_host, *this});
}

QWidget *MainWindow::dialog(const QString &form) const
{
    const auto found = m_dialogs.find(form);
    return found == m_dialogs.end() ? nullptr : found->second->window();
}

void MainWindow::reset()
{
    m_text->setText(QString(), true);
    m_panels->reset();
}

void MainWindow::closeProgram()
{
    for (const QString &form : closeOrder())
        m_dialogs.at(form)->close();
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

} // namespace app
