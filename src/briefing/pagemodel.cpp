#include "pagemodel.h"

#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace briefing {
namespace {

// Honoured elements open at once, and tables inside one another: whatever a page holds, the
// browser is never handed deeper nesting than this. Its layout recurses as deep as the markup
// and lays each table out twice for every table around it.
constexpr qsizetype kDeepest = 24;
constexpr int kDeepestTables = 4;
constexpr qsizetype kSnippet = 40;

const QString kHonoured = u"p, h1–h6, table, tr, td, a, b, br und img"_s;

enum class Element { P, H, Table, Tr, Td, A, B };

struct OpenElement
{
    Element element;
    QString tag; // the opening tag as written into the sections, to reopen it after an <hr>
    QString closing;
};

struct Tag
{
    QString name; // lower case
    bool closing = false;
    QString align;
    QString href;
    QString src;
    QString anchorName;
    bool hasHref = false;
    bool hasName = false;
};

enum class Region { BeforeHtml, BeforeBody, Body, AfterBody, AfterHtml };

// Why text is not shown.
enum class Hidden {
    NoHtml,
    BeforeHtml,
    BeforeBody,
    AfterBody,
    AfterHtml,
    NoBlock,
    Unnamed,
    NeverShown,
    NotMain,
    Unclosed
};

struct Finding
{
    PageRule rule;
    int line = 0;
    QString subject;
    Hidden hidden = Hidden::NoBlock;
    int count = 1;
    int otherLine = 0; // the section's start, or the first of two sections of a name
};

struct SectionFacts
{
    int nameLine = 0; // where the anchor that names the section stands
    int firstTextLine = 0;
    QString firstText;
};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString snippet(QStringView text)
{
    const QString simple = text.left(kSnippet * 4).toString().simplified();
    return simple.size() > kSnippet ? simple.left(kSnippet) + u'…' : simple;
}

QString quoted(const QString &text)
{
    return u"„"_s + text + u"“"_s;
}

void appendEscaped(QString &html, QStringView text)
{
    qsizetype done = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'<' && text[i] != u'>')
            continue;
        html += text.sliced(done, i - done);
        html += text[i] == u'<' ? u"&lt;"_s : u"&gt;"_s;
        done = i + 1;
    }
    html += text.sliced(done);
}

QString alignAttribute(const QString &align)
{
    const QString value = align.trimmed().toLower();
    if (value == u"left"_s || value == u"center"_s || value == u"right"_s || value == u"justify"_s)
        return u" align=\""_s + value + u'"';
    return {};
}

bool isObjectiveName(const QString &name)
{
    return name.size() > 4 && name.startsWith(u"OBJ_"_s, Qt::CaseInsensitive);
}

const QStringList &endingNames()
{
    static const QStringList names = {u"End1"_s, u"End2"_s, u"End3"_s, u"End4"_s,
                                      u"End5"_s, u"End6"_s, u"Loser"_s};
    return names;
}

const QString kDebriefing = u"Debriefing:"_s;

bool isDebriefingName(const QString &name)
{
    return name.startsWith(kDebriefing, Qt::CaseInsensitive);
}

bool isKnownEnding(const QString &name)
{
    const QString ending = name.mid(kDebriefing.size());
    return std::any_of(endingNames().begin(), endingNames().end(), [&](const QString &known) {
        return ending.compare(known, Qt::CaseInsensitive) == 0;
    });
}

bool isMeaningfulName(const QString &name)
{
    return name.compare(u"Main"_s, Qt::CaseInsensitive) == 0 ||
           name.compare(u"Plan"_s, Qt::CaseInsensitive) == 0 || isObjectiveName(name) ||
           (isDebriefingName(name) && isKnownEnding(name));
}

QString endingCaption(int number)
{
    return u"Ende "_s + QString::number(number);
}

// Reads the page once from start to end. Nothing here recurses, and every stack is bounded.
class Reader
{
public:
    Reader(QStringView page, PageKind kind) : m_page(page), m_kind(kind)
    {
        for (qsizetype i = 0; i < page.size(); ++i) {
            if (page[i] == u'\n')
                m_lineEnds.append(i);
        }
    }

