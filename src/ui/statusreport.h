#pragma once

#include <QString>

namespace ui {

// The main window's status bar as the dialogs reach it, to say what they wrote where. The
// main window implements it.
class StatusReport
{
public:
    virtual ~StatusReport() = default;

    virtual void report(const QString &text) = 0;
};

} // namespace ui
