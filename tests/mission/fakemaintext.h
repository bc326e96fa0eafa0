#pragma once

#include "ui/maintext.h"

// The main window's text without the window.
class FakeMainText : public ui::MainText
{
public:
    QString text() const override { return m_text; }
    void replace(const QString &text) override { m_text = text; }

private:
    QString m_text;
};
