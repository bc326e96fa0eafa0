#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace briefing {

struct OverviewFields;
class PageView;

// Form5: builds the overview page from a title, a picture and a text, and writes it to
// Overview.html or hands it to the main text.
class OverviewEditor : public QWidget
{
    Q_OBJECT
public:
    explicit OverviewEditor(const ui::DialogContext &context);

    OverviewFields fields() const;
    QString page() const;

private:
    void choosePicture();
    void save();
    void writeToMissionFolder();
    void transfer();
    void showPage();
    void showPictureFolder();

    ui::DialogContext m_context;
    ui::Host &m_host;
    ui::MainText &m_mainText;

    QLineEdit *m_title = nullptr;
    QLineEdit *m_text = nullptr;
    QLineEdit *m_picture = nullptr;
    QLabel *m_pictureWarning = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    PageView *m_pageView = nullptr;
    QString m_chosenPicture; // as chosen in the file dialog, with its folder
};

} // namespace briefing
