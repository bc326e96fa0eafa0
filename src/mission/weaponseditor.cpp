#include "weaponseditor.h"

#include "catalogue.h"
#include "check/descriptionfile.h"
#include "descriptiontext.h"
#include "ui/exacttextedit.h"
#include "ui/look.h"
#include "ui/missionwrite.h"
#include "ui/programfolder.h"
#include "ui/transfer.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace mission {
namespace {

// The text of the selected entry; empty when nothing is selected.
QString selectedName(const QListWidget &list)
{
    const QList<QListWidgetItem *> selected = list.selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

} // namespace

WeaponsEditor::WeaponsEditor(const ui::DialogContext &context)
    : m_context(context), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(u"Form8"_s);
    setWindowTitle(u"Waffen und Munitions Editor"_s);

    m_addOn = ui::named(new QCheckBox(u"Resistance AddOn"_s, this), u"Check1"_s);
    m_addOn->setChecked(true); // before the connection: the default runs no refill

    auto *weaponFrame = ui::named(new QGroupBox(u"Waffen"_s, this), u"Frame2"_s);
    m_weapons = ui::named(new QListWidget(weaponFrame), u"List1"_s);
    auto *weaponLabel = ui::named(new QLabel(u"Anzahl"_s, weaponFrame), u"Label1"_s);
    m_weaponCount = ui::named(new QLineEdit(weaponFrame), u"Text2"_s);
    auto *addWeaponButton =
        ui::named(new QPushButton(u"Hinzufügen ->"_s, weaponFrame), u"Command1"_s);

    auto *magazineFrame = ui::named(new QGroupBox(u"Munition"_s, this), u"Frame3"_s);
    m_magazines = ui::named(new QListWidget(magazineFrame), u"List2"_s);
    auto *magazineLabel = ui::named(new QLabel(u"Anzahl"_s, magazineFrame), u"Label2"_s);
    m_magazineCount = ui::named(new QLineEdit(magazineFrame), u"Text3"_s);
    auto *addMagazineButton =
        ui::named(new QPushButton(u"Hinzufügen ->"_s, magazineFrame), u"Command3"_s);

