#pragma once

#include "ui/maintext.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QToolButton;

namespace ui {
class Host;
class DialogSlot;
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
class MainWindow : public QMainWindow, public ui::MainText
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

    // Opens the tool dialog with that window name (Form2 .. Form9), or brings it to the front.
    QWidget *openDialog(const QString &form);
    // The open dialog with that window name, or null.
    QWidget *dialog(const QString &form) const;

    void reset();
    void closeProgram();
    void showInstructions();
    void showInfo();

    editor::FileCommands &fileCommands() { return *m_files; }
    editor::MainTextEdit &mainTextEdit() { return *m_text; }

    static QString instructionsText();
    static QString infoText();

private:
    QWidget *makeToolbar();
    void makeMenus();

    ui::Host &m_host;
    editor::MainTextEdit *m_text = nullptr;
    editor::SnippetPanels *m_panels = nullptr;
    std::unique_ptr<editor::FileCommands> m_files;
    std::map<QString, std::unique_ptr<ui::DialogSlot>> m_dialogs; // by window name
};

} // namespace app
