#include "configreader.h"

#include "textlines.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace check {
namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

ConfigEntry makeEntry(ConfigEntry::Kind kind, QStringView name, const TextPosition &start)
{
    ConfigEntry entry;
    entry.kind = kind;
    entry.name = name;
    entry.start = start.offset;
    return entry;
}

QString errorInName(const ConfigEntry &entry)
{
    return shown(entry.name) + (entry.kind == ConfigEntry::Kind::Array ? u"[]"_s : QString());
}

// Where the reader stands; copied to look ahead and to step back.
struct Cursor
{
    qsizetype pos = 0;
    int line = 1;
    qsizetype lineStart = 0;
};

// How skipping the rest of a broken statement ended.
enum class Stop { Semicolon, LineEnd, Open, Close, End };

class Reader
{
public:
    explicit Reader(const QString &text) : m_text(text), m_size(text.size())
    {
        m_document.text = text; // shares the characters the views below point into
        m_document.entries.reserve(m_size / 24);
        m_document.lineStarts.reserve(m_size / 32 + 1);
        m_document.lineStarts.append(0);
    }
    ConfigDocument read();

private:
    // The open braces, innermost last. The top level is a body without an entry.
    struct Frame
    {
        enum class Kind { Body, List };
        Kind kind;
        int entry;
        int depth = 0; // lists: 0 for the member's own list, one more per nested list
        bool expectItem = true;
        TextPosition open;
        int lastChild = -1; // bodies: the member read last, to link the next one to
    };

    bool has(qsizetype ahead = 0) const { return m_at.pos + ahead < m_size; }
    QChar current() const { return m_text[m_at.pos]; }
    bool is(char16_t c, qsizetype ahead = 0) const
    {
        return has(ahead) && m_text[m_at.pos + ahead] == c;
    }
    bool atLineEnd() const { return !has() || isLineEnd(current()); }
    bool atBlockComment() const { return is(u'/') && is(u'*', 1); }
    TextPosition position(qsizetype offset) const
    {
        return {offset, m_at.line, int(offset - m_at.lineStart + 1)};
    }
    TextPosition here() const { return position(m_at.pos); }
    void newLine()
    {
        m_at.pos += lineEndLength(m_text, m_at.pos);
        ++m_at.line;
        m_at.lineStart = m_at.pos;
        m_document.lineStarts.append(m_at.pos);
    }
    // Back to where a look ahead started, forgetting the lines it passed.
    void rewind(const Cursor &to)
    {
        m_at = to;
        m_document.lineStarts.resize(to.line);
    }
    void report(const TextPosition &at, Severity severity, const QString &message)
    {
        if (!m_quiet)
            m_document.problems.append({at.line, at.column, severity, message});
    }
    void error(const TextPosition &at, const QString &message)
    {
        report(at, Severity::Error, message);
    }
    void warning(const TextPosition &at, const QString &message)
    {
        report(at, Severity::Warning, message);
    }

    void skipSpaces();
    bool skipComment();
    void skipPreprocessorLine();
    bool atLineStart() const;
    void skipBlank();
    void skipSameLine();
    QStringView readName();
    QStringView readQuoted(bool &closed);
    QStringView readUnquoted(bool inList);
    QString excerpt() const;
    Stop skipStatement();

    int addEntry(ConfigEntry entry);
    void addItem(int entry, const ConfigItem &item)
    {
        m_document.items.append(item);
        ++m_document.entries[entry].itemCount;
    }
    void openBody(ConfigEntry entry);
    void openList(int entry);
    void bodyStep();
    void closeBody(const TextPosition &at);
    void classHeader(const TextPosition &start);
    void recoverHeader(ConfigEntry entry);
    void recoverStatement();
    void member(QStringView name, const TextPosition &start);
    void readValue(int entry);
    void finishValue(int entry, qsizetype valueEnd);
    void listStep();
    void reportUnclosed();

    const QString &m_text;
    const qsizetype m_size;
    Cursor m_at;
    bool m_quiet = false;
    ConfigDocument m_document;
    QList<Frame> m_stack;
};

