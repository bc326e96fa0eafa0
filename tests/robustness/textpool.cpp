#include "textpool.h"

using namespace Qt::StringLiterals;

namespace {

QString longText()
{
    QString text;
    text.reserve(100'000);
    const QString line = u"Zeile mit Ümlauten äöü ß, € und \"Anführung\" \\ Ende\r\n"_s;
    while (text.size() + line.size() <= 100'000)
        text += line;
    text += QString(100'000 - text.size(), u'x');
    return text;
}

} // namespace

const QStringList &textPool()
{
    static const QStringList pool = [] {
        QStringList texts = {
            // Plain entries, so that the dialogs get somewhere.
            u"a"_s, u"Mission1"_s, u"intro"_s, u"sound1.ogg"_s, u"M16"_s, u"Kampagne"_s,
            u"Das ist ein Satz."_s, u"bild.jpg"_s, u"rot"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s,
            u"10"_s, u"100"_s, u"0,5"_s,
            // Characters of the code page and beyond.
            u"Ärger über Öl, Übung: äöüß"_s, u"ÄÖÜ"_s, u"€"_s, u"10 € Strafe"_s, u"Ω ✓ 中文 😀"_s,
            u"😀"_s, QString(QChar(0xD800)), u"\u0081\u008D\u009D"_s, u"\"Zitat\""_s, u"'"_s,
            u"\"\"\""_s, u"\\"_s, u"C:\\Ordner\\datei.sqs"_s, u"<b>fett</b> & <script>"_s,
            u"%1 %2 %n %%"_s, u"\r"_s, u"\n"_s, u"\r\n"_s, u"eins\rzwei"_s, u"eins\nzwei"_s,
            u"eins\r\nzwei\r\n"_s, u"\t"_s, u"a\tb"_s, QString(QChar(0)),
            u"vor"_s + QChar(0) + u"nach"_s, u" "_s, u""_s, QString(100'000, u'W'), longText(),
            // Numbers in every odd form.
            u"0"_s, u"05"_s, u"5 "_s, u" 5"_s, u"-0"_s, u"2,5"_s, u"2.5"_s, u"1.000,5"_s,
            u"1,000.5"_s, u"1e400"_s, u"-1e400"_s, u"1e-400"_s, u"inf"_s, u"-inf"_s, u"nan"_s,
            u"NaN"_s, u"Infinity"_s, u"-3"_s, u"999999999999"_s, u"2147483647"_s, u"2147483648"_s,
            u"-2147483648"_s, u"0x10"_s, u"1/0"_s, u"+7"_s, u"٣"_s};
        return texts;
    }();
    return pool;
}

QSet<QString> badNumberWords(QStringView text)
{
    QSet<QString> words;
    static const QString kWords[] = {u"infinity"_s, u"nan"_s, u"inf"_s};
    for (const QString &word : kWords) {
        for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
             at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
            const qsizetype end = at + word.size();
            const bool alone = (at == 0 || !text[at - 1].isLetterOrNumber()) &&
                               (end == text.size() || !text[end].isLetterOrNumber());
            if (alone) {
                words.insert(word);
                break;
            }
        }
    }
    return words;
}
