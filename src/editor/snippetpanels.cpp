#include "snippetpanels.h"

#include "snippets.h"
#include "ui/host.h"
#include "ui/look.h"
#include "ui/maintext.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

// The fields of all panels, top to bottom.
enum Field {
    ActionId,
    ActionUnit,
    ActionText,
    ActionScript,
    IfCondition,
    IfCommand,
    IdentityName,
    IdentityVoice,
    IdentityGlasses,
    IdentityFace,
    IdentityPitch,
    UnitName,
    UnitType,
    UnitX,
    UnitY,
    HeightObject,
    HeightValue,
    JumpCommander,
    JumpHelicopter,
    JumpPause,
    FieldCount
};

struct FieldControl
{
    QString name;
    QString defaultText; // names what belongs in the field; Reset brings it back
};

const std::array<FieldControl, FieldCount> &fieldControls()
{
    static const std::array<FieldControl, FieldCount> fields = {{
        {u"Text2"_s, u"ID"_s},          {u"Text3"_s, u"Einheit"_s},   {u"Text4"_s, u"Text"_s},
        {u"Text5"_s, u"Script.sqs"_s},  {u"Text6"_s, u"Bedingung"_s}, {u"Text7"_s, u"Befehl"_s},
        {u"Text8"_s, u"Name"_s},        {u"Text9"_s, u"Stimme"_s},    {u"Text10"_s, u"Brille"_s},
        {u"Text11"_s, u"Gesicht"_s},    {u"Text12"_s, u"Stufe"_s},    {u"Text13"_s, u"Name"_s},
        {u"Text14"_s, u"Typ"_s},        {u"Text15"_s, u"X-Achse"_s},  {u"Text16"_s, u"Y-Achse"_s},
        {u"Text17"_s, u"Name"_s},       {u"Text18"_s, u"Höhe"_s},     {u"Text19"_s, u"Kommander"_s},
        {u"Text20"_s, u"Helikopter"_s}, {u"Text21"_s, u"2"_s},
    }};
    return fields;
}

using Values = std::function<QString(Field)>;

struct Panel
{
    QString button;
    QString caption;
    QString helpButton;
    QList<QList<Field>> rows;
    QStringList help; // one line per field
    QString (*snippet)(const Values &value);
};

const std::array<Panel, 6> &panels()
{
    static const std::array<Panel, 6> list = {{
        {u"Command1"_s,
         u"Aktionsmenüeintrag >"_s,
         u"Command10"_s,
         {{ActionId, ActionUnit, ActionText, ActionScript}},
         {u"ID: Das ist der Name des Eintrags"_s,
          u"Einheit: Das ist der name der Einheit die den Eintrag bekommt"_s,
          u"Text: Hier kommt die Bezeichnung des Eintrags rein"_s,
          u"Script.sqs: Das ist der Name der Scriptdatei"_s},
         [](const Values &v) {
             return actionEntryLine({v(ActionId), v(ActionUnit), v(ActionText), v(ActionScript)});
         }},
        {u"Command2"_s,
         u"If Anweisung >"_s,
         u"Command11"_s,
         {{IfCondition, IfCommand}},
         {u"Bedingung: Das ist die vorraussetzung für den Befehl"_s,
          u"Befehl: Wird dann ausgeführt wenn die Bedingung erfüllt ist"_s},
         [](const Values &v) {
             return ifStatementLine(v(IfCondition), v(IfCommand));
         }},
        {u"Command3"_s,
         u"Identität >"_s,
         u"Command12"_s,
         {{IdentityName, IdentityVoice}, {IdentityGlasses, IdentityFace, IdentityPitch}},
         {u"Name: Das ist der Name der Einheit im Spiel"_s,
          u"Stimme: Welche Stimme hat der Soldat"_s,
          u"Brille: Soll der Soldat eine Brille haben oder nicht"_s,
          u"Gesicht: Welches Gesicht hat der Soldat"_s,
          u"Stufe: Der Eintrag bestimmt die Stimmhöhe oder Tiefe"_s},
         [](const Values &v) {
             return identityBlock({.name = v(IdentityName),
                                   .voice = v(IdentityVoice),
                                   .glasses = v(IdentityGlasses),
                                   .face = v(IdentityFace),
                                   .pitch = v(IdentityPitch)});
         }},
        {u"Command4"_s,
         u"Einheit erstellen >"_s,
         u"Command13"_s,
         {{UnitName, UnitType}, {UnitX, UnitY}},
         {u"Name: Wie soll die Einheit heißen"_s, u"Typ: Vom welchem Typ ist die Einheit"_s,
          u"X und Y Achse: Ist für die bestimmung der Platzierungsposition auf der Karte"_s},
         [](const Values &v) {
             return createUnitLine({v(UnitName), v(UnitType), v(UnitX), v(UnitY)});
         }},
        {u"Command5"_s,
         u"Objekthöhe >"_s,
         u"Command14"_s,
         {{HeightObject, HeightValue}},
         {u"Name: Welches Objekt oder Einheit ist gemeint"_s,
          u"Höhe: Wie hoch oder wie Tief soll das Objekt oder die Einheit sein"_s},
         [](const Values &v) {
             return objectHeightLine(v(HeightObject), v(HeightValue));
         }},
        {u"Command6"_s,
         u"Fallschirmspringer >"_s,
         u"Command15"_s,
         {{JumpCommander, JumpHelicopter, JumpPause}},
         {u"Kommander: Der Name des Gruppenführers"_s, u"Helikopter: Der Name des Helikopters"_s},
         [](const Values &v) {
             return paratrooperScript({v(JumpCommander), v(JumpHelicopter), v(JumpPause)});
         }},
    }};
    return list;
}

} // namespace