ConfigDocument Reader::read()
{
    m_stack.append({Frame::Kind::Body, -1, 0, true, {}, -1});
    for (;;) {
        skipBlank();
        if (!has())
            break;
        const Cursor before = m_at;
        const qsizetype depth = m_stack.size();
        if (m_stack.last().kind == Frame::Kind::Body)
            bodyStep();
        else
            listStep();
        // Every step consumes something; this only guards against a reader bug hanging.
        if (m_at.pos == before.pos && m_stack.size() == depth) {
            Q_ASSERT(false);
            if (atLineEnd())
                newLine();
            else
                ++m_at.pos;
        }
    }
    reportUnclosed();
    return std::move(m_document);
}

void Reader::skipSpaces()
{
    while (has() && isBlank(current()))
        ++m_at.pos;
}

bool Reader::skipComment()
{
    if (is(u'/') && is(u'/', 1)) {
        while (!atLineEnd())
            ++m_at.pos;
        return true;
    }
    if (!atBlockComment())
        return false;
    const TextPosition open = here();
    m_at.pos += 2;
    for (;;) {
        if (!has()) {
            error(open, u"Kommentar \"/*\" wird nicht geschlossen"_s);
            return true;
        }
        if (is(u'*') && is(u'/', 1)) {
            m_at.pos += 2;
            return true;
        }
        if (isLineEnd(current()))
            newLine();
        else
            ++m_at.pos;
    }
}

void Reader::skipPreprocessorLine()
{
    for (;;) {
        qsizetype lastSeen = -1;
        while (!atLineEnd()) {
            if (!isBlank(current()))
                lastSeen = m_at.pos;
            ++m_at.pos;
        }
        // A backslash at the end carries the directive on to the next line.
        if (lastSeen < 0 || m_text[lastSeen] != u'\\' || !has())
            return;
        newLine();
    }
}

bool Reader::atLineStart() const
{
    qsizetype i = m_at.pos;
    while (i > m_at.lineStart && isBlank(m_text[i - 1]))
        --i;
    return i == m_at.lineStart;
}

void Reader::skipBlank()
{
    for (;;) {
        skipSpaces();
        if (!has())
            return;
        if (isLineEnd(current()))
            newLine();
        else if (skipComment())
            continue;
        else if (is(u'#') && atLineStart())
            skipPreprocessorLine();
        else
            return;
    }
}

void Reader::skipSameLine()
{
    for (;;) {
        skipSpaces();
        if (is(u'/') && is(u'/', 1)) {
            skipComment();
            return;
        }
        if (!atBlockComment())
            return;
        qsizetype i = m_at.pos + 2;
        while (i < m_size && !isLineEnd(m_text[i]) &&
               !(m_text[i] == u'*' && i + 1 < m_size && m_text[i + 1] == u'/'))
            ++i;
        if (i >= m_size || isLineEnd(m_text[i]))
            return; // runs on past the line: the caller sees a line end there
        m_at.pos = i + 2;
    }
}

QStringView Reader::readName()
{
    const qsizetype from = m_at.pos;
    while (has() && isNameChar(current()))
        ++m_at.pos;
    return QStringView(m_text).mid(from, m_at.pos - from);
}

// A string up to its closing quote, or up to the line end when it has none.
QStringView Reader::readQuoted(bool &closed)
{
    const TextPosition open = here();
    ++m_at.pos;
    for (;;) {
        if (atLineEnd()) {
            error(open, has() ? u"Zeichenkette wird in ihrer Zeile nicht geschlossen"_s
                              : u"Zeichenkette wird bis zum Dateiende nicht geschlossen"_s);
            closed = false;
            break;
        }
        if (current() == u'"' && !is(u'"', 1)) {
            ++m_at.pos;
            closed = true;
            break;
        }
        m_at.pos += current() == u'"' ? 2 : 1;
    }
    return QStringView(m_text).mid(open.offset, m_at.pos - open.offset);
}

QStringView Reader::readUnquoted(bool inList)
{
    const qsizetype from = m_at.pos;
    while (has()) {
        const QChar c = current();
        if (isLineEnd(c) || c == u';' || c == u',' || c == u'}' || (inList && c == u'{') ||
            (c == u'/' && (is(u'/', 1) || is(u'*', 1))))
            break;
        ++m_at.pos;
    }
    qsizetype to = m_at.pos;
    while (to > from && isBlank(m_text[to - 1]))
        --to;
    return QStringView(m_text).mid(from, to - from);
}

