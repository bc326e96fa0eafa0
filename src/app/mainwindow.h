#pragma once

#include "dialogregistry.h"
#include "ui/maintext.h"
#include "ui/statusreport.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace ui {
class Host;
class DialogSlot;
class MissionFolder;
} // namespace ui

namespace editor {
class FileCommands;
class FindBar;
class MainTextEdit;
class ProblemsPanel;
class SnippetPanels;
class TextRecovery;
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
    // Asks for a line number and puts the cursor there.
    void goToLine();
    // Replaces the main text with the one kept when the program last ended with changes.
    void restoreLastText();

    editor::FileCommands &fileCommands() { return *m_files; }
    editor::MainTextEdit &mainTextEdit() { return *m_text; }
    editor::ProblemsPanel &problemsPanel() { return *m_problems; }
    editor::FindBar &findBar() { return *m_findBar; }
    editor::TextRecovery &recovery() { return *m_recovery; }
    ui::MissionFolder &missionFolder() { return *m_missionFolder; }

    static QString instructionsText();
    static QString infoText();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    // Fills the recent files and enables what can be done, as the Datei menu opens.
    void updateFileMenu();
    void rememberFiles(const QStringList &paths);
    void openRecentFile(const QString &path);
    void showFileName(const QString &path);
    void showCursorPlace();

    ui::Host &m_host;
    editor::MainTextEdit *m_text = nullptr;
    editor::FindBar *m_findBar = nullptr;
    editor::SnippetPanels *m_panels = nullptr;
    editor::ProblemsPanel *m_problems = nullptr;
    editor::TextRecovery *m_recovery = nullptr;
    std::unique_ptr<editor::FileCommands> m_files;
    std::map<Tool, std::unique_ptr<ui::DialogSlot>> m_dialogs;
    ui::MissionFolder *m_missionFolder = nullptr;
    QLabel *m_missionFolderPath = nullptr; // in the status bar

    QAction *m_openAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_resetAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_infoAction = nullptr;
    QList<QAction *> m_editActions;          // the Bearbeiten menu, separators as null
    std::map<Tool, QAction *> m_toolActions; // the Tools menu items
    QAction *m_chooseFolderAction = nullptr;
    QAction *m_openFolderAction = nullptr;
    QMenu *m_recentMenu = nullptr;

    QString m_fileName; // the file the main text was last opened from or saved to
    QLabel *m_fileNameStatus = nullptr;
    QLabel *m_modifiedStatus = nullptr;
    QLabel *m_cursorStatus = nullptr;
};

} // namespace app
