#pragma once

#include <QString>

namespace ui {

// The main window's text as the dialogs and the file commands reach it: read whole and
// replaced whole. The main window implements it.
class MainText
{
public:
    virtual ~MainText() = default;

    virtual QString text() const = 0;
    virtual bool isEmpty() const { return text().isEmpty(); }
    virtual void replace(const QString &text) = 0;
    // The old text followed by the given one.
    virtual void append(const QString &text) { replace(this->text() + text); }
};

} // namespace ui
