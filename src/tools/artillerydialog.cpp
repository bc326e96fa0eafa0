#include "artillerydialog.h"

#include "artillery.h"
#include "core/filebatch.h"
#include "core/textfile.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/missionwrite.h"
#include "ui/programfolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tools {

namespace {

// The game's names are written as they stand in the box: no completion that would turn
// a typed name into a listed one, no typed name added to the list.
QComboBox *makeList(const QStringList &entries, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setEditable(true);
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->setCurrentIndex(0);
    return list;
}

// A caption above its field.
void addField(QVBoxLayout *column, QLabel *label, QWidget *field)
{
    label->setBuddy(field);
    column->addWidget(label);
    column->addWidget(field);
}

} // namespace

ArtilleryDialog::ArtilleryDialog(const ui::DialogContext &context)
    : m_context(context), m_host(context.host)
{
    setObjectName(u"Form9"_s);
    setWindowTitle(u"Artilleriebeschuss"_s);

    auto *markerFrame = ui::named(new QGroupBox(u"Marker Einstellungen"_s, this), u"Frame1"_s);
    m_colour = ui::named(makeList(markerColours(), markerFrame), u"Combo1"_s);
    m_type = ui::named(makeList(markerTypes(), markerFrame), u"Combo2"_s);
    m_marker = ui::named(new QLineEdit(u"1"_s, markerFrame), u"Text5"_s);
    m_size = ui::named(new QLineEdit(u"4"_s, markerFrame), u"Text1"_s);
    auto *markerColumn = new QVBoxLayout(markerFrame);
    addField(markerColumn, ui::named(new QLabel(u"Farbe"_s, markerFrame), u"Label1"_s), m_colour);
    addField(markerColumn, ui::named(new QLabel(u"Typ"_s, markerFrame), u"Label3"_s), m_type);
    addField(markerColumn,
             ui::named(new QLabel(u"Die Nummer des Markers"_s, markerFrame), u"Label6"_s),
             m_marker);
    addField(markerColumn, ui::named(new QLabel(u"Größe"_s, markerFrame), u"Label2"_s), m_size);
    markerColumn->addStretch();

    auto *barrageFrame = ui::named(new QGroupBox(u"Artillerie Einstellungen"_s, this), u"Frame2"_s);
    m_radiusX = ui::named(new QLineEdit(u"50"_s, barrageFrame), u"Text2"_s);
    m_radiusY = ui::named(new QLineEdit(u"50"_s, barrageFrame), u"Text3"_s);
    m_shots = ui::named(new QLineEdit(u"50"_s, barrageFrame), u"Text4"_s);
    auto *barrageColumn = new QVBoxLayout(barrageFrame);
    addField(barrageColumn, ui::named(new QLabel(u"Radius X Achse"_s, barrageFrame), u"Label4"_s),
             m_radiusX);
    addField(barrageColumn, ui::named(new QLabel(u"Radius Y Achse"_s, barrageFrame), u"Label7"_s),
             m_radiusY);
    addField(barrageColumn,
             ui::named(new QLabel(u"Anzahl der Abschüsse"_s, barrageFrame), u"Label5"_s), m_shots);
    barrageColumn->addStretch();

    auto *frames = new QHBoxLayout;
    frames->addWidget(markerFrame, 1);
    frames->addWidget(barrageFrame, 1);

    auto *generate = ui::named(new QPushButton(u"Erstelle Script Dateien"_s, this), u"Command2"_s);
    auto *mission = ui::writeToMissionFolderButton();
    auto *close = ui::named(new QPushButton(u"Schließen"_s, this), u"Command3"_s);
    auto *info = ui::named(new QPushButton(u"Info"_s, this), u"Command1"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(generate);
    buttons->addWidget(mission);
    buttons->addWidget(close);
    buttons->addWidget(info);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addLayout(buttons);

    connect(generate, &QPushButton::clicked, this, &ArtilleryDialog::generate);
    connect(mission, &QPushButton::clicked, this, &ArtilleryDialog::writeToMissionFolder);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(info, &QPushButton::clicked, this, &ArtilleryDialog::showInfo);

    setMinimumSize(sizeHint());
}

std::optional<ArtillerySettings> ArtilleryDialog::settings()
{
    const std::optional<QString> marker = lowerMarkerNumber(m_marker->text());
    if (!marker) {
        m_host.message(u"Fehler"_s,
                       u"Die Nummer des Markers ist keine gültige Zahl. Bitte eine Zahl "
                       u"eingeben, z.B. 1 für den ersten Marker."_s,
                       ui::Buttons::Ok, ui::Icon::Critical);
        return std::nullopt;
    }
    ArtillerySettings fields;
    fields.colour = m_colour->currentText();
    fields.type = m_type->currentText();
    fields.marker = *marker;
    fields.size = m_size->text();
    fields.radiusX = m_radiusX->text();
    fields.radiusY = m_radiusY->text();
    fields.shots = m_shots->text();
    return fields;
}

bool ArtilleryDialog::generate()
{
    const std::optional<ArtillerySettings> fields = settings();
    if (!fields)
        return false;
    m_marker->setText(fields->marker);

    for (const ScriptFile &file : artilleryPackage(*fields)) {
        const QString path = QDir::fromNativeSeparators(ui::programFolderFile(m_host, file.name));
        if (!core::writeTextFile(path, file.text)) {
            m_host.message(u"Fehler"_s, u"Die Dateien konnten nicht erstellt werden"_s,
                           ui::Buttons::Ok, ui::Icon::Critical);
            return false;
        }
    }
    return true;
}

void ArtilleryDialog::writeToMissionFolder()
{
    const std::optional<ArtillerySettings> fields = settings();
    if (!fields)
        return;
    ui::writeToMissionFolder(m_context, [this, &fields](const QString &folder) {
        const QDir dir(folder);
        const QString shownFolder = QDir::toNativeSeparators(folder);
        // The status bar shows the whole path beside it.
        const QString folderName = u"„"_s + QDir(folder).dirName() + u"“"_s;
        const QList<ScriptFile> package = artilleryPackage(*fields);
        QStringList names, replaced;
        for (const ScriptFile &file : package) {
            names.append(file.name);
            if (core::holdsOtherText(dir.filePath(file.name), file.text))
                replaced.append(file.name);
        }
        if (!replaced.isEmpty() &&
            m_host.message(u"Hinweis"_s,
                           u"Im Missionsordner gibt es schon %1 mit anderem Inhalt.\r\nAlle vier "
                           u"Scripts ersetzen?"_s.arg(replaced.join(u", "_s)),
                           ui::Buttons::OkCancel, ui::Icon::None) == ui::Answer::Cancel)
            return ui::MissionWrite{
                true,
                u"Nichts geschrieben: die Scripts in %1 bleiben, wie sie waren"_s.arg(folderName)};
        core::FileBatch batch;
        for (const ScriptFile &file : package)
            batch.addText(dir.filePath(file.name), file.text);
        if (!batch.commit())
            return ui::MissionWrite{
                false, u"„%1“ konnte im Missionsordner nicht geschrieben werden: der Datenträger "
                       u"ist voll, der Ordner schreibgeschützt, oder etwas anderes steht unter "
                       u"diesem Namen.\r\n%2\r\n\r\nEs wurde nichts geschrieben."_s.arg(
                           QFileInfo(batch.failedPath()).fileName(), shownFolder)};
        return ui::MissionWrite{true,
                                u"In %1 geschrieben: %2"_s.arg(folderName, names.join(u", "_s))};
    });
}

QString ArtilleryDialog::infoText()
{
    return u"Mit diesem Programm kann man ein Script erstellen was dem Spieler ermöglicht eine "
           u"Position auf der Karte festzulegen und zu dieser dann ein Artilleriebeschuss zu "
           u"schicken. Ausgelöst wird das Script durch den Spieler selbst, in dem er die "
           u"entsprechende Option im Aktionsmenü wählt. Es müssen jediglich nur noch einige "
           u"benutzerdefinierten Einstellungen vorgenommen werden, um das Script zu "
           u"generieren."_s;
}

void ArtilleryDialog::showInfo()
{
    m_host.message(u"Info"_s, infoText(), ui::Buttons::Ok, ui::Icon::None);
}

} // namespace tools
