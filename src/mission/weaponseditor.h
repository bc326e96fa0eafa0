#pragma once

#include "stockmodel.h"
#include "ui/dialogcontext.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class ExactTextEdit;
}

namespace mission {

// Picks weapons and magazines from the game's class names, with their counts, and
// generates the class Weapons and class Magazines blocks.
class WeaponsEditor : public QWidget
{
    Q_OBJECT

public:
    explicit WeaponsEditor(const ui::DialogContext &context);

private:
    void fillCatalogues();
    void addWeapon();
    void addMagazine();
    void generate();
    void reset();
    void save();
    void writeToMissionFolder();
    void transfer();
    void appendToResult(const QString &line);
    void showState();

    ui::DialogContext m_context;
    ui::Host &m_host;
    ui::MainText &m_mainText;

    QCheckBox *m_addOn = nullptr;          // Check1
    QListWidget *m_weapons = nullptr;      // List1
    QLineEdit *m_weaponCount = nullptr;    // Text2
    QListWidget *m_magazines = nullptr;    // List2
    QLineEdit *m_magazineCount = nullptr;  // Text3
    ui::ExactTextEdit *m_result = nullptr; // Text1
    QPushButton *m_generate = nullptr;     // Command2
    QPushButton *m_save = nullptr;         // Command4
    QPushButton *m_transfer = nullptr;     // Command5
    QPushButton *m_writeToMission = nullptr;
    QPushButton *m_append = nullptr;

    StockModel m_stock;
};

} // namespace mission