QString Reader::excerpt() const
{
    qsizetype to = m_at.pos;
    while (to < m_size && to - m_at.pos < 20 && !isLineEnd(m_text[to]))
        ++to;
    return shown(QStringView(m_text).mid(m_at.pos, to - m_at.pos));
}

// The rest of a statement the reader could not make sense of, up to its ';' or the line end,
// or to a brace, which the caller still wants to see.
Stop Reader::skipStatement()
{
    while (has()) {
        const QChar c = current();
        if (isLineEnd(c))
            return Stop::LineEnd;
        if (c == u';') {
            ++m_at.pos;
            return Stop::Semicolon;
        }
        if (c == u'{')
            return Stop::Open;
        if (c == u'}')
            return Stop::Close;
        if (c == u'"') {
            ++m_at.pos;
            while (!atLineEnd() && !(is(u'"') && !is(u'"', 1)))
                m_at.pos += is(u'"') ? 2 : 1;
            if (has() && !isLineEnd(current()))
                ++m_at.pos;
        } else if (!skipComment()) {
            ++m_at.pos;
        }
    }
    return Stop::End;
}

int Reader::addEntry(ConfigEntry entry)
{
    Frame &body = m_stack.last();
    entry.parent = body.entry;
    if (entry.end == 0)
        entry.end = m_at.pos;
    const int index = int(m_document.entries.size());
    if (entry.parent < 0)
        m_document.topLevel.append(index);
    if (entry.kind == ConfigEntry::Kind::Class && !entry.base().isEmpty())
        m_document.derived.append(index);
    if (body.lastChild >= 0)
        m_document.entries[body.lastChild].nextSibling = index;
    else if (entry.parent >= 0)
        m_document.entries[entry.parent].firstChild = index;
    body.lastChild = index;
    m_document.entries.append(std::move(entry));
    return index;
}

void Reader::openBody(ConfigEntry entry)
{
    const TextPosition open = here();
    const int index = addEntry(std::move(entry));
    m_stack.append({Frame::Kind::Body, index, 0, true, open, -1});
    ++m_at.pos;
}

void Reader::openList(int entry)
{
    m_document.entries[entry].firstItem = int(m_document.items.size());
    m_stack.append({Frame::Kind::List, entry, 0, true, here(), -1});
    ++m_at.pos;
}

void Reader::bodyStep()
{
    const TextPosition start = here();
    const QChar c = current();
    if (c == u'}') {
        closeBody(start);
    } else if (c == u';') {
        ++m_at.pos; // an empty statement harms nothing
    } else if (c == u'{') {
        error(start, u"\"{\" ohne Klasse davor"_s);
        openBody(makeEntry(ConfigEntry::Kind::Class, {}, start));
    } else if (isNameChar(c)) {
        const QStringView word = readName();
        if (word.compare(u"class"_s, Qt::CaseInsensitive) == 0)
            classHeader(start);
        else
            member(word, start);
    } else {
        error(start, u"Unerwarteter Text \"%1\": weder Klasse noch Eintrag"_s.arg(excerpt()));
        recoverStatement();
    }
}

void Reader::closeBody(const TextPosition &at)
{
    if (m_stack.size() == 1) {
        error(at, u"\"}\" ohne öffnende \"{\""_s);
        ++m_at.pos;
        skipSpaces();
        if (is(u';'))
            ++m_at.pos;
        return;
    }
    const Frame frame = m_stack.takeLast();
    ConfigEntry &entry = m_document.entries[frame.entry];
    ++m_at.pos;
    const TextPosition after = here();
    skipSameLine();
    if (is(u';')) {
        ++m_at.pos;
        entry.end = m_at.pos;
        return;
    }
    entry.end = after.offset;
    if (!entry.name.isEmpty())
        warning(after, u"Nach der Klasse \"%1\" fehlt \";\""_s.arg(shown(entry.name)));
}

