#include "windowhabits.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace ui {
namespace {

// Sees the key presses that no control of the window took for itself: they pass up from the
// focused control to the window.
class KeyboardHabits : public QObject
{
public:
    KeyboardHabits(QWidget &window, EscapeCloses escape)
        : QObject(&window), m_window(window), m_escape(escape)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_window || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto *button = qobject_cast<QPushButton *>(m_window.focusWidget());
            if (!button || !button->isEnabled())
                return false;
            button->click();
            return true;
        }
        if (key->key() == Qt::Key_Escape && m_escape == EscapeCloses::Yes) {
            m_window.close();
            return true;
        }
        return false;
    }

private:
    QWidget &m_window;
    EscapeCloses m_escape;
};

} // namespace

void installKeyboardHabits(QWidget &window, EscapeCloses escape)
{
    new KeyboardHabits(window, escape);
}

QSize fittedSize(QSize wanted, QSize minimum, QSize workArea)
{
    return wanted.boundedTo(workArea - kWindowFrame).expandedTo(minimum);
}

void fitIntoScreen(QWidget &window)
{
    // A window not sized yet would take the size its layout asks for.
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QSize workArea = screen->availableGeometry().size();
    // Where it fits, the window's layout keeps it at its minimum by itself; asking the layout
    // for that minimum now, before the window is polished, would cost the start-up a layout.
    if (wanted == wanted.boundedTo(workArea - kWindowFrame))
        return;
    window.resize(
        fittedSize(wanted, window.minimumSize().expandedTo(window.minimumSizeHint()), workArea));
}

} // namespace ui