    PageReading read();

private:
    enum class Markup { Text, Tag, Skipped, Unclosed };

    int lineAt(qsizetype position) const
    {
        const auto before = std::lower_bound(m_lineEnds.begin(), m_lineEnds.end(), position);
        return int(before - m_lineEnds.begin()) + 1;
    }

    // What starts at the '<' at `at`; `end` receives the position after it.
    Markup markup(qsizetype at, Tag &tag, qsizetype &end) const;
    void text(qsizetype from, qsizetype to);
    void tag(const Tag &tag, qsizetype at);
    void bodyTag(const Tag &tag, qsizetype at);
    void startTag(Element element, const Tag &tag, qsizetype at);
    void image(const Tag &tag, qsizetype at);
    void countDropped(const Tag &tag, qsizetype at);

    PageSection &section() { return m_result.sections[m_section]; }
    void startSection(qsizetype at, bool newBody);
    void endSection();
    bool inBlock() const;
    qsizetype innermost(Element element) const;
    qsizetype paragraphDepth() const;
    void truncate(qsizetype depth);
    bool push(Element element, const QString &tag, const QString &closing);

    void hidden(Hidden why, qsizetype at, QStringView what);
    void findSections();
    void findLinks();
    void findEndings();
    QString advice(const Finding &finding) const;

    QStringView m_page;
    PageKind m_kind;
    QList<qsizetype> m_lineEnds;
    Region m_region = Region::BeforeHtml;
    bool m_sawHtml = false;
    bool m_inHead = false;

    PageReading m_result;
    QList<SectionFacts> m_facts;
    QList<int> m_linkLines;
    qsizetype m_section = -1;
    bool m_namePending = false;
    QList<OpenElement> m_open;
    qsizetype m_run = 0; // letters of the word being read
    QHash<QString, qsizetype> m_firstByName;

    QList<Finding> m_findings;
    QHash<QString, qsizetype> m_groups; // where each group of hidden text was noted first
    struct Dropped
    {
        int line = 0;
        int openings = 0;
        int closings = 0;
    };
    QHash<QString, Dropped> m_dropped;
    QStringList m_droppedOrder;
};

