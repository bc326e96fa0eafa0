#include "diagnostics.h"

#include "configreader.h"
#include "textlines.h"

#include <QFileInfo>
#include <QHash>
#include <QVarLengthArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace check {
namespace {

// The game reads no more of a script line than this.
constexpr qsizetype kLongestLine = 4096;

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Past the string that opens at `from`, or -1 when it runs to the line's end. A string ends at
// its line's end; "" inside it is one quote.
qsizetype stringEnd(QStringView line, qsizetype from)
{
    for (qsizetype i = from + 1; i < line.size(); ++i) {
        if (line[i] != u'"')
            continue;
        if (i + 1 < line.size() && line[i + 1] == u'"')
            ++i;
        else
            return i + 1;
    }
    return -1;
}

class SqsChecker
{
public:
    explicit SqsChecker(const QString &text) : m_text(text) {}
    QList<Diagnostic> run();

private:
    struct Jump
    {
        int line;
        int column;
        QString label;
    };

    void add(int line, qsizetype index, Severity severity, const QString &message)
    {
        m_out.append({line + 1, int(index + 1), severity, message});
    }
    void label(int line, QStringView text, qsizetype at);
    void wait(int line, QStringView text, qsizetype at);
    void condition(int line, QStringView text, qsizetype at);
    void statement(int line, QStringView text, qsizetype at);
    void strings(int line, QStringView text, qsizetype from);
    void jumps(int line, QStringView text, qsizetype from);
    void resolveJumps(const QList<int> &waitsBefore);

    const QString &m_text;
    QList<Diagnostic> m_out;
    QHash<QString, int> m_labels; // by name in lower case: the line of its first definition
    QList<Jump> m_jumps;
    QList<bool> m_waits; // per line: "~" or "@", which hand the game back its frame
};

QList<Diagnostic> SqsChecker::run()
{
    const QStringView all(m_text);
    const QList<LineSpan> lines = splitLines(all);
    m_waits.resize(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QStringView text = all.mid(lines[i].start, lines[i].length);
        if (text.size() > kLongestLine)
            add(i, kLongestLine, Severity::Error,
                u"Die Zeile ist %1 Zeichen lang, das Spiel liest nur %2"_s.arg(text.size())
                    .arg(kLongestLine));
        qsizetype at = 0;
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at == text.size())
            continue;
        switch (text[at].unicode()) {
        case u';':
            break;
        case u'#':
            label(i, text, at);
            break;
        case u'~':
        case u'&':
        case u'@':
            wait(i, text, at);
            break;
        case u'?':
            condition(i, text, at);
            break;
        default:
            statement(i, text, at);
        }
    }
    QList<int> waitsBefore(lines.size() + 1, 0);
    for (int i = 0; i < lines.size(); ++i)
        waitsBefore[i + 1] = waitsBefore[i] + (m_waits[i] ? 1 : 0);
    resolveJumps(waitsBefore);
    std::stable_sort(m_out.begin(), m_out.end(), [](const Diagnostic &a, const Diagnostic &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return m_out;
}

void SqsChecker::label(int line, QStringView text, qsizetype at)
{
    const QString name = text.mid(at + 1).trimmed().toString();
    const QString key = name.toLower();
    const auto first = m_labels.constFind(key);
    if (first != m_labels.cend())
        add(line, at, Severity::Warning,
            u"Sprungmarke \"%1\" ist schon in Zeile %2 definiert"_s.arg(
                shown(name), QString::number(*first + 1)));
    else
        m_labels.insert(key, line);
    if (const qsizetype comment = text.indexOf(u';', at); comment >= 0)
        add(line, comment, Severity::Warning,
            u"Der Kommentar gehört zum Namen der Sprungmarke: sie heißt \"%1\""_s.arg(shown(name)));
}

void SqsChecker::wait(int line, QStringView text, qsizetype at)
{
    const QChar kind = text[at];
    if (text.mid(at + 1).trimmed().isEmpty()) {
        const QString what = kind == u'~'   ? u"\"~\" ohne Wartezeit"_s
                             : kind == u'&' ? u"\"&\" ohne Zeitpunkt"_s
                                            : u"\"@\" ohne Bedingung"_s;
        add(line, at, Severity::Error, what);
        return;
    }
    m_waits[line] = kind != u'&';
    strings(line, text, at + 1);
}

void SqsChecker::condition(int line, QStringView text, qsizetype at)
{
    strings(line, text, at + 1);
    const qsizetype colon = text.indexOf(u':', at + 1);
    if (colon < 0) {
        add(line, at, Severity::Error,
            u"Bedingung ohne \":\" und Befehl: das Spiel überspringt die Zeile"_s);
        return;
    }
    // The game splits at the first colon, whether or not it stands in a string.
    for (qsizetype i = at + 1; i < colon; ++i) {
        if (text[i] != u'"')
            continue;
        const qsizetype end = stringEnd(text, i);
        if (end < 0 || end > colon) {
            add(line, colon, Severity::Warning,
                u"Der erste \":\" steht in einer Zeichenkette: das Spiel teilt die Bedingung "
                u"dort"_s);
            break;
        }
        i = end - 1;
    }
    jumps(line, text, colon + 1);
}

void SqsChecker::statement(int line, QStringView text, qsizetype at)
{
    const QStringView rest = text.mid(at);
    if (rest.startsWith(u"class"_s, Qt::CaseInsensitive) && rest.size() > 6 && isBlank(rest[5])) {
        const QStringView name = rest.mid(6).trimmed();
        if (!name.isEmpty() && isWordChar(name[0]))
            add(line, at, Severity::Warning,
                u"Das sieht aus wie eine Klasse aus description.ext, nicht wie ein "
                u"Script-Befehl"_s);
    }
    strings(line, text, at);
    jumps(line, text, at);
}

// Strings and brackets; one bracket problem a line is enough to find it.
void SqsChecker::strings(int line, QStringView text, qsizetype from)
{
    QVarLengthArray<qsizetype, 32> open;
    bool bracketReported = false;
    const auto bracket = [&](qsizetype at, const QString &message) {
        if (!bracketReported)
            add(line, at, Severity::Error, message);
        bracketReported = true;
    };
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"') {
            const qsizetype end = stringEnd(text, i);
            if (end < 0) {
                add(line, i, Severity::Error,
                    u"Zeichenkette wird in der Zeile nicht geschlossen"_s);
                break;
            }
            i = end - 1;
        } else if (c == u'(' || c == u'[' || c == u'{') {
            open.append(i);
        } else if (c == u')' || c == u']' || c == u'}') {
            const QChar opener = c == u')' ? u'(' : c == u']' ? u'[' : u'{';
            if (open.isEmpty()) {
                bracket(i, u"\"%1\" ohne öffnende Klammer"_s.arg(c));
            } else {
                if (text[open.last()] != opener)
                    bracket(i, u"\"%1\" schließt \"%2\" aus Spalte %3"_s.arg(c)
                                   .arg(text[open.last()])
                                   .arg(open.last() + 1));
                open.removeLast();
            }
        }
    }
    if (!open.isEmpty())
        bracket(open.last(),
                u"Klammer \"%1\" wird in der Zeile nicht geschlossen"_s.arg(text[open.last()]));
}

