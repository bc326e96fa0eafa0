#include "dialogslot.h"

#include "accessibility.h"
#include "longtext.h"
#include "windowhabits.h"

namespace ui {

DialogSlot::DialogSlot(DialogFactory factory) : m_factory(std::move(factory)) {}

DialogSlot::~DialogSlot()
{
    delete m_window.data();
}

QWidget *DialogSlot::open(const DialogContext &context)
{
    if (!m_window) {
        QWidget *made = m_factory ? m_factory(context) : nullptr;
        if (!made)
            return nullptr;
        made->setParent(nullptr);
        // A closed dialog is gone for good, so that the next opening starts at its defaults.
        made->setAttribute(Qt::WA_DeleteOnClose);
        nameControlsForAccessibility(*made);
        allowLongText(*made);
        installKeyboardHabits(*made, EscapeCloses::Yes);
        fitIntoScreen(*made);
        m_window = made;
    }
    m_window->show();
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
    return m_window.data();
}

void DialogSlot::close()
{
    if (m_window)
        m_window->close();
}

} // namespace ui
