#pragma once

#include <QWidget>

class QLineEdit;

namespace ui {
class Host;
}

namespace tools {

// Form2: tells a pilot how long a dropped bomb falls and how far it travels over ground,
// so that it can be released that far before the target.
class BombDropCalculator : public QWidget
{
    Q_OBJECT
public:
    explicit BombDropCalculator(ui::Host &host);

    void compute();
    void showInfo();

    static QString infoText();

private:
    ui::Host &m_host;
    QLineEdit *m_speed = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_distance = nullptr;
    QLineEdit *m_fallTime = nullptr;
};

} // namespace tools