void Reader::classHeader(const TextPosition &start)
{
    skipBlank();
    ConfigEntry entry = makeEntry(ConfigEntry::Kind::Class, readName(), start);
    if (entry.name.isEmpty()) {
        error(start, u"Nach \"class\" fehlt ein gültiger Klassenname"_s);
        recoverHeader(std::move(entry));
        return;
    }
    skipBlank();
    if (is(u':')) {
        ++m_at.pos;
        skipBlank();
        const TextPosition basePosition = here();
        entry.value = readName();
        if (entry.value.isEmpty()) {
            error(basePosition,
                  u"Nach \"class %1 :\" fehlt die Basisklasse"_s.arg(shown(entry.name)));
            recoverHeader(std::move(entry));
            return;
        }
        skipBlank();
    }
    if (is(u'{')) {
        openBody(std::move(entry));
    } else if (is(u';')) {
        entry.kind = ConfigEntry::Kind::Declaration;
        ++m_at.pos;
        addEntry(std::move(entry));
    } else {
        error(here(), u"Nach \"class %1\" fehlt \"{\""_s.arg(shown(entry.name)));
        recoverHeader(std::move(entry));
    }
}

// A class head that went wrong usually still has its body: reading that as a class keeps one
// mistake from turning every following "};" into another.
void Reader::recoverHeader(ConfigEntry entry)
{
    const Stop stop = skipStatement();
    if (stop == Stop::LineEnd) {
        m_quiet = true;
        const Cursor line = m_at;
        skipBlank();
        m_quiet = false;
        if (!is(u'{'))
            rewind(line);
    }
    if (is(u'{') && stop != Stop::Semicolon)
        openBody(std::move(entry));
}

void Reader::recoverStatement()
{
    if (skipStatement() == Stop::Open)
        openBody(makeEntry(ConfigEntry::Kind::Class, {}, here()));
}

void Reader::member(QStringView name, const TextPosition &start)
{
    skipSpaces();
    bool list = false;
    if (is(u'[')) {
        ++m_at.pos;
        skipSpaces();
        if (!is(u']')) {
            error(here(), u"Nach \"%1[\" fehlt \"]\""_s.arg(shown(name)));
            recoverStatement();
            return;
        }
        ++m_at.pos;
        list = true;
        skipSpaces();
    }
    if (!is(u'=')) {
        error(start, u"\"%1\" ist weder Klasse noch Eintrag: es fehlt \"=\""_s.arg(shown(name)));
        recoverStatement();
        return;
    }
    ++m_at.pos;
    readValue(addEntry(
        makeEntry(list ? ConfigEntry::Kind::Array : ConfigEntry::Kind::Value, name, start)));
}

void Reader::readValue(int entry)
{
    const bool list = m_document.entries[entry].kind == ConfigEntry::Kind::Array;
    const QString needsList = u"\"%1\" braucht eine Liste in { }"_s;
    skipSameLine();
    if (atLineEnd() || atBlockComment()) {
        // Only a list may open on a later line.
        const Cursor line = m_at;
        m_quiet = true;
        skipBlank();
        m_quiet = false;
        if (is(u'{')) {
            if (!list)
                warning(here(), u"\"%1\" bekommt eine Liste ohne \"[]\": das Spiel liest sie "
                                u"als einen Text"_s.arg(shown(m_document.entries[entry].name)));
            openList(entry);
            return;
        }
        rewind(line);
        m_document.entries[entry].end = m_at.pos;
        if (list)
            error(here(), needsList.arg(errorInName(m_document.entries[entry])));
        else
            warning(here(), u"Nach dem Wert von \"%1\" fehlt \";\""_s.arg(
                                shown(m_document.entries[entry].name)));
        return;
    }
    const TextPosition valueStart = here();
    if (is(u'{')) {
        if (!list)
            warning(valueStart, u"\"%1\" bekommt eine Liste ohne \"[]\": das Spiel liest sie "
                                u"als einen Text"_s.arg(shown(m_document.entries[entry].name)));
        openList(entry);
        return;
    }
    if (list)
        error(valueStart, needsList.arg(errorInName(m_document.entries[entry])));
    if (is(u';')) {
        ++m_at.pos;
        m_document.entries[entry].end = m_at.pos;
        return;
    }
    bool closed = true;
    const QStringView value = is(u'"') ? readQuoted(closed) : readUnquoted(false);
    m_document.entries[entry].value = value;
    if (!closed) {
        m_document.entries[entry].end = m_at.pos;
        return;
    }
    finishValue(entry, value.data() - m_text.constData() + value.size());
}

