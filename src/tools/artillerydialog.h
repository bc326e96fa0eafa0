#pragma once

#include "ui/dialogcontext.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;

namespace tools {
struct ArtillerySettings;
}

namespace tools {

// Form9: writes the four scripts with which the player calls an artillery barrage onto a
// map marker during the mission.
class ArtilleryDialog : public QWidget
{
    Q_OBJECT
public:
    explicit ArtilleryDialog(const ui::DialogContext &context);

    // Writes the package into the program folder. False when nothing or not everything
    // was written.
    bool generate();
    // Writes the package into the mission folder, for the marker number as it stands: the
    // field keeps the user's count.
    void writeToMissionFolder();
    void showInfo();

    static QString infoText();

private:
    // The fields with the marker number lowered; none (and a message) when it is no number.
    std::optional<ArtillerySettings> settings();

    ui::DialogContext m_context;
    ui::Host &m_host;
    QComboBox *m_colour = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_marker = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_radiusX = nullptr;
    QLineEdit *m_radiusY = nullptr;
    QLineEdit *m_shots = nullptr;
};

} // namespace tools
