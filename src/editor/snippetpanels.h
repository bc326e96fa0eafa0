#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;

namespace ui {
class Host;
class MainText;
} // namespace ui

namespace editor {

// The six snippet panels on the left of the main window: each button appends its lines to
// the main text, each help button explains the panel's fields.
class SnippetPanels : public QWidget
{
    Q_OBJECT
public:
    SnippetPanels(ui::Host &host, ui::MainText &mainText, QWidget *parent = nullptr);

    // Every field back to its default text.
    void reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ui::Host &m_host;
    ui::MainText &m_mainText;
    QList<QLineEdit *> m_fields;        // in the order of the panels, top to bottom
    QLineEdit *m_clickedInto = nullptr; // a field the mouse is giving the focus to
};

} // namespace editor