PageReading Reader::read()
{
    qsizetype textStart = 0;
    qsizetype at = 0;
    while (true) {
        const qsizetype lt = m_page.indexOf(u'<', at);
        if (lt < 0)
            break;
        Tag found;
        qsizetype end = lt + 1;
        const Markup kind = markup(lt, found, end);
        if (kind == Markup::Text) {
            at = lt + 1;
            continue;
        }
        text(textStart, lt);
        if (kind == Markup::Unclosed) {
            // Whatever follows is taken for the rest of the tag, as a browser would.
            if (m_region != Region::AfterHtml && m_region != Region::BeforeHtml)
                hidden(Hidden::Unclosed, lt, m_page.sliced(lt));
            textStart = m_page.size();
            break;
        }
        if (kind == Markup::Tag)
            tag(found, lt);
        textStart = at = end;
    }
    text(textStart, m_page.size());
    endSection();

    if (!m_sawHtml) {
        m_findings.removeIf([](const Finding &f) { return f.hidden == Hidden::BeforeHtml; });
        if (!m_page.trimmed().isEmpty())
            m_findings.append({PageRule::HiddenText, 1, {}, Hidden::NoHtml});
    }
    for (const QString &name : std::as_const(m_droppedOrder)) {
        const Dropped &dropped = m_dropped[name];
        Finding finding{PageRule::DroppedTag, dropped.line, u'<' + name + u'>'};
        finding.count = dropped.openings > 0 ? dropped.openings : dropped.closings;
        m_findings.append(finding);
    }
    findSections();
    findLinks();
    if (m_kind == PageKind::Briefing)
        findEndings();

    std::stable_sort(m_findings.begin(), m_findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    for (const Finding &finding : std::as_const(m_findings))
        m_result.notes.append({finding.rule, finding.line, finding.subject, advice(finding)});
    return std::move(m_result);
}

Reader::Markup Reader::markup(qsizetype at, Tag &tag, qsizetype &end) const
{
    const qsizetype size = m_page.size();
    if (m_page.sliced(at).startsWith(u"<!--"_s)) {
        const qsizetype close = m_page.indexOf(u"-->"_s, at + 4);
        end = close + 3;
        return close < 0 ? Markup::Unclosed : Markup::Skipped;
    }
    qsizetype i = at + 1;
    if (i < size && (m_page[i] == u'!' || m_page[i] == u'?')) {
        const qsizetype close = m_page.indexOf(u'>', i);
        end = close + 1;
        return close < 0 ? Markup::Unclosed : Markup::Skipped;
    }
    if (i < size && m_page[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    if (i >= size || !isAsciiLetter(m_page[i]))
        return Markup::Text;
    const qsizetype nameStart = i;
    while (i < size && !isSpace(m_page[i]) && m_page[i] != u'>' && m_page[i] != u'/')
        ++i;
    tag.name = m_page.sliced(nameStart, i - nameStart).toString().toLower();

    QSet<QString> seen; // the first of an attribute given twice counts
    while (true) {
        while (i < size && (isSpace(m_page[i]) || m_page[i] == u'/'))
            ++i;
        if (i >= size)
            return Markup::Unclosed;
        if (m_page[i] == u'>') {
            end = i + 1;
            return Markup::Tag;
        }
        const qsizetype attributeStart = i;
        while (i < size && !isSpace(m_page[i]) && m_page[i] != u'>' && m_page[i] != u'=')
            ++i;
        const QString attribute =
            m_page.sliced(attributeStart, i - attributeStart).toString().toLower();
        while (i < size && isSpace(m_page[i]))
            ++i;
        QString value;
        if (i < size && m_page[i] == u'=') {
            ++i;
            while (i < size && isSpace(m_page[i]))
                ++i;
            if (i >= size)
                return Markup::Unclosed;
            if (m_page[i] == u'"' || m_page[i] == u'\'') {
                const qsizetype close = m_page.indexOf(m_page[i], i + 1);
                if (close < 0)
                    return Markup::Unclosed;
                value = m_page.sliced(i + 1, close - i - 1).toString();
                i = close + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < size && !isSpace(m_page[i]) && m_page[i] != u'>')
                    ++i;
                value = m_page.sliced(valueStart, i - valueStart).toString();
            }
        }
        if (attribute.isEmpty() || seen.contains(attribute))
            continue;
        seen.insert(attribute);
        if (attribute == u"align"_s) {
            tag.align = value;
        } else if (attribute == u"href"_s) {
            tag.href = value;
            tag.hasHref = true;
        } else if (attribute == u"name"_s) {
            tag.anchorName = value;
            tag.hasName = true;
        } else if (attribute == u"src"_s) {
            tag.src = value;
        }
    }
}

void Reader::text(qsizetype from, qsizetype to)
{
    if (from >= to)
        return;
    const QStringView run = m_page.sliced(from, to - from);
    const bool blank = std::all_of(run.begin(), run.end(), isSpace);
    switch (m_region) {
    case Region::BeforeHtml:
        if (!blank)
            hidden(Hidden::BeforeHtml, from, run);
        return;
    case Region::AfterHtml:
        if (!blank)
            hidden(Hidden::AfterHtml, from, run);
        return;
    case Region::BeforeBody:
        if (!blank && !m_inHead)
            hidden(Hidden::BeforeBody, from, run);
        return;
    case Region::AfterBody:
        if (!blank)
            hidden(Hidden::AfterBody, from, run);
        return;
    case Region::Body:
        break;
    }
    if (blank) {
        if (inBlock())
            section().html += u' ';
        m_run = 0;
        return;
    }
    m_namePending = false;
    if (!inBlock()) {
        hidden(Hidden::NoBlock, from, run);
        return;
    }
    SectionFacts &facts = m_facts[m_section];
    if (facts.firstTextLine == 0) {
        qsizetype first = from;
        while (isSpace(m_page[first]))
            ++first;
        facts.firstTextLine = lineAt(first);
        facts.firstText = snippet(run);
        section().contentAt = section().html.size();
    }
    appendEscaped(section().html, run);
    qsizetype longest = m_result.longestWord;
    for (const QChar c : run) {
        m_run = isSpace(c) ? 0 : m_run + 1;
        longest = std::max(longest, m_run);
    }
    m_result.longestWord = longest;
}

void Reader::tag(const Tag &tag, qsizetype at)
{
    const QString &name = tag.name;
    if (m_region == Region::AfterHtml)
        return;
    if (m_region == Region::BeforeHtml) {
        // Nothing before <html> is read, its tags included.
        if (name == u"html"_s && !tag.closing) {
            m_region = Region::BeforeBody;
            m_sawHtml = true;
        }
        return;
    }
    if (name == u"html"_s) {
        if (tag.closing) {
            endSection();
            m_open.clear();
            m_region = Region::AfterHtml;
        }
        return;
    }
    if (name == u"head"_s) {
        m_inHead = !tag.closing && m_region == Region::BeforeBody;
        return;
    }
    if (name == u"body"_s || name == u"hr"_s) {
        if (!tag.closing) {
            m_inHead = false;
            startSection(at, name == u"body"_s);
            m_region = Region::Body;
        } else if (name == u"body"_s && m_region == Region::Body) {
            endSection();
            m_open.clear();
            m_region = Region::AfterBody;
        }
        return;
    }
    if (name == u"title"_s || name == u"meta"_s)
        return; // the head's own
    if (m_region == Region::Body)
        bodyTag(tag, at);
    else
        countDropped(tag, at);
}

void Reader::bodyTag(const Tag &tag, qsizetype at)
{
    const QString &name = tag.name;
    if (name == u"img"_s) {
        if (!tag.closing)
            image(tag, at);
        return;
    }
    if (name == u"br"_s) {
        section().html += u"<br>"_s;
        m_run = 0;
        return;
    }
    Element element;
    if (name == u"p"_s)
        element = Element::P;
    else if (name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6')
        element = Element::H;
    else if (name == u"table"_s)
        element = Element::Table;
    else if (name == u"tr"_s)
        element = Element::Tr;
    else if (name == u"td"_s)
        element = Element::Td;
    else if (name == u"a"_s)
        element = Element::A;
    else if (name == u"b"_s)
        element = Element::B;
    else
        return countDropped(tag, at);

    if (tag.closing) {
        const qsizetype depth = innermost(element);
        if (depth >= 0)
            truncate(depth);
        return;
    }
    if (element == Element::A && tag.hasName && m_namePending) {
        section().name = tag.anchorName;
        m_facts[m_section].nameLine = lineAt(at);
        m_namePending = false;
    }
    startTag(element, tag, at);
    if (element != Element::A && element != Element::B)
        m_run = 0;
}

void Reader::startTag(Element element, const Tag &tag, qsizetype at)
{
    const QString align = alignAttribute(tag.align);
    switch (element) {
    case Element::P:
    case Element::H: {
        if (const qsizetype depth = paragraphDepth(); depth >= 0)
            truncate(depth);
        const QString name = element == Element::P ? tag.name : tag.name.left(2);
        push(element, u'<' + name + align + u'>', u"</"_s + name + u'>');
        return;
    }
    case Element::Table: {
        if (const qsizetype depth = paragraphDepth(); depth >= 0)
            truncate(depth);
        const auto tables = std::count_if(m_open.begin(), m_open.end(), [](const OpenElement &e) {
            return e.element == Element::Table;
        });
        if (tables < kDeepestTables)
            push(element, u"<table"_s + align + u'>', u"</table>"_s);
        return;
    }
    case Element::Tr: {
        const qsizetype table = innermost(Element::Table);
        if (table < 0)
            return;
        truncate(table + 1);
        push(element, u"<tr"_s + align + u'>', u"</tr>"_s);
        return;
    }
    case Element::Td: {
        const qsizetype table = innermost(Element::Table);
        if (table < 0)
            return;
        const qsizetype row = innermost(Element::Tr);
        if (row > table) {
            truncate(row + 1);
        } else {
            truncate(table + 1);
            if (!push(Element::Tr, u"<tr>"_s, u"</tr>"_s))
                return;
        }
        push(element, u"<td"_s + align + u'>', u"</td>"_s);
        return;
    }
    case Element::A: {
        if (const qsizetype open = innermost(Element::A); open >= 0)
            truncate(open);
        QString opening; // an anchor without a link only names the section
        if (tag.hasHref && m_open.size() < kDeepest) {
            opening = u"<a href=\"link:"_s + QString::number(m_result.links.size()) + u"\">"_s;
            m_result.links.append(tag.href);
            m_linkLines.append(lineAt(at));
        }
        push(element, opening, opening.isEmpty() ? QString() : u"</a>"_s);
        return;
    }
    case Element::B:
        push(element, u"<b>"_s, u"</b>"_s);
        return;
    }
}

void Reader::image(const Tag &tag, qsizetype at)
{
    m_namePending = false;
    const QString subject = u"<img src=\""_s + tag.src + u"\">"_s;
    if (!inBlock())
        return hidden(Hidden::NoBlock, at, subject);
    SectionFacts &facts = m_facts[m_section];
    if (facts.firstTextLine == 0) {
        facts.firstTextLine = lineAt(at);
        facts.firstText = snippet(subject);
        section().contentAt = section().html.size();
    }
    QString align = alignAttribute(tag.align);
    if (align.contains(u"center"_s) || align.contains(u"justify"_s))
        align.clear(); // a picture only floats left or right
    section().html +=
        u"<img src=\"picture:"_s + QString::number(m_result.pictures.size()) + u'"' + align + u'>';
    m_result.pictures.append(tag.src);
    m_run = 0;
}

void Reader::countDropped(const Tag &tag, qsizetype at)
{
    auto found = m_dropped.find(tag.name);
    if (found == m_dropped.end()) {
        found = m_dropped.insert(tag.name, {lineAt(at), 0, 0});
        m_droppedOrder.append(tag.name);
    }
    ++(tag.closing ? found->closings : found->openings);
}

void Reader::startSection(qsizetype at, bool newBody)
{
    QList<OpenElement> keep;
    if (!newBody) {
        // An <hr> ends a paragraph, as in any browser; tables and emphasis go on.
        const qsizetype cut = paragraphDepth();
        keep = cut >= 0 ? m_open.first(cut) : m_open;
    }
    endSection();
    m_result.sections.append({QString(), lineAt(at), QString()});
    m_facts.append(SectionFacts{});
    m_section = m_result.sections.size() - 1;
    m_namePending = true;
    m_run = 0;
    m_open.clear();
    for (const OpenElement &open : std::as_const(keep))
        push(open.element, open.tag, open.closing);
}

void Reader::endSection()
{
    if (m_section < 0)
        return;
    QString &html = section().html;
    for (qsizetype i = m_open.size() - 1; i >= 0; --i)
        html += m_open[i].closing;
    m_section = -1;
}

bool Reader::inBlock() const
{
    for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
        switch (m_open[i].element) {
        case Element::P:
        case Element::H:
        case Element::Td:
            return true;
        case Element::Table:
        case Element::Tr:
            return false;
        case Element::A:
        case Element::B:
            break;
        }
    }
    return false;
}

qsizetype Reader::innermost(Element element) const
{
    const bool tablePart =
        element == Element::Table || element == Element::Tr || element == Element::Td;
    for (qsizetype i = m_open.size() - 1; i >= 0; --i) {
        const Element open = m_open[i].element;
        if (open == element)
            return i;
        if (element == Element::Table)
            continue;
        if (open == Element::Table || (!tablePart && open == Element::Td))
            return -1;
    }
    return -1;
}

qsizetype Reader::paragraphDepth() const
{
    const qsizetype p = innermost(Element::P);
    const qsizetype h = innermost(Element::H);
    if (p < 0)
        return h;
    return h < 0 ? p : std::min(p, h);
}

void Reader::truncate(qsizetype depth)
{
    if (m_section < 0) {
        m_open.resize(std::min(depth, m_open.size()));
        return;
    }
    QString &html = section().html;
    while (m_open.size() > depth) {
        html += m_open.last().closing;
        m_open.removeLast();
    }
}

bool Reader::push(Element element, const QString &tag, const QString &closing)
{
    if (m_open.size() >= kDeepest || m_section < 0)
        return false;
    section().html += tag;
    m_open.append({element, tag, closing});
    return true;
}

void Reader::hidden(Hidden why, qsizetype at, QStringView what)
{
    // Text in no block is noted once per section, anything else once per kind, counted.
    QString group = QString::number(int(why));
    if (why == Hidden::NoBlock)
        group += u':' + QString::number(m_section);
    if (const auto known = m_groups.constFind(group); known != m_groups.constEnd()) {
        ++m_findings[*known].count;
        return;
    }
    while (at < m_page.size() && isSpace(m_page[at]))
        ++at;
    Finding finding{PageRule::HiddenText, lineAt(at), snippet(what), why};
    if (m_section >= 0)
        finding.otherLine = section().line;
    m_groups.insert(group, m_findings.size());
    m_findings.append(finding);
}

void Reader::findSections()
{
    QSet<QString> linked;
    for (const QString &href : std::as_const(m_result.links)) {
        if (const LinkMeaning meaning = linkMeaning(href); meaning.kind == LinkMeaning::Section)
            linked.insert(meaning.target.toLower());
    }
    for (qsizetype i = 0; i < m_result.sections.size(); ++i) {
        const PageSection &s = m_result.sections[i];
        const SectionFacts &facts = m_facts[i];
        const QString key = s.name.toLower();
        if (!s.name.isEmpty()) {
            if (const auto first = m_firstByName.constFind(key); first != m_firstByName.cend()) {
                Finding twice{PageRule::SectionTwice, facts.nameLine, s.name};
                twice.otherLine = m_facts[*first].nameLine;
                m_findings.append(twice);
                continue;
            }
            m_firstByName.insert(key, i);
        }
        if (m_kind == PageKind::Briefing && isDebriefingName(s.name) && !isKnownEnding(s.name)) {
            m_findings.append({PageRule::UnknownEnding, facts.nameLine, s.name});
            continue;
        }
        if (facts.firstTextLine == 0)
            continue;
        Finding unseen{PageRule::HiddenText, facts.firstTextLine, facts.firstText};
        unseen.otherLine = s.line;
        if (m_kind == PageKind::Overview) {
            if (key == u"main"_s)
                continue;
            unseen.hidden = Hidden::NotMain;
        } else if (s.name.isEmpty()) {
            unseen.hidden = Hidden::Unnamed;
        } else if (!isMeaningfulName(s.name) && !linked.contains(key)) {
            unseen = {PageRule::HiddenText, facts.nameLine, s.name, Hidden::NeverShown};
        } else {
            continue;
        }
        m_findings.append(unseen);
    }
}

void Reader::findLinks()
{
    QSet<QString> reported;
    for (qsizetype i = 0; i < m_result.links.size(); ++i) {
        const QString &href = m_result.links[i];
        if (reported.contains(href))
            continue;
        reported.insert(href);
        const LinkMeaning meaning = linkMeaning(href);
        const int line = m_linkLines[i];
        if (meaning.kind == LinkMeaning::None) {
            m_findings.append({PageRule::ForeignLink, line, href});
        } else if (meaning.kind == LinkMeaning::Section &&
                   !m_firstByName.contains(meaning.target.toLower())) {
            const PageRule rule = isObjectiveName(meaning.target)    ? PageRule::DeadObjective
                                  : isDebriefingName(meaning.target) ? PageRule::MissingEnding
                                                                     : PageRule::DeadLink;
            m_findings.append({rule, line, href});
        }
    }
}

void Reader::findEndings()
{
    // Endings are numbered from 1: a mission with a debriefing for its third ending can end in
    // the second as well, and the player would then read nothing.
    int highest = 0;
    int highestLine = 0;
    for (int k = 1; k <= 6; ++k) {
        const auto found = m_firstByName.constFind(u"debriefing:end"_s + QString::number(k));
        if (found != m_firstByName.cend()) {
            highest = k;
            highestLine = m_facts[*found].nameLine;
        }
    }
    for (int k = 1; k < highest; ++k) {
        if (m_firstByName.contains(u"debriefing:end"_s + QString::number(k)))
            continue;
        Finding gap{PageRule::MissingEnding, highestLine, u"End"_s + QString::number(k)};
        gap.count = highest;
        m_findings.append(gap);
    }
}

QString Reader::advice(const Finding &f) const
{
    const QString subject = quoted(f.subject);
    const QString times = f.count > 1 ? u" (%1-mal)"_s.arg(f.count) : QString();
    switch (f.rule) {
    case PageRule::DroppedTag:
        return u"%1 kennt das Spiel nicht und lässt es weg%2 – entfernen; es kennt nur %3."_s.arg(
            subject, times, kHonoured);
    case PageRule::HiddenText:
        break;
    case PageRule::SectionTwice:
        return u"Den Abschnitt %1 gibt es schon in Zeile %2 – einen der beiden umbenennen; "
               u"gezeigt wird nur der erste."_s.arg(subject)
                   .arg(f.otherLine);
    case PageRule::DeadObjective:
        return u"Der Link auf %1 führt zu keinem Ziel – das Ziel %2 anlegen oder den Link "
               u"ändern."_s.arg(subject, f.subject.mid(1));
    case PageRule::DeadLink:
        return u"Der Link auf %1 führt zu keinem Abschnitt – einen Abschnitt mit <a name=\"%2\"> "
               u"beginnen oder den Link ändern."_s.arg(subject, f.subject.mid(1));
    case PageRule::MissingEnding:
        if (f.subject.startsWith(u'#'))
            return u"Der Link auf %1 führt zu keiner Nachbesprechung – sie anlegen oder den Link "
                   u"ändern."_s.arg(subject);
        return u"Die Nachbesprechung für %1 fehlt, die für %2 ist da: wer die Mission so "
               u"beendet, liest nichts – einen Abschnitt „Debriefing:%3“ anlegen."_s.arg(
                   endingCaption(f.subject.mid(3).toInt()), endingCaption(f.count), f.subject);
    case PageRule::UnknownEnding:
        return u"Ein Ende %1 kennt das Spiel nicht, nur End1 bis End6 und Loser – den "
               u"Abschnitt umbenennen."_s.arg(subject);
    case PageRule::ForeignLink:
        return u"Dem Link %1 folgt das Spiel nicht, nur Links auf #Abschnitt und Marker:Name – "
               u"entfernen oder ändern."_s.arg(subject);
    }

    const QString section = u"ab Zeile %1"_s.arg(f.otherLine);
    switch (f.hidden) {
    case Hidden::NoHtml:
        return u"Die Seite hat kein <html>: das Spiel liest nur, was zwischen <html> und </html> "
               u"steht – die Seite damit umschließen."_s;
    case Hidden::BeforeHtml:
        return u"%1 steht vor <html> und wird nicht gelesen%2 – in die Seite verschieben oder "
               u"löschen."_s.arg(subject, times);
    case Hidden::AfterHtml:
        return u"%1 steht nach </html> und wird nicht gelesen%2 – vor </html> verschieben oder "
               u"löschen."_s.arg(subject, times);
    case Hidden::BeforeBody:
        return u"%1 steht vor <body> und wird nicht gezeigt%2 – hinter <body> verschieben."_s.arg(
            subject, times);
    case Hidden::AfterBody:
        return u"%1 steht nach </body> und wird nicht gezeigt%2 – vor </body> verschieben."_s.arg(
            subject, times);
    case Hidden::NoBlock:
        return u"%1 steht in keinem <p>, <h1>–<h6> oder <td> und wird nicht gezeigt%2 – in "
               u"<p> … </p> setzen."_s.arg(subject, times);
    case Hidden::Unnamed:
        return u"%1 steht in einem Abschnitt ohne Namen (%2) und wird nicht gezeigt – den "
               u"Abschnitt mit <a name=\"…\"></a> beginnen oder das <hr> davor entfernen."_s.arg(
                   subject, section);
    case Hidden::NeverShown:
        return u"Der Abschnitt %1 wird nie gezeigt: kein Link führt zu ihm – einen Link "
               u"<a href=\"#%2\"> setzen."_s.arg(subject, f.subject);
    case Hidden::NotMain:
        return u"%1 steht nicht im Abschnitt „Main“ (%2); die Übersicht zeigt nur ihn – das "
               u"<hr> davor entfernen."_s.arg(subject, section);
    case Hidden::Unclosed:
        return u"%1 wird nicht geschlossen: der Rest der Seite wird nicht gezeigt – das fehlende "
               u"„>“, „-->“ oder Anführungszeichen ergänzen."_s.arg(subject);
    }
    return {};
}

QString viewPage(const QString &body)
{
    return u"<html><body>"_s + body + u"</body></html>"_s;
}

} // namespace

int PageReading::find(const QString &name) const
{
    for (qsizetype i = 0; i < sections.size(); ++i) {
        if (!sections[i].name.isEmpty() && sections[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

PageReading readPage(const QString &page, PageKind kind)
{
    return Reader(page, kind).read();
}

LinkMeaning linkMeaning(const QString &href)
{
    if (href.startsWith(u'#'))
        return {LinkMeaning::Section, href.mid(1)};
    static const QString marker = u"marker:"_s;
    if (href.startsWith(marker, Qt::CaseInsensitive))
        return {LinkMeaning::Marker, href.mid(marker.size())};
    return {LinkMeaning::None, href};
}

ViewUrl viewUrl(const QUrl &url)
{
    static const QHash<QString, ViewUrl::Kind> kinds = {{u"link"_s, ViewUrl::Link},
                                                        {u"picture"_s, ViewUrl::Picture},
                                                        {u"status"_s, ViewUrl::Status},
                                                        {u"mark"_s, ViewUrl::Mark}};
    const ViewUrl::Kind kind = kinds.value(url.scheme().toLower(), ViewUrl::Unknown);
    bool number = false;
    const int value = url.path().toInt(&number);
    if (kind == ViewUrl::Unknown || !number || value < 0)
        return {};
    return {kind, value};
}

ObjectiveStatus nextStatus(ObjectiveStatus status)
{
    switch (status) {
    case ObjectiveStatus::Open:
        return ObjectiveStatus::Done;
    case ObjectiveStatus::Done:
        return ObjectiveStatus::Failed;
    case ObjectiveStatus::Failed:
        break;
    }
    return ObjectiveStatus::Open;
}

QList<int> objectives(const PageReading &page)
{
    QList<int> found;
    QSet<QString> names;
    for (qsizetype i = 0; i < page.sections.size(); ++i) {
        const QString &name = page.sections[i].name;
        if (isObjectiveName(name) && !names.contains(name.toLower())) {
            names.insert(name.toLower());
            found.append(int(i));
        }
    }
    return found;
}

QStringList endings(const PageReading &page)
{
    QStringList found;
    for (const QString &ending : endingNames()) {
        if (endingSection(page, ending) >= 0)
            found.append(ending);
    }
    return found;
}

int endingSection(const PageReading &page, const QString &ending)
{
    return page.find(kDebriefing + ending);
}

QString objectiveAnchor(int n)
{
    return u"objective-"_s + QString::number(n);
}

QString planPage(const PageReading &page, const QList<ObjectiveStatus> &statuses)
{
    QString body;
    if (const int plan = page.find(u"Plan"_s); plan >= 0)
        body += page.sections[plan].html;
    const QList<int> list = objectives(page);
    for (qsizetype n = 0; n < list.size(); ++n) {
        // The mark stands before the objective's first word. A table around the two would be
        // laid out as one piece, which for a long objective takes longer than the user waits.
        const auto status = int(statuses.value(n, ObjectiveStatus::Open));
        const QString mark = u"<a href=\"status:"_s + QString::number(n) +
                             u"\"><img src=\"mark:"_s + QString::number(status) +
                             u"\"></a>&nbsp;"_s;
        const PageSection &objective = page.sections[list[n]];
        body += u"<a name=\""_s + objectiveAnchor(int(n)) + u"\"></a>"_s;
        if (objective.contentAt < 0)
            body += u"<p>"_s + mark + u"</p>"_s + objective.html;
        else
            body += objective.html.left(objective.contentAt) + mark +
                    objective.html.mid(objective.contentAt);
    }
    return viewPage(body);
}

QString sectionPage(const PageReading &page, int section)
{
    if (section < 0 || section >= page.sections.size())
        return viewPage({});
    return viewPage(page.sections[section].html);
}

} // namespace briefing