    m_result = ui::named(new ui::ExactTextEdit, u"Text1"_s);
    QGroupBox *resultFrame = ui::resultFrame(*m_result);
    m_generate = ui::named(new QPushButton(u"Generieren"_s, this), u"Command2"_s);
    m_save = ui::named(new QPushButton(u"Erstelle Script Datei"_s, this), u"Command4"_s);
    m_transfer =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s, this), u"Command5"_s);
    m_writeToMission = ui::writeToMissionFolderButton();
    m_append = ui::appendToMainWindowButton();
    auto *closeButton = ui::named(new QPushButton(u"Schließen"_s, this), u"Command6"_s);
    auto *resetButton = ui::named(new QPushButton(u"Reset"_s, this), u"Command7"_s);

    m_result->setFont(ui::scriptFont());
    m_result->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_result->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Long lines break at any character: looking for a blank inside a word of many thousand
    // letters took seconds at every addition.
    m_result->setWordWrapMode(QTextOption::WrapAnywhere);
    const int countWidth = QFontMetrics(m_weaponCount->font()).horizontalAdvance(u"00000"_s) + 16;
    m_weaponCount->setFixedWidth(countWidth);
    m_magazineCount->setFixedWidth(countWidth);

    const auto pickRow = [](QLabel *label, QLineEdit *count, QPushButton *add) {
        auto *row = new QHBoxLayout;
        row->addWidget(label);
        row->addWidget(count);
        row->addStretch(1);
        row->addWidget(add);
        return row;
    };
    auto *weaponLayout = new QVBoxLayout(weaponFrame);
    weaponLayout->addWidget(m_weapons, 1);
    weaponLayout->addLayout(pickRow(weaponLabel, m_weaponCount, addWeaponButton));
    auto *magazineLayout = new QVBoxLayout(magazineFrame);
    magazineLayout->addWidget(m_magazines, 1);
    magazineLayout->addLayout(pickRow(magazineLabel, m_magazineCount, addMagazineButton));

    auto *left = new QVBoxLayout;
    left->addWidget(m_addOn);
    left->addWidget(weaponFrame, 1);
    left->addWidget(magazineFrame, 1);

    auto *buttons = new QGridLayout;
    buttons->addWidget(m_generate, 0, 0);
    buttons->addWidget(resetButton, 0, 1);
    buttons->addWidget(m_save, 1, 0);
    buttons->addWidget(m_transfer, 1, 1);
    buttons->addWidget(m_writeToMission, 2, 0);
    buttons->addWidget(m_append, 2, 1);
    buttons->addWidget(closeButton, 3, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(resultFrame, 1);
    right->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);
    setMinimumWidth(640);
    resize(640, 520);

    showState();
    fillCatalogues();

    connect(m_addOn, &QCheckBox::toggled, this, &WeaponsEditor::fillCatalogues);
    connect(addWeaponButton, &QPushButton::clicked, this, &WeaponsEditor::addWeapon);
    connect(addMagazineButton, &QPushButton::clicked, this, &WeaponsEditor::addMagazine);
    connect(m_generate, &QPushButton::clicked, this, &WeaponsEditor::generate);
    connect(resetButton, &QPushButton::clicked, this, &WeaponsEditor::reset);
    connect(m_save, &QPushButton::clicked, this, &WeaponsEditor::save);
    connect(m_transfer, &QPushButton::clicked, this, &WeaponsEditor::transfer);
    connect(m_writeToMission, &QPushButton::clicked, this, &WeaponsEditor::writeToMissionFolder);
    connect(m_append, &QPushButton::clicked, this,
            [this] { ui::appendToMainText(m_mainText, m_result->text()); });
    // Closes like every other "Schließen" button of the program.
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void WeaponsEditor::fillCatalogues()
{
    // Emptying drops the selection; what was collected stays, even names the new edition
    // no longer offers.
    const Edition edition = m_addOn->isChecked() ? Edition::AddOn : Edition::Base;
    m_weapons->clear();
    m_weapons->addItems(weaponCatalogue(edition));
    m_magazines->clear();
    m_magazines->addItems(magazineCatalogue(edition));
}

void WeaponsEditor::showState()
{
    m_generate->setEnabled(m_stock.canGenerate());
    m_save->setEnabled(m_stock.canSave());
    m_transfer->setEnabled(m_stock.canSave());
    m_writeToMission->setEnabled(m_stock.canSave());
    m_append->setEnabled(m_stock.canSave());
    ui::setLocked(*m_result, m_stock.resultLocked());
}

void WeaponsEditor::addWeapon()
{
    appendToResult(m_stock.addWeapon(selectedName(*m_weapons), m_weaponCount->text()));
}

void WeaponsEditor::addMagazine()
{
    appendToResult(m_stock.addMagazine(selectedName(*m_magazines), m_magazineCount->text()));
}

void WeaponsEditor::appendToResult(const QString &line)
{
    showState();
    // Straight after whatever the box holds, a generated block's final "};" included.
    m_result->appendText(line);
    m_result->moveCursor(QTextCursor::End);
}

void WeaponsEditor::generate()
{
    m_result->setText(m_stock.generate());
    showState();
}

void WeaponsEditor::reset()
{
    m_stock.reset();
    m_result->clear();
    showState();
}

void WeaponsEditor::save()
{
    ui::saveToProgramFolder(m_host, u"description.ext"_s, m_result->text());
}

void WeaponsEditor::writeToMissionFolder()
{
    ui::writeToMissionFolder(m_context, [this](const QString &folder) {
        const check::DescriptionWrite done = check::writeIntoDescription(folder, m_result->text());
        return ui::MissionWrite{done.ok(), done.text};
    });
}

void WeaponsEditor::transfer()
{
    ui::transferToMainWindow(
        *this, m_host, m_mainText, m_result->text(),
        u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s,
        ui::AfterCancel::Close);
}

} // namespace mission
