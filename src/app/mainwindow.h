#pragma once

#include "dialogregistry.h"
#include "ui/maintext.h"
#include "ui/statusreport.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;

namespace ui {
class Host;
class DialogSlot;
class MissionFolder;
} // namespace ui

namespace editor {
class FileCommands;
class MainTextEdit;
class SnippetPanels;
} // namespace editor

namespace app {

// Form1, the start window: the toolbar, the snippet panels, the main text and the menus that
// open every tool dialog. It lives for the whole run, also after its own close box hid it,
// so that a dialog left open can still hand its result to the main text.
class MainWindow : public QMainWindow, public ui::MainText, public ui::StatusReport
{
    Q_OBJECT
public:
    explicit MainWindow(ui::Host &host, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The main text.
    QString text() const override;
    bool isEmpty() const override;
    void replace(const QString &text) override;
    void append(const QString &text) override;

    // What a dialog wrote where, in the status bar.
    void report(const QString &text) override;

    // Opens the tool dialog, or brings it to the front when it is open.
    QWidget *openDialog(Tool tool);
    // The open tool dialog, or null.
    QWidget *dialog(Tool tool) const;

    void reset();
    void closeProgram();
    void showInstructions();
    void showInfo();
    void openMissionFolder();

    editor::FileCommands &fileCommands() { return *m_files; }
    editor::MainTextEdit &mainTextEdit() { return *m_text; }
    ui::MissionFolder &missionFolder() { return *m_missionFolder; }

    static QString instructionsText();
    static QString infoText();

private:
    void createActions();
    void createMenus();
    void createToolBar();

    ui::Host &m_host;
    editor::MainTextEdit *m_text = nullptr;
    editor::SnippetPanels *m_panels = nullptr;
    std::unique_ptr<editor::FileCommands> m_files;
    std::map<Tool, std::unique_ptr<ui::DialogSlot>> m_dialogs;
    ui::MissionFolder *m_missionFolder = nullptr;
    QLabel *m_missionFolderPath = nullptr; // in the status bar

    QAction *m_openAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_resetAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_infoAction = nullptr;
    std::map<Tool, QAction *> m_toolActions; // the Tools menu items
    QAction *m_chooseFolderAction = nullptr;
    QAction *m_openFolderAction = nullptr;
};

} // namespace app
