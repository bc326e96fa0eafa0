#pragma once

#include <QWidget>

#include <array>

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

private:
    QLineEdit *field(int number) const; // Text2 .. Text21
    void addPanel(int number, const QString &caption, const QList<QList<int>> &rows,
                  void (SnippetPanels::*append)(), const QStringList &help);

    void appendActionEntry();
    void appendIfStatement();
    void appendIdentity();
    void appendCreateUnit();
    void appendObjectHeight();
    void appendParatroopers();

    ui::Host &m_host;
    ui::MainText &m_mainText;
    std::array<QLineEdit *, 20> m_fields{};
};

} // namespace editor
