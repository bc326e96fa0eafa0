#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace briefing {

struct BriefingFields;
class PageView;

// Form4: builds the briefing page from the notes, the plan, up to eight objectives and up to
// five debriefing endings, and writes it to Briefing.html or hands it to the main text.
class BriefingEditor : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kObjectives = 8;
    static constexpr int kEndings = 5;

    explicit BriefingEditor(const ui::DialogContext &context);

    BriefingFields fields() const;
    QString page() const;

private:
    void markerLinkToggled(bool ticked);
    void addMarkerLink();
    void save();
    void writeToMissionFolder();
    void transfer();
    void showPage();

    ui::DialogContext m_context;
    ui::Host &m_host;
    ui::MainText &m_mainText;

    QLineEdit *m_plan = nullptr;
    QLineEdit *m_notes = nullptr;
    std::array<QCheckBox *, kObjectives> m_objectiveChecks{};
    std::array<QLineEdit *, kObjectives> m_objectives{};
    std::array<QCheckBox *, kEndings> m_endingChecks{};
    std::array<QLineEdit *, kEndings> m_endingTitles{};
    std::array<QLineEdit *, kEndings> m_endingTexts{};
    QCheckBox *m_markerCheck = nullptr;
    QLineEdit *m_markerName = nullptr;
    QLineEdit *m_markerText = nullptr;
    QPushButton *m_addMarker = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    PageView *m_pageView = nullptr;
};

} // namespace briefing
