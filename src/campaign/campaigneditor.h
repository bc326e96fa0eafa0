#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

class QPushButton;
class QSize;
class QVBoxLayout;

namespace ui {
class ExactTextEdit;
}

namespace campaign {

// What both campaign editors share: the result box "Ergebnis" on the right, and the buttons
// that save it to description.ext, hand it to the main window or close the dialog.
class CampaignEditor : public QWidget
{
    Q_OBJECT
protected:
    CampaignEditor(const ui::DialogContext &context, const QString &form, const QString &title);

    // Puts the save, transfer and close buttons at the foot of the left column, the result box
    // beside it, and gives the window its first size.
    void finishLayout(QVBoxLayout *left, const QString &resultName, const QString &saveName,
                      const QString &closeName, const QSize &size);

    ui::Host &m_host;
    ui::MainText &m_mainText;
    ui::ExactTextEdit *m_result = nullptr;

private:
    void save();
    void transfer();
};

} // namespace campaign