SnippetPanels::SnippetPanels(ui::Host &host, ui::MainText &mainText, QWidget *parent)
    : QWidget(parent), m_host(host), m_mainText(mainText)
{
    for (const FieldControl &field : fieldControls()) {
        m_fields.append(ui::named(new QLineEdit(field.defaultText, this), field.name));
        m_fields.last()->installEventFilter(this);
    }
    // The pause between two jumps is a number of seconds: a narrow box.
    QLineEdit *pause = m_fields[JumpPause];
    pause->setMaximumWidth(QFontMetrics(pause->font()).horizontalAdvance(u"0000"_s) + 16);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const Values value = [this](Field field) {
        return m_fields[field]->text();
    };
    for (const Panel &panel : panels()) {
        auto *button = ui::named(new QPushButton(panel.caption, this), panel.button);
        auto *helpButton = ui::named(new QPushButton(u"?"_s, this), panel.helpButton);
        helpButton->setToolTip(u"Hilfe"_s);
        helpButton->setFixedWidth(helpButton->sizeHint().height());
        auto *buttonRow = new QHBoxLayout;
        buttonRow->addWidget(button, 1);
        buttonRow->addWidget(helpButton);
        layout->addLayout(buttonRow);
        for (const QList<Field> &row : panel.rows) {
            auto *fieldRow = new QHBoxLayout;
            for (Field field : row)
                fieldRow->addWidget(m_fields[field], field == JumpPause ? 0 : 1);
            layout->addLayout(fieldRow);
        }
        layout->addSpacing(6);

        connect(button, &QPushButton::clicked, this,
                [this, value, snippet = panel.snippet] { m_mainText.append(snippet(value)); });
        connect(helpButton, &QPushButton::clicked, this,
                [this, helpText = panel.help.join(u"\r\n"_s)] {
                    m_host.message(u"Hilfe"_s, helpText, ui::Buttons::Ok, ui::Icon::None);
                });
    }
    layout->addStretch(1);
}

bool SnippetPanels::eventFilter(QObject *watched, QEvent *event)
{
    // A click into a field that still shows its default text selects that text, as Tab does,
    // so that typing replaces it. The click gives the focus first; its release selects.
    auto *field = qobject_cast<QLineEdit *>(watched);
    const qsizetype index = m_fields.indexOf(field);
    if (index < 0)
        return false;
    if (event->type() == QEvent::FocusIn)
        m_clickedInto =
            static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason ? field : nullptr;
    if (event->type() == QEvent::MouseButtonRelease &&
        std::exchange(m_clickedInto, nullptr) == field && !field->hasSelectedText() &&
        field->text() == fieldControls()[index].defaultText)
        field->selectAll();
    return false;
}

void SnippetPanels::reset()
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(fieldControls()[i].defaultText);
}

} // namespace editor
