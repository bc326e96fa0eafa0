#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace ui {
class Host;
}

namespace tools {

// Form9: writes the four scripts with which the player calls an artillery barrage onto a
// map marker during the mission.
class ArtilleryDialog : public QWidget
{
    Q_OBJECT
public:
    explicit ArtilleryDialog(ui::Host &host);

    // Writes the package into the program folder. False when nothing or not everything
    // was written.
    bool generate();
    void showInfo();

    static QString infoText();

private:
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