void SqsChecker::jumps(int line, QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'"') {
            const qsizetype end = stringEnd(text, i);
            if (end < 0)
                return;
            i = end - 1;
            continue;
        }
        if (text[i] != u'g' && text[i] != u'G')
            continue;
        const bool word = text.mid(i, 4).compare(u"goto"_s, Qt::CaseInsensitive) == 0 &&
                          (i == 0 || !isWordChar(text[i - 1])) &&
                          (i + 4 == text.size() || !isWordChar(text[i + 4]));
        if (!word)
            continue;
        qsizetype target = i + 4;
        while (target < text.size() && isBlank(text[target]))
            ++target;
        if (target >= text.size() || text[target] != u'"')
            continue; // a label computed at run time cannot be checked here
        const qsizetype end = stringEnd(text, target);
        if (end < 0)
            return;
        const QString name =
            text.mid(target + 1, end - target - 2).toString().replace(u"\"\""_s, u"\""_s);
        m_jumps.append({line, int(i), name});
        i = end - 1;
    }
}

void SqsChecker::resolveJumps(const QList<int> &waitsBefore)
{
    for (const Jump &jump : std::as_const(m_jumps)) {
        const auto label = m_labels.constFind(jump.label.toLower());
        if (label == m_labels.cend()) {
            add(jump.line, jump.column, Severity::Error,
                u"Sprungmarke \"%1\" ist nicht definiert: das Spiel beendet das Script hier "
                u"ohne Meldung"_s.arg(shown(jump.label)));
        } else if (*label < jump.line && waitsBefore[jump.line] == waitsBefore[*label + 1]) {
            add(jump.line, jump.column, Severity::Warning,
                u"Schleife zu \"%1\" ohne \"~\" oder \"@\" dazwischen: sie hält das Spiel an"_s.arg(
                    shown(jump.label)));
        }
    }
}

bool startsWithClass(QStringView line)
{
    return line.startsWith(u"class"_s, Qt::CaseInsensitive) &&
           (line.size() == 5 || !isWordChar(line[5]));
}

} // namespace

QList<Diagnostic> diagnose(const QString &text, Language language)
{
    if (language == Language::Config)
        return configDiagnostics(readConfig(text));
    return SqsChecker(text).run();
}

Language guessLanguage(const QString &fileName, const QString &text)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"sqs"_s)
        return Language::Sqs;
    if (suffix == u"ext"_s || suffix == u"hpp"_s || suffix == u"h"_s || suffix == u"cpp"_s)
        return Language::Config;
    const QStringView all(text);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = start;
        while (end < all.size() && !isLineEnd(all[end]))
            ++end;
        const QStringView line = all.mid(start, end - start).trimmed();
        if (!line.isEmpty() && !line.startsWith(u';') && !line.startsWith(u"//"_s))
            return startsWithClass(line) ? Language::Config : Language::Sqs;
        start = end + std::max<qsizetype>(1, lineEndLength(all, end));
    }
    return Language::Sqs;
}

} // namespace check
