#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QUrl;

namespace briefing {

// How the game reads a briefing or overview page, and the pages it builds from it.
//
// The game reads only what stands inside <html>. <body> and every <hr> start a section; a
// section is named by an <a name="…"> at its start (before any text or picture), without
// regard to case. Of the markup it honours p, h1–h6, table, tr, td, a, b, br, img and the
// align attribute; other tags are dropped, and text that stands in no p, h1–h6 or td is not
// shown. The reading below turns a page into its sections, each as HTML in those tags only,
// in which nothing of the page can name a file or an address: links, pictures and the view's
// own marks go by number (see ViewUrl).

enum class PageKind { Briefing, Overview };

// What the page check finds; each kind of finding comes with its own advice.
enum class PageRule {
    DroppedTag,    // a tag the game ignores
    HiddenText,    // text or a picture the game will not show
    SectionTwice,  // a second section of a name already used
    DeadObjective, // a link #OBJ_n to no objective
    DeadLink,      // a link #name to no section
    MissingEnding, // an ending the debriefing uses that the page does not define
    UnknownEnding, // a debriefing section of an ending the game does not have
    ForeignLink,   // a link the game does not follow
};

struct PageNote
{
    PageRule rule;
    int line = 0;    // 1-based line of the page
    QString subject; // the tag, text, name or link the note is about
    QString text;    // the line the user reads, with what to do
};

struct PageSection
{
    QString name; // as the anchor writes it; empty when the section has none
    int line = 0;
    QString html;             // what the game shows of it, in the honoured tags only
    qsizetype contentAt = -1; // where in html its first text or picture starts
};

struct PageReading
{
    QList<PageSection> sections;
    QStringList links;    // the target of each link, by the number the HTML uses
    QStringList pictures; // the source of each picture, likewise
    QList<PageNote> notes;
    qsizetype longestWord = 0; // letters in the longest unbroken run of shown text

    // The first section of that name, compared without regard to case; -1 if none.
    int find(const QString &name) const;
};

PageReading readPage(const QString &page, PageKind kind);

// What a link of the page does in the game.
struct LinkMeaning
{
    enum Kind { Section, Marker, None } kind = None;
    QString target; // the section or marker name
};
LinkMeaning linkMeaning(const QString &href);

// The names of the view's own URLs. Nothing else ever reaches the browser.
struct ViewUrl
{
    enum Kind { Unknown, Link, Picture, Status, Mark } kind = Unknown;
    int number = -1; // link, picture or objective number; the status for a mark
};
ViewUrl viewUrl(const QUrl &url);

enum class ObjectiveStatus { Open, Done, Failed };
// The status a click on the mark switches to: open, done, failed and round again.
ObjectiveStatus nextStatus(ObjectiveStatus status);

// The objectives (sections OBJ_…) in page order, the first of each name, as section indexes.
QList<int> objectives(const PageReading &page);

// The endings whose debriefing the page holds, as "End1" … "End6" and "Loser", in that order.
QStringList endings(const PageReading &page);
// The section of an ending named as endings() names it; -1 if the page has none.
int endingSection(const PageReading &page, const QString &ending);

// The anchor of objective n in the plan page, for scrolling to it.
QString objectiveAnchor(int n);

// The game's plan page: the plan followed by every objective with its status mark.
// statuses[n] is objective n's status; missing ones are open.
QString planPage(const PageReading &page, const QList<ObjectiveStatus> &statuses);

// One section as a page of its own: the notes, an ending's debriefing, the overview.
QString sectionPage(const PageReading &page, int section);

} // namespace briefing
