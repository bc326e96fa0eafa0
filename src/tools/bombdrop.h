#pragma once

#include <QLocale>
#include <QString>

namespace tools {

// A bomb released in level flight, falling without air resistance and keeping the
// aircraft's horizontal speed.
struct BombDrop
{
    double distance = 0.0; // metres over ground until impact
    double fallTime = 0.0; // seconds until impact
};

// Speed in km/h, height above the target in m. Players compare the results with tables
// made from earlier versions, so the order of operations must not change: (h + h) / 9.81
// under the root, then multiply, divide by 3600, multiply by 1000.
BombDrop computeBombDrop(double speedKmh, double heightMetres);

// What the calculator shows for one click of "Berechnen".
struct BombDropOutcome
{
    bool hasResult = false;
    QString distance; // formatted, empty without a result
    QString fallTime;
    // Refused input or a result beyond a double ("Fehler"); no result then.
    QString error;
    // Zero or empty fields ("Fehlender Eintrag"), shown after the results, speed first.
    QStringList missing;
};

BombDropOutcome evaluateBombDrop(const QString &speedText, const QString &heightText,
                                 const QLocale &locale = QLocale());

inline const QString kMissingSpeed =
    QStringLiteral("Bitte einen Wert bei Geschwindigkeit eingeben.");
inline const QString kMissingHeight = QStringLiteral("Bitte einen Wert bei Flughöhe eingeben.");
inline const QString kSpeedNotNumber =
    QStringLiteral("Die Geschwindigkeit ist keine gültige Zahl. Bitte eine Zahl eingeben.");
inline const QString kHeightNotNumber =
    QStringLiteral("Die Flughöhe ist keine gültige Zahl. Bitte eine Zahl eingeben.");
inline const QString kNegativeHeight =
    QStringLiteral("Die Flughöhe darf nicht negativ sein. Bitte einen Wert ab 0 eingeben.");
inline const QString kResultTooLarge =
    QStringLiteral("Die Werte sind zu groß, das Ergebnis kann nicht berechnet werden. Bitte "
                   "kleinere Werte eingeben.");

} // namespace tools
