#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace tools {

// The fields of the artillery dialog, as typed; only the marker number is ever read as a
// number (by lowerMarkerNumber), everything else goes into the scripts unchanged.
struct ArtillerySettings
{
    QString colour = QStringLiteral("ColorBlack");
    QString type = QStringLiteral("Destroy");
    QString marker = QStringLiteral("0"); // already lowered: the game counts markers from 0
    QString size = QStringLiteral("4");
    QString radiusX = QStringLiteral("50");
    QString radiusY = QStringLiteral("50");
    QString shots = QStringLiteral("50");
};

// The marker colours and types of the game, in the order the lists offer them.
const QStringList &markerColours();
const QStringList &markerTypes();

// Users count their map markers from 1, the game's marker names from 0: the number one
// lower, in its shortest form ("1" -> "0", "2,5" -> "1,5" in German). Empty when the text
// is no number.
std::optional<QString> lowerMarkerNumber(const QString &text, const QLocale &locale = QLocale());

// The four scripts, every line ending in CR LF.
QString initScript();
QString markScript();
QString targetScript(const ArtillerySettings &settings);
QString fireScript();

struct ScriptFile
{
    QString name;
    QString text;
};

// The package in the order it is written: the game starts init.sqs, which leads on to the
// others, so a half-written package at least starts from a complete beginning.
QList<ScriptFile> artilleryPackage(const ArtillerySettings &settings);

} // namespace tools
