#include "descriptionmerge.h"

#include "configreader.h"
#include "textlines.h"

#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace check {
namespace {

// The first line end in [from, to), empty when there is none.
QString firstLineEnd(QStringView text, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i) {
        if (const qsizetype length = lineEndLength(text, i))
            return text.mid(i, length).toString();
    }
    return {};
}

QString withLineEnds(QStringView text, const QString &lineEnd)
{
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (const qsizetype length = lineEndLength(text, i)) {
            result += text.mid(from, i - from);
            result += lineEnd;
            i += length;
            from = i;
        } else {
            ++i;
        }
    }
    result += text.mid(from);
    return result;
}

bool endsWithLineEnd(QStringView text)
{
    return !text.isEmpty() && isLineEnd(text.last());
}

// The last line holds nothing but blanks and is ended.
bool endsWithEmptyLine(QStringView text)
{
    if (!endsWithLineEnd(text))
        return false;
    qsizetype i = text.size() - 1;
    if (i > 0 && text[i] == u'\n' && text[i - 1] == u'\r')
        --i;
    while (i > 0 && isBlank(text[i - 1]))
        --i;
    return i == 0 || isLineEnd(text[i - 1]);
}

const Diagnostic *firstError(const QList<Diagnostic> &diagnostics)
{
    const auto error = std::find_if(diagnostics.cbegin(), diagnostics.cend(),
                                    [](const auto &d) { return d.severity == Severity::Error; });
    return error == diagnostics.cend() ? nullptr : &*error;
}

QList<const ConfigEntry *> topLevelClasses(const ConfigDocument &document)
{
    QList<const ConfigEntry *> classes;
    for (const int index : document.topLevel) {
        if (document.entries[index].kind == ConfigEntry::Kind::Class)
            classes.append(&document.entries[index]);
    }
    return classes;
}

} // namespace

MergeResult mergeDescription(const QString &existing, const QString &generated)
{
    const ConfigDocument file = readConfig(existing);
    const QList<Diagnostic> fileDiagnostics = configDiagnostics(file);
    if (const Diagnostic *error = firstError(fileDiagnostics))
        return {false, {}, error->line, error->message};

    const ConfigDocument part = readConfig(generated);
    const QList<Diagnostic> partDiagnostics = configDiagnostics(part);
    if (const Diagnostic *error = firstError(partDiagnostics))
        return {false,
                {},
                0,
                u"Der erzeugte Text hat in seiner Zeile %1 einen Fehler: %2"_s.arg(error->line)
                    .arg(error->message)};
    const QList<const ConfigEntry *> incoming = topLevelClasses(part);
    if (incoming.isEmpty())
        return {false, {}, 0, u"Der erzeugte Text enthält keine Klasse"_s};
    if (existing.isEmpty())
        return {true, withLineEnds(generated, u"\r\n"_s), 0, {}};

    const auto generatedText = [&](const ConfigEntry *entry) {
        return QStringView(generated).mid(entry->start, entry->end - entry->start);
    };
    QHash<Caseless, const ConfigEntry *> present;
    for (const ConfigEntry *entry : topLevelClasses(file))
        present.insert(Caseless{entry->name}, entry);
    struct Replacement
    {
        const ConfigEntry *old;
        const ConfigEntry *replacement;
    };
    QList<Replacement> replaced;
    QList<const ConfigEntry *> missing;
    for (const ConfigEntry *entry : incoming) {
        if (const ConfigEntry *old = present.value(Caseless{entry->name}))
            replaced.append(Replacement{old, entry});
        else
            missing.append(entry);
    }
    std::sort(replaced.begin(), replaced.end(), [](const Replacement &a, const Replacement &b) {
        return a.old->start < b.old->start;
    });

    // Generated lines end like the file's first line. A class replaced by one of a single line
    // takes its line ends away: then the next line end decides, the one the merged file starts
    // with, so that merging again finds the same.
    QString lineEnd;
    qsizetype from = 0;
    for (const Replacement &r : std::as_const(replaced)) {
        lineEnd = firstLineEnd(existing, from, r.old->start);
        if (lineEnd.isEmpty() && splitLines(generatedText(r.replacement)).size() > 1)
            lineEnd = firstLineEnd(existing, r.old->start, r.old->end);
        if (!lineEnd.isEmpty())
            break;
        from = r.old->end;
    }
    if (lineEnd.isEmpty())
        lineEnd = firstLineEnd(existing, from, existing.size());
    if (lineEnd.isEmpty())
        lineEnd = firstLineEnd(existing, 0, existing.size());
    if (lineEnd.isEmpty())
        lineEnd = u"\r\n"_s;
    const auto classText = [&](const ConfigEntry *entry) {
        return withLineEnds(generatedText(entry), lineEnd);
    };

    QString text;
    from = 0;
    for (const Replacement &r : std::as_const(replaced)) {
        text += QStringView(existing).mid(from, r.old->start - from);
        text += classText(r.replacement);
        from = r.old->end;
    }
    text += QStringView(existing).mid(from);
    if (!missing.isEmpty()) {
        if (!endsWithLineEnd(text))
            text += lineEnd;
        if (!endsWithEmptyLine(text))
            text += lineEnd;
        for (qsizetype i = 0; i < missing.size(); ++i)
            text += (i > 0 ? lineEnd : QString()) + classText(missing[i]) + lineEnd;
    }

    // A class appended behind the one that derives from it, or one that meets a value of its
    // name, would break a file that was sound: better no merge than a broken file.
    const QList<Diagnostic> merged = configDiagnostics(readConfig(text));
    if (const Diagnostic *error = firstError(merged))
        return {false,
                {},
                0,
                u"Zusammengeführt hätte die Datei in Zeile %1 einen Fehler: %2"_s.arg(error->line)
                    .arg(error->message)};
    return {true, text, 0, {}};
}

} // namespace check
