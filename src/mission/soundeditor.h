#pragma once

#include "soundlistmodel.h"
#include "ui/dialogcontext.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace ui {
class ExactTextEdit;
}

namespace mission {

// Collects up to 30 sound files of one folder, one click per file, and shows the finished
// class CfgSounds block.
class SoundEditor : public QWidget
{
    Q_OBJECT

public:
    explicit SoundEditor(const ui::DialogContext &context);

private:
    void setProgressMaximum();
    void addSound();
    void reset();
    void save();
    void writeToMissionFolder();
    void transfer();
    void showProgress();
    void showState();

    ui::DialogContext m_context;
    ui::Host &m_host;
    ui::MainText &m_mainText;

    QLineEdit *m_folder = nullptr;         // Text1
    QLineEdit *m_count = nullptr;          // Text2
    QLabel *m_fileLabel = nullptr;         // Label3
    QLineEdit *m_fileName = nullptr;       // Text3
    QPushButton *m_add = nullptr;          // Command1
    ui::ExactTextEdit *m_result = nullptr; // Text5
    QProgressBar *m_bar = nullptr;         // ProgressBar1

    // The bar cannot refuse a position or a maximum, so the model holds the range and the
    // bar only shows it.
    SoundListModel m_sounds;
};

} // namespace mission
