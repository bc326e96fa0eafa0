#pragma once

#include "briefing/pages.h"

#include <QFile>
#include <QString>

using namespace Qt::StringLiterals;

// The fields behind data/briefing_full.html: every objective and ending ticked, HTML and
// quotes in the fields, two marker links in the plan, one ending left at its defaults.
inline const QStringList kFullObjectives = {
    u"Brücke sichern"_s,
    u"Lager <i>zerstören</i>"_s,
    QString(),
    u"Funkturm & Radar"_s,
    u"\"Alpha\" zurückbringen"_s,
    u"Geiseln befreien"_s,
    u"Rückzug nach Süd"_s,
    u"Überleben"_s,
};
inline const QList<briefing::Ending> kFullEndings = {
    {u"Sieg"_s, u"Die Brücke ist unser."_s},
    {u"Titel"_s, u"Text"_s},
    {u"Niederlage"_s, u"Alle <b>tot</b>."_s},
    {u"Rückzug"_s, u"Wir kommen wieder & siegen."_s},
    {QString(), QString()},
};
inline const QString kFullNotes = u"Funkstille bis 05:00 <b>!</b>"_s;
inline const QString kFullPlanStart = u"Wir greifen im Morgengrauen an: "_s;
inline const QString kSecondMarker = u"Lager Süd"_s;
inline const QString kSecondMarkerText = u"das Lager & die \"Brücke\""_s;

inline QString golden(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return u"(missing golden file "_s + name + u")"_s;
    return QString::fromUtf8(file.readAll());
}
