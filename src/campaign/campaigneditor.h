#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

class QFormLayout;
class QLabel;
class QLineEdit;
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
    explicit CampaignEditor(const ui::DialogContext &context);

    struct ResultButtons
    {
        QPushButton *save;
        QPushButton *transfer;
        QPushButton *close;
    };

    // A labelled field in the column of fields.
    static QLineEdit *addField(QFormLayout &form, QLabel *label, QLineEdit *field);
    // Puts the buttons at the foot of the left column, with the mission folder's and the
    // appending button beside their siblings, and the result box m_result beside it; gives
    // the window its first size.
    void finishLayout(QVBoxLayout *left, const ResultButtons &buttons, const QSize &size);

    ui::DialogContext m_context;
    ui::Host &m_host;
    ui::MainText &m_mainText;
    ui::ExactTextEdit *m_result = nullptr; // made by each editor under its own name

private:
    void save();
    void writeToMissionFolder();
    void transfer();
};

} // namespace campaign