void Reader::finishValue(int entry, qsizetype valueEnd)
{
    const TextPosition after = position(valueEnd);
    skipSameLine();
    ConfigEntry &member = m_document.entries[entry];
    if (is(u';')) {
        ++m_at.pos;
        member.end = m_at.pos;
        return;
    }
    member.end = valueEnd;
    if (atLineEnd() || atBlockComment() || is(u'}')) {
        warning(after, u"Nach dem Wert von \"%1\" fehlt \";\""_s.arg(errorInName(member)));
        return;
    }
    error(here(), u"Text nach dem Wert von \"%1\" ohne \";\" davor"_s.arg(errorInName(member)));
    recoverStatement();
}

void Reader::listStep()
{
    const TextPosition at = here();
    const QChar c = current();
    const int entry = m_stack.last().entry;
    const int depth = m_stack.last().depth;
    if (c == u'}') {
        ++m_at.pos;
        const Frame frame = m_stack.takeLast();
        const QStringView written =
            QStringView(m_text).mid(frame.open.offset, m_at.pos - frame.open.offset);
        if (depth == 1)
            m_document.items.last().text = written;
        if (depth > 0)
            return;
        if (m_document.entries[entry].kind == ConfigEntry::Kind::Value)
            m_document.entries[entry].value = written;
        finishValue(entry, m_at.pos);
        return;
    }
    if (c == u',') {
        ++m_at.pos;
        m_stack.last().expectItem = true;
        return;
    }
    if (c == u';') {
        // A list cut short: end it here rather than swallow the members that follow.
        error(at, u"Liste \"%1\" wird vor \";\" nicht geschlossen: es fehlt \"}\""_s.arg(
                      errorInName(m_document.entries[entry])));
        while (m_stack.last().kind == Frame::Kind::List)
            m_stack.removeLast();
        ++m_at.pos;
        m_document.entries[entry].end = m_at.pos;
        m_document.entries[entry].closed = false;
        return;
    }
    if (!m_stack.last().expectItem)
        error(at, u"In der Liste \"%1\" fehlt \",\" zwischen zwei Einträgen"_s.arg(
                      errorInName(m_document.entries[entry])));
    m_stack.last().expectItem = false;
    if (c == u'{') {
        if (depth == 0)
            addItem(entry, {{}, true});
        m_stack.append({Frame::Kind::List, entry, depth + 1, true, at, -1});
        ++m_at.pos;
        return;
    }
    bool closed = true;
    const QStringView text = c == u'"' ? readQuoted(closed) : readUnquoted(true);
    if (depth == 0)
        addItem(entry, {text, false});
}

void Reader::reportUnclosed()
{
    for (qsizetype i = m_stack.size() - 1; i >= 1; --i) {
        const Frame &frame = m_stack[i];
        ConfigEntry &entry = m_document.entries[frame.entry];
        entry.closed = false;
        entry.end = m_size;
        if (frame.kind == Frame::Kind::List) {
            if (frame.depth == 0)
                error(m_document.position(entry.start),
                      u"Liste \"%1\" wird nicht geschlossen: es fehlt \"}\""_s.arg(
                          errorInName(entry)));
        } else if (entry.name.isEmpty()) {
            error(frame.open, u"\"{\" wird nicht geschlossen"_s);
        } else {
            error(
                m_document.position(entry.start),
                u"Klasse \"%1\" wird nicht geschlossen: es fehlt \"};\""_s.arg(shown(entry.name)));
        }
    }
}

// --- What the members say -------------------------------------------------------------------

bool named(const ConfigEntry &entry, QStringView name)
{
    return sameName(entry.name, name);
}

class MemberCheck
{
public:
    MemberCheck(const ConfigDocument &document, QList<Diagnostic> &out)
        : m_document(document), m_entries(document.entries), m_out(out)
    {}
    void run();

private:
    void add(qsizetype offset, Severity severity, const QString &message)
    {
        const TextPosition at = m_document.position(offset);
        m_out.append({at.line, at.column, severity, message});
    }
    void duplicates(int first);
    void duplicate(const ConfigEntry &entry, const ConfigEntry &first);
    void soundList(const ConfigEntry &block);
    void stockCounts(const ConfigEntry &block);

    const ConfigDocument &m_document;
    const QList<ConfigEntry> &m_entries;
    QList<Diagnostic> &m_out;
};

