#include "snippetpanels.h"

#include "snippets.h"
#include "ui/host.h"
#include "ui/maintext.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

constexpr int kFirstField = 2;

// The default texts of Text2 .. Text21: each names what belongs in its field.
const std::array<QString, 20> &defaults()
{
    static const std::array<QString, 20> texts = {
        u"ID"_s,     u"Einheit"_s, u"Text"_s,      u"Script.sqs"_s, u"Bedingung"_s,
        u"Befehl"_s, u"Name"_s,    u"Stimme"_s,    u"Brille"_s,     u"Gesicht"_s,
        u"Stufe"_s,  u"Name"_s,    u"Typ"_s,       u"X-Achse"_s,    u"Y-Achse"_s,
        u"Name"_s,   u"Höhe"_s,    u"Kommander"_s, u"Helikopter"_s, u"2"_s};
    return texts;
}

} // namespace

SnippetPanels::SnippetPanels(ui::Host &host, ui::MainText &mainText, QWidget *parent)
    : QWidget(parent), m_host(host), m_mainText(mainText)
{
    for (int n = 0; n < 20; ++n) {
        auto *edit = new QLineEdit(defaults()[n], this);
        edit->setObjectName(u"Text"_s + QString::number(n + kFirstField));
        m_fields[n] = edit;
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    addPanel(1, u"Aktionsmenüeintrag >"_s, {{2, 3, 4, 5}}, &SnippetPanels::appendActionEntry,
             {u"ID: Das ist der Name des Eintrags"_s,
              u"Einheit: Das ist der name der Einheit die den Eintrag bekommt"_s,
              u"Text: Hier kommt die Bezeichnung des Eintrags rein"_s,
              u"Script.sqs: Das ist der Name der Scriptdatei"_s});
    addPanel(2, u"If Anweisung >"_s, {{6, 7}}, &SnippetPanels::appendIfStatement,
             {u"Bedingung: Das ist die vorraussetzung für den Befehl"_s,
              u"Befehl: Wird dann ausgeführt wenn die Bedingung erfüllt ist"_s});
    addPanel(3, u"Identität >"_s, {{8, 9}, {10, 11, 12}}, &SnippetPanels::appendIdentity,
             {u"Name: Das ist der Name der Einheit im Spiel"_s,
              u"Stimme: Welche Stimme hat der Soldat"_s,
              u"Brille: Soll der Soldat eine Brille haben oder nicht"_s,
              u"Gesicht: Welches Gesicht hat der Soldat"_s,
              u"Stufe: Der Eintrag bestimmt die Stimmhöhe oder Tiefe"_s});
    addPanel(4, u"Einheit erstellen >"_s, {{13, 14}, {15, 16}}, &SnippetPanels::appendCreateUnit,
             {u"Name: Wie soll die Einheit heißen"_s, u"Typ: Vom welchem Typ ist die Einheit"_s,
              u"X und Y Achse: Ist für die bestimmung der Platzierungsposition auf der Karte"_s});
    addPanel(5, u"Objekthöhe >"_s, {{17, 18}}, &SnippetPanels::appendObjectHeight,
             {u"Name: Welches Objekt oder Einheit ist gemeint"_s,
              u"Höhe: Wie hoch oder wie Tief soll das Objekt oder die Einheit sein"_s});
    addPanel(
        6, u"Fallschirmspringer >"_s, {{19, 20, 21}}, &SnippetPanels::appendParatroopers,
        {u"Kommander: Der Name des Gruppenführers"_s, u"Helikopter: Der Name des Helikopters"_s});
    layout->addStretch(1);

    // The pause between two jumps is a number of seconds: a narrow box.
    field(21)->setMaximumWidth(QFontMetrics(field(21)->font()).horizontalAdvance(u"0000"_s) + 16);
}

QLineEdit *SnippetPanels::field(int number) const
{
    return m_fields[number - kFirstField];
}

void SnippetPanels::addPanel(int number, const QString &caption, const QList<QList<int>> &rows,
                             void (SnippetPanels::*append)(), const QStringList &help)
{
    auto *panel = qobject_cast<QVBoxLayout *>(layout());

    auto *buttonRow = new QHBoxLayout;
    auto *button = new QPushButton(caption, this);
    button->setObjectName(u"Command"_s + QString::number(number));
    auto *helpButton = new QPushButton(u"?"_s, this);
    helpButton->setObjectName(u"Command"_s + QString::number(number + 9));
    helpButton->setToolTip(u"Hilfe"_s);
    helpButton->setFixedWidth(helpButton->sizeHint().height());
    buttonRow->addWidget(button, 1);
    buttonRow->addWidget(helpButton);
    panel->addLayout(buttonRow);

    for (const QList<int> &row : rows) {
        auto *fieldRow = new QHBoxLayout;
        for (int n : row)
            fieldRow->addWidget(field(n), n == 21 ? 0 : 1);
        panel->addLayout(fieldRow);
    }
    panel->addSpacing(6);

    connect(button, &QPushButton::clicked, this, append);
    const QString helpText = help.join(u"\r\n"_s);
    connect(helpButton, &QPushButton::clicked, this, [this, helpText] {
        m_host.message(u"Hilfe"_s, helpText, ui::Buttons::Ok, ui::Icon::None);
    });
}

void SnippetPanels::reset()
{
    for (int n = 0; n < 20; ++n)
        m_fields[n]->setText(defaults()[n]);
}

void SnippetPanels::appendActionEntry()
{
    m_mainText.append(
        actionEntryLine({field(2)->text(), field(3)->text(), field(4)->text(), field(5)->text()}));
}

void SnippetPanels::appendIfStatement()
{
    m_mainText.append(ifStatementLine(field(6)->text(), field(7)->text()));
}

void SnippetPanels::appendIdentity()
{
    m_mainText.append(identityBlock({.name = field(8)->text(),
                                     .voice = field(9)->text(),
                                     .glasses = field(10)->text(),
                                     .face = field(11)->text(),
                                     .pitch = field(12)->text()}));
}

void SnippetPanels::appendCreateUnit()
{
    m_mainText.append(createUnitLine(
        {field(13)->text(), field(14)->text(), field(15)->text(), field(16)->text()}));
}

void SnippetPanels::appendObjectHeight()
{
    m_mainText.append(objectHeightLine(field(17)->text(), field(18)->text()));
}

void SnippetPanels::appendParatroopers()
{
    m_mainText.append(paratrooperScript({field(19)->text(), field(20)->text(), field(21)->text()}));
}

} // namespace editor
