#pragma once

#include "dialogcontext.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace ui {

using DialogFactory = std::function<QWidget *(const DialogContext &)>;

// One tool dialog that exists at most once: a parentless, modeless top-level window that
// is made afresh after it was closed and brought to the front while it is open.
class DialogSlot
{
public:
    explicit DialogSlot(DialogFactory factory);
    ~DialogSlot();
    DialogSlot(const DialogSlot &) = delete;
    DialogSlot &operator=(const DialogSlot &) = delete;

    // Shows the dialog, making it first if needed. Null when no dialog can be made.
    QWidget *open(const DialogContext &context);
    // Closes the dialog if it is open.
    void close();
    QWidget *window() const { return m_window.data(); }

private:
    DialogFactory m_factory;
    QPointer<QWidget> m_window;
};

} // namespace ui