// One pass over the entries, in text order: a file of megabytes is read from memory once.
void MemberCheck::run()
{
    duplicates(m_document.topLevel.value(0, -1));
    // A base class must be defined before, in the same class or an enclosing one. The classes
    // visible at each point are counted by name; only names some class derives from are
    // counted, which keeps the table small in a file of many classes.
    QSet<Caseless> baseNames;
    for (const int index : m_document.derived)
        baseNames.insert(Caseless(m_entries[index].base()));
    QHash<Caseless, int> visible;
    QList<Caseless> defined; // the counted classes of the open scopes, innermost last
    struct Scope
    {
        int entry;
        qsizetype firstDefined;
    };
    QList<Scope> scopes{{-1, 0}};
    for (int i = 0; i < m_entries.size(); ++i) {
        const ConfigEntry &entry = m_entries[i];
        while (scopes.size() > 1 && scopes.last().entry != entry.parent) {
            for (qsizetype k = scopes.last().firstDefined; k < defined.size(); ++k) {
                const auto it = visible.find(defined[k]);
                if (--*it == 0)
                    visible.erase(it);
            }
            defined.erase(defined.begin() + scopes.last().firstDefined, defined.end());
            scopes.removeLast();
        }
        if (entry.kind == ConfigEntry::Kind::Array && named(entry, u"sound") && entry.itemCount < 3)
            add(entry.start, Severity::Warning,
                u"\"%1[]\" braucht drei Einträge (Datei, Lautstärke, Tonhöhe), hat aber %2"_s.arg(
                    shown(entry.name), QString::number(entry.itemCount)));
        if (entry.kind == ConfigEntry::Kind::Value || entry.kind == ConfigEntry::Kind::Array)
            continue;
        if (!entry.base().isEmpty() && entry.kind == ConfigEntry::Kind::Class &&
            !visible.contains(Caseless(entry.base())))
            add(entry.value.data() - m_document.text.data(), Severity::Error,
                u"Basisklasse \"%1\" von \"%2\" ist vorher nicht definiert"_s.arg(
                    shown(entry.base()), shown(entry.name)));
        if (!baseNames.isEmpty() && !entry.name.isEmpty()) {
            const Caseless name(entry.name);
            if (baseNames.contains(name)) {
                defined.append(name);
                ++visible[name];
            }
        }
        if (entry.kind == ConfigEntry::Kind::Class) {
            duplicates(entry.firstChild);
            scopes.append(Scope{i, defined.size()});
        }
    }
    for (const int index : m_document.topLevel) {
        const ConfigEntry &block = m_entries[index];
        if (block.kind != ConfigEntry::Kind::Class)
            continue;
        if (named(block, u"CfgSounds"))
            soundList(block);
        else if (named(block, u"Weapons") || named(block, u"Magazines"))
            stockCounts(block);
    }
}

// Two members of one class with the same name stop the game at start. Most classes have a
// handful of members: those are compared pairwise, without building a table.
void MemberCheck::duplicates(int first)
{
    QVarLengthArray<int, 16> members;
    for (int i = first; i >= 0; i = m_entries[i].nextSibling) {
        const ConfigEntry &entry = m_entries[i];
        if (entry.kind != ConfigEntry::Kind::Declaration && !entry.name.isEmpty())
            members.append(i);
    }
    if (members.size() <= 16) {
        for (qsizetype a = 1; a < members.size(); ++a) {
            const ConfigEntry &entry = m_entries[members[a]];
            for (qsizetype b = 0; b < a; ++b) {
                if (named(m_entries[members[b]], entry.name)) {
                    duplicate(entry, m_entries[members[b]]);
                    break;
                }
            }
        }
        return;
    }
    QHash<Caseless, int> seen;
    seen.reserve(members.size());
    for (const int index : members) {
        const Caseless name(m_entries[index].name);
        const auto found = seen.constFind(name);
        if (found == seen.cend())
            seen.insert(name, index);
        else
            duplicate(m_entries[index], m_entries[*found]);
    }
}

void MemberCheck::duplicate(const ConfigEntry &entry, const ConfigEntry &first)
{
    const QString where = entry.parent < 0
                              ? u"außerhalb jeder Klasse"_s
                              : u"in Klasse \"%1\""_s.arg(shown(m_entries[entry.parent].name));
    add(entry.start, Severity::Error,
        u"\"%1\" ist %2 schon in Zeile %3 definiert"_s.arg(
            shown(entry.name), where, QString::number(m_document.position(first.start).line)));
}

