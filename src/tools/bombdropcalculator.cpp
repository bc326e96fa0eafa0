#include "bombdropcalculator.h"

#include "bombdrop.h"
#include "ui/host.h"
#include "ui/look.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tools {

BombDropCalculator::BombDropCalculator(ui::Host &host) : m_host(host)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Bomb Drop Position Rechner"_s);

    m_speed = ui::named(new QLineEdit(this), u"Text1"_s);
    m_height = ui::named(new QLineEdit(this), u"Text2"_s);
    m_distance = ui::named(new QLineEdit(this), u"Text3"_s);
    m_fallTime = ui::named(new QLineEdit(this), u"Text4"_s);
    for (QLineEdit *result : {m_distance, m_fallTime})
        ui::setLocked(*result, true);

    // Inputs on the left with their units beside them, results on the right.
    auto *grid = new QGridLayout;
    grid->addWidget(ui::named(new QLabel(u"Geschwindigkeit"_s, this), u"Label1"_s), 0, 0, 1, 2);
    grid->addWidget(m_speed, 1, 0);
    grid->addWidget(ui::named(new QLabel(u"km/h"_s, this), u"Label7"_s), 1, 1);
    grid->addWidget(ui::named(new QLabel(u"Flughöhe"_s, this), u"Label2"_s), 2, 0, 1, 2);
    grid->addWidget(m_height, 3, 0);
    grid->addWidget(ui::named(new QLabel(u"m"_s, this), u"Label8"_s), 3, 1);
    grid->addWidget(ui::named(new QLabel(u"Zurückgelegte Strecke in Meter"_s, this), u"Label3"_s),
                    0, 3);
    grid->addWidget(m_distance, 1, 3);
    grid->addWidget(
        ui::named(new QLabel(u"Zeit bis zum Einschlag in Sekunden"_s, this), u"Label5"_s), 2, 3);
    grid->addWidget(m_fallTime, 3, 3);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);

    auto *compute = ui::named(new QPushButton(u"Berechnen"_s, this), u"Command1"_s);
    auto *close = ui::named(new QPushButton(u"Schließen"_s, this), u"Command2"_s);
    auto *info = ui::named(new QPushButton(u"Info"_s, this), u"Command3"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(compute);
    buttons->addWidget(close);
    buttons->addWidget(info);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->addStretch();

    setTabOrder(m_speed, m_height);
    setTabOrder(m_height, compute);
    setTabOrder(compute, close);
    setTabOrder(close, info);
    setTabOrder(info, m_distance);
    setTabOrder(m_distance, m_fallTime);

    connect(compute, &QPushButton::clicked, this, &BombDropCalculator::compute);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(info, &QPushButton::clicked, this, &BombDropCalculator::showInfo);

    setMinimumWidth(sizeHint().width());
}

void BombDropCalculator::compute()
{
    const BombDropOutcome outcome = evaluateBombDrop(m_speed->text(), m_height->text());
    // Results first: a zero field still shows what it gives before it is pointed out.
    m_distance->setText(outcome.distance);
    m_fallTime->setText(outcome.fallTime);
    if (!outcome.error.isEmpty())
        m_host.message(u"Fehler"_s, outcome.error, ui::Buttons::Ok, ui::Icon::Critical);
    for (const QString &missing : outcome.missing)
        m_host.message(u"Fehlender Eintrag"_s, missing, ui::Buttons::Ok, ui::Icon::Critical);
}

QString BombDropCalculator::infoText()
{
    return u"Dieser Rechner rechnet aus wie lange eine abgeworfene Bombe z.B. aus einem A10 "
           u"brauch um den Boden zu treffen, abhängig von der Fluggeschwindigkeit und der "
           u"Flughöhe.\r\n\r\n"
           u"Ich habe natürlich im Spiel mit einem A10 ausprobiert ob die Werte auch stimmen, "
           u"und ob ich mein Ziel auch treffe, und die Werte sind sehr genau, unter der "
           u"Vorraussetzung das man sich sehr genau an die Werte hält, deswegen ist es leichter "
           u"sich an die Werte zu halten wenn man in Zeitlupe die Bombe abwirft."_s;
}

void BombDropCalculator::showInfo()
{
    m_host.message(u"Info"_s, infoText(), ui::Buttons::Ok, ui::Icon::None);
}

} // namespace tools
