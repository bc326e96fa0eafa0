#pragma once

#include <QList>
#include <QString>

namespace briefing {

// One debriefing ending of the briefing page.
struct Ending
{
    QString title;
    QString text;
};

// What the briefing page is made of. Only the ticked objectives and endings are listed, in
// their order on the form; their anchors are numbered by their place in these lists.
struct BriefingFields
{
    QString plan;  // the briefing text with its marker links
    QString notes; // the notes line
    QStringList objectives;
    QList<Ending> endings;
};

// The briefing page, every line ending in CR LF. The fields go in as typed: the game's
// pages are written by hand by mission makers, who put their own tags into them.
QString briefingPage(const BriefingFields &fields, const QString &programVersion);

// A link that opens the map at the named marker.
QString markerLink(const QString &markerName, const QString &linkText);

struct OverviewFields
{
    QString title;
    QString text;
    QString picture; // the picture's file name, relative to the page
};

// The overview page, 20 lines, each ending in CR LF.
QString overviewPage(const OverviewFields &fields, const QString &programVersion);

// The file name of a chosen picture without its folder. Both kinds of separator count, as
// the pages are meant for a game that runs on Windows.
QString pictureFileName(const QString &path);

} // namespace briefing