// The list of sounds in CfgSounds and its classes must name the same sounds.
void MemberCheck::soundList(const ConfigEntry &block)
{
    QList<const ConfigEntry *> lists;
    QSet<Caseless> classes;
    for (int i = block.firstChild; i >= 0; i = m_entries[i].nextSibling) {
        const ConfigEntry &member = m_entries[i];
        if (member.kind == ConfigEntry::Kind::Array &&
            (named(member, u"sounds") || named(member, u"tracks")))
            lists.append(&member);
        else if (member.isClass() && !member.name.isEmpty())
            classes.insert(Caseless(member.name));
    }
    if (lists.isEmpty())
        return;
    QStringList names; // keeps the texts the set below looks at
    QSet<Caseless> listed;
    for (const ConfigEntry *list : std::as_const(lists)) {
        for (qsizetype k = 0; k < list->itemCount; ++k) {
            const ConfigItem &item = m_document.items[list->firstItem + k];
            names.append(plainText(item.text).trimmed());
            if (item.nested || names.last().isEmpty())
                continue;
            listed.insert(Caseless(names.last()));
            if (!classes.contains(Caseless(names.last())))
                add(list->start, Severity::Warning,
                    u"\"%1\" steht in \"%2[]\", ist aber keine Klasse in \"%3\""_s.arg(
                        shown(names.last()), shown(list->name), shown(block.name)));
        }
    }
    for (int i = block.firstChild; i >= 0; i = m_entries[i].nextSibling) {
        const ConfigEntry &member = m_entries[i];
        if (member.isClass() && !member.name.isEmpty() && !listed.contains(Caseless(member.name)))
            add(member.start, Severity::Warning,
                u"Klasse \"%1\" fehlt in \"%2[]\""_s.arg(shown(member.name),
                                                         shown(lists.first()->name)));
    }
}

// Each class of the stock blocks says how many of it the player gets.
void MemberCheck::stockCounts(const ConfigEntry &block)
{
    for (int i = block.firstChild; i >= 0; i = m_entries[i].nextSibling) {
        const ConfigEntry &stock = m_entries[i];
        for (int k = stock.firstChild; k >= 0; k = m_entries[k].nextSibling) {
            const ConfigEntry &member = m_entries[k];
            if (member.kind == ConfigEntry::Kind::Value && named(member, u"count") &&
                plainText(member.value).trimmed().isEmpty())
                add(member.start, Severity::Warning,
                    u"\"%1\" von \"%2\" ist leer: es fehlt die Anzahl"_s.arg(shown(member.name),
                                                                             shown(stock.name)));
        }
    }
}

} // namespace

QString plainText(QStringView written)
{
    if (!written.startsWith(u'"'))
        return written.toString();
    const bool closed = written.size() > 1 && written.endsWith(u'"');
    return written.mid(1, written.size() - (closed ? 2 : 1)).toString().replace(u"\"\""_s, u"\""_s);
}

ConfigDocument readConfig(const QString &text)
{
    return Reader(text).read();
}

QList<Diagnostic> configDiagnostics(const ConfigDocument &document)
{
    QList<Diagnostic> out = document.problems;
    MemberCheck(document, out).run();
    std::stable_sort(out.begin(), out.end(), [](const Diagnostic &a, const Diagnostic &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return out;
}

TextPosition ConfigDocument::position(qsizetype offset) const
{
    const auto after = std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), offset);
    const qsizetype line = std::max<qsizetype>(1, after - lineStarts.cbegin());
    const qsizetype lineStart = lineStarts.value(line - 1, 0);
    return {offset, int(line), int(offset - lineStart + 1)};
}

QList<int> ConfigDocument::members(int entry) const
{
    QList<int> found;
    for (int i = entry < 0 ? topLevel.value(0, -1) : entries[entry].firstChild; i >= 0;
         i = entries[i].nextSibling)
        found.append(i);
    return found;
}

QList<ConfigItem> ConfigDocument::itemsOf(int entry) const
{
    return items.mid(entries[entry].firstItem, entries[entry].itemCount);
}

} // namespace check
