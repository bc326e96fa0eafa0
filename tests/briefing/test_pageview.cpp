#include "briefing/pagemodel.h"
#include "briefing/pages.h"
#include "briefing/pageview.h"
#include "support/program.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace briefing;

namespace {

// A page whose body starts on line 2.
QString bodyPage(const QString &body)
{
    return u"<html><body>\n"_s + body + u"\n</body></html>"_s;
}

// Reads HTML as the browser does, but never a resource.
class InertDocument : public QTextDocument
{
protected:
    QVariant loadResource(int, const QUrl &) override { return QImage(1, 1, QImage::Format_RGB32); }
};

// What a section shows: its blocks, centred ones marked ^ and right-aligned ones >, with bold
// text between stars and links in brackets.
QString shown(const QString &html)
{
    InertDocument document;
    document.setHtml(html);
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Qt::Alignment align = block.blockFormat().alignment();
        text += align & Qt::AlignHCenter ? u" ^"_s : align & Qt::AlignRight ? u" >"_s : u" "_s;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString part = fragment.text();
            if (fragment.charFormat().fontWeight() >= QFont::Bold)
                part = u'*' + part + u'*';
            if (!fragment.charFormat().anchorHref().isEmpty())
                part = u'[' + part + u']';
            text += part;
        }
    }
    return text.simplified();
}

// The sections with a name or with something to show.
QString sectionsOf(const PageReading &page)
{
    QStringList list;
    for (const PageSection &section : page.sections) {
        const QString text = shown(section.html);
        if (!section.name.isEmpty() || !text.isEmpty())
            list.append(
                ((section.name.isEmpty() ? u"-"_s : section.name) + u": "_s + text).trimmed());
    }
    return list.join(u" | "_s);
}

QString ruleName(PageRule rule)
{
    static const char *const names[] = {"DroppedTag",    "HiddenText", "SectionTwice",
                                        "DeadObjective", "DeadLink",   "MissingEnding",
                                        "UnknownEnding", "ForeignLink"};
    return QString::fromLatin1(names[int(rule)]);
}

BriefingFields exampleBriefing()
{
    BriefingFields fields;
    fields.notes = u"Funkrufname Adler"_s;
    fields.plan = u"Wir landen am Strand und stoßen "_s +
                  markerLink(u"bruecke"_s, u"zur Brücke"_s) + u" vor."_s;
    fields.objectives = {u"Den Strand sichern"_s, u"Die Brücke nehmen"_s};
    fields.endings = {{u"Sieg"_s, u"Gut gemacht."_s}, {u"Rückzug"_s, u"Zu früh."_s}};
    return fields;
}

// A picture whose left half is red and right half blue, in the given file format.
QByteArray pictureBytes(QSize size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

// 'r', 'g' or 'b' for a clearly red, green or blue pixel, else 0.
char colour(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 170 && g < 90 && b < 90)
        return 'r';
    if (b > 170 && r < 90 && g < 90)
        return 'b';
    return g > 110 && r < 90 && b < 110 && g > r + 40 ? 'g' : 0;
}

// Where pixels of a colour are on the screen of a widget, and how many.
struct Spot
{
    QRect bounds;
    int count = 0;
};
Spot spot(QWidget *widget, char wanted)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Spot found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (colour(image.pixel(x, y)) == wanted) {
                found.bounds |= QRect(x, y, 1, 1);
                ++found.count;
            }
        }
    }
    return found;
}

QTextBrowser *browserOf(const PageView &view)
{
    return view.findChild<QTextBrowser *>(u"pageBrowser"_s);
}

QString textOf(const PageView &view)
{
    return browserOf(view)->toPlainText().simplified();
}

// Clicks a text the browser shows, or the first link left of it (the status mark before an
// objective).
bool click(QTextBrowser *browser, const QString &text, bool markBefore = false)
{
    const QTextCursor found = browser->document()->find(text);
    if (found.isNull())
        return false;
    browser->setTextCursor(found);
    browser->ensureCursorVisible();
    QTextCursor at(browser->document());
    at.setPosition(found.selectionStart() + (markBefore ? 0 : 1));
    const QRect line = browser->cursorRect(at);
    QPoint point = line.center();
    if (markBefore) {
        point.setX(0);
        while (point.x() < line.left() && browser->anchorAt(point).isEmpty())
            point.rx()++;
    }
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
    return true;
}

} // namespace

class PageViewTest : public QObject
{
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("sections");
        QTest::newRow("the program's own briefing page")
            << briefingPage(exampleBriefing(), u"1.1"_s)
            << u"Main: Funkrufname Adler | Plan: Wir landen am Strand und stoßen [zur Brücke] vor."
               u" | OBJ_1: Den Strand sichern | OBJ_2: Die Brücke nehmen | Debriefing:End1: *Sieg* "
               u"Gut gemacht. | Debriefing:End2: *Rückzug* Zu früh."_s;
        QTest::newRow("the anchor names a section in any case")
            << bodyPage(u"<A NAME=\"plan\"></A><P>eins</P>"_s) << u"plan: eins"_s;
        QTest::newRow("an anchor after the first word names nothing")
            << bodyPage(u"<p>eins <a name=\"Plan\"></a>zwei</p>"_s) << u"-: eins zwei"_s;
        QTest::newRow("text in no paragraph is not shown")
            << bodyPage(u"<a name=\"Plan\"></a>frei <b>fett</b><p>drin</p>"_s) << u"Plan: drin"_s;
        QTest::newRow("a rule ends the paragraph and the section")
            << bodyPage(u"<p><a name=\"Plan\"></a>eins<hr><a name=\"OBJ_1\"></a>zwei</p>"_s)
            << u"Plan: eins | OBJ_1:"_s;
        QTest::newRow("a table goes on across a rule")
            << bodyPage(u"<table><tr><td><a name=\"Plan\"></a>eins<hr><a name=\"OBJ_1\"></a>zwei"
                        u"</td></tr></table>"_s)
            << u"Plan: eins | OBJ_1: zwei"_s;
        QTest::newRow("the tags the game honours")
            << bodyPage(u"<h1 align=\"center\"><a name=\"Plan\"></a>Titel</h1><p align=RIGHT>"
                        u"rechts <b>fett</b><br><a href=\"#OBJ_1\">Link</a></p>"_s)
            << u"Plan: ^*Titel* >rechts *fett* [Link]"_s;
        QTest::newRow("dropped tags keep their text")
            << bodyPage(u"<p><a name=\"Plan\"></a><font color=\"red\">rot</font> <i>schräg</i> "
                        u"<script>alarm()</script> <p style=\"font-weight:bold\">nicht fett</p>"_s)
            << u"Plan: rot schräg alarm() nicht fett"_s;
        QTest::newRow("markup characters in text stay text")
            << bodyPage(u"<p><a name=\"Plan\"></a>a < b > c & d <3</p>"_s)
            << u"Plan: a < b > c & d <3"_s;
        QTest::newRow("a quoted value may hold >")
            << bodyPage(u"<p><a name=\"Plan\" title='a>b'>eins</a></p>"_s) << u"Plan: eins"_s;
        QTest::newRow("open tags end with the page")
            << u"<html><body><p><a name=\"Plan\"></a><b>fett <table><tr><td>zelle"_s
            << u"Plan: *fett * zelle"_s; // the table ends the paragraph and its bold
        QTest::newRow("an unclosed quote hides the rest")
            << bodyPage(u"<p><a name=\"Plan\"></a>eins <a href='x>zwei</p>\n<hr>"
                        u"<a name=\"OBJ_1\"></a><p>drei</p>"_s)
            << u"Plan: eins"_s;
    }

    void reading()
    {
        QFETCH(QString, page);
        QFETCH(QString, sections);
        QCOMPARE(sectionsOf(readPage(page, PageKind::Briefing)), sections);
    }

    void check_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("overview");
        QTest::addColumn<QString>("notes");
        const QString plan = u"<a name=\"Plan\"></a><p>x</p>"_s;
        const auto row = [](const char *name, const QString &page, const QString &notes,
                            bool overview = false) {
            QTest::newRow(name) << page << overview << notes;
        };
        row("the program's own briefing page", briefingPage(exampleBriefing(), u"1.1"_s), {});
        row("the program's own overview page",
            overviewPage({u"Titel"_s, u"Text"_s, u"bild.jpg"_s}, u"1.1"_s), {}, true);
        row("tags the game drops, once each",
            bodyPage(plan + u"<p><font>a</font>\n<font>b</font><i>c</i></p>"_s),
            u"DroppedTag@2 <font>; DroppedTag@3 <i>"_s);
        row("style sheets in the head",
            u"<html><head><link rel=\"stylesheet\" href=\"x.css\">\n<style>p {}</style></head>"
            u"<body>"_s +
                plan + u"</body></html>"_s,
            u"DroppedTag@1 <link>; DroppedTag@2 <style>"_s);
        row("text outside the body, the head's title aside",
            u"vorher\n<html>\nfrei\n<head><title>T</title></head><body>"_s + plan +
                u"</body>\nnach</html>\nnachher"_s,
            u"HiddenText@1 vorher; HiddenText@3 frei; HiddenText@5 nach; HiddenText@6 nachher"_s);
        row("text in no paragraph, once per section",
            bodyPage(u"<a name=\"Plan\"></a>frei\n<p>x</p>\nnoch"_s), u"HiddenText@2 frei"_s);
        row("text in a section without a name", bodyPage(plan + u"<hr>\n<p>ohne Namen</p>"_s),
            u"HiddenText@3 ohne Namen"_s);
        row("a section no link leads to",
            bodyPage(plan + u"<hr>\n<a name=\"Extra\"></a><p>y</p>"_s), u"HiddenText@3 Extra"_s);
        row("a section a link leads to",
            bodyPage(u"<a name=\"Plan\"></a><p><a href=\"#extra\">x</a></p><hr>\n"
                     u"<a name=\"Extra\"></a><p>y</p>"_s),
            {});
        row("the overview shows only its first section",
            bodyPage(u"<a name=\"Main\"></a><p>x</p><hr>\n<p>y</p>"_s), u"HiddenText@3 y"_s, true);
        row("an unclosed tag", u"<html><body>\n"_s + plan + u"\n<p title=\"y>z"_s,
            u"HiddenText@3 <p title=\"y>z"_s);
        row("no html at all", u"<body>"_s + plan + u"</body>"_s, u"HiddenText@1 "_s);
        row("a section named twice", bodyPage(plan + u"<hr>\n<a name=\"PLAN\"></a><p>y</p>"_s),
            u"SectionTwice@3 PLAN"_s);
        row("links that lead nowhere; marker links in any case",
            bodyPage(u"<a name=\"Plan\"></a><p><a href=\"#OBJ_1\">1</a><a href=\"#OBJ_2\">2</a>"
                     u"<a href=\"Marker:m\">m</a><a href=\"marker:M\">M</a>\n<a href=\"#Karte\">"
                     u"k</a><a href=\"http://example.invalid\">h</a><a href=\"file:///etc/passwd"
                     u"\">f</a></p><hr>\n<a name=\"obj_1\"></a><p>Ziel</p>"_s),
            u"DeadObjective@2 #OBJ_2; DeadLink@3 #Karte; ForeignLink@3 http://example.invalid; "
            u"ForeignLink@3 file:///etc/passwd"_s);
        row("endings the debriefing needs",
            bodyPage(plan + u"<hr><a name=\"Debriefing:Loser\"></a><p><a href=\"#Debriefing:End4"
                            u"\">4</a></p><hr><a name=\"Debriefing:End1\"></a><p>1</p><hr>\n"
                            u"<a name=\"Debriefing:End3\"></a><p>3</p><hr>\n"
                            u"<a name=\"Debriefing:End7\"></a><p>7</p>"_s),
            u"MissingEnding@2 #Debriefing:End4; MissingEnding@3 End2; "
            u"UnknownEnding@4 Debriefing:End7"_s);
    }

    void check()
    {
        QFETCH(QString, page);
        QFETCH(bool, overview);
        QFETCH(QString, notes);
        const PageReading reading =
            readPage(page, overview ? PageKind::Overview : PageKind::Briefing);
        QStringList found;
        for (const PageNote &note : reading.notes) {
            found.append(ruleName(note.rule) + u'@' + QString::number(note.line) + u' ' +
                         note.subject);
            // Each line names what it is about and says what to do.
            QVERIFY2(note.text.contains(note.subject) && note.text.contains(u" – "_s),
                     qPrintable(note.text));
        }
        QCOMPARE(found.join(u"; "_s), notes);
    }

    void deepPagesStayFlat_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::newRow("tables in tables") << u"<table><tr><td><b><a href=\"#Plan\">x"_s;
        QTest::newRow("bold in bold") << u"<b>x"_s;
    }

    void deepPagesStayFlat()
    {
        // Whatever the nesting of the page, the browser is handed a shallow one: its layout
        // recurses as deep as the markup, and lays a table out twice for each table around it.
        QFETCH(QString, piece);
        const QString page = u"<html><body><a name=\"Plan\"></a><p>"_s + piece.repeated(20000);
        const PageReading reading = readPage(page, PageKind::Briefing);
        QCOMPARE(reading.sections.size(), 1);
        const QString &html = reading.sections.first().html;
        int depth = 0, deepest = 0, tables = 0, deepestTables = 0;
        for (qsizetype at = html.indexOf(u'<'); at >= 0; at = html.indexOf(u'<', at + 1)) {
            const int step = html[at + 1] == u'/' ? -1 : 1;
            depth += step;
            deepest = std::max(deepest, depth);
            if (html.mid(at + (step < 0 ? 2 : 1), 5) == u"table"_s)
                deepestTables = std::max(deepestTables, tables += step);
        }
        QCOMPARE(depth, 0);
        QVERIFY2(deepest <= 32 && deepestTables <= 4, qPrintable(html.left(400)));

        PageView view(PageKind::Briefing, nullptr);
        view.setPage(page);
        view.open();
        view.renderNow();
        QVERIFY(textOf(view).startsWith(u"x"_s));
    }

    void garbage()
    {
        // Random pieces of markup in random order: read and shown without harm, and every
        // section comes out balanced.
        const QStringList pieces = {u"<html>"_s,
                                    u"</html>"_s,
                                    u"<body>"_s,
                                    u"</body>"_s,
                                    u"<hr>"_s,
                                    u"<p>"_s,
                                    u"</p>"_s,
                                    u"<table>"_s,
                                    u"</table>"_s,
                                    u"<tr>"_s,
                                    u"<td>"_s,
                                    u"</td>"_s,
                                    u"<b>"_s,
                                    u"</b>"_s,
                                    u"<a href=\"#x\">"_s,
                                    u"</a>"_s,
                                    u"<img src="_s,
                                    u"<a name=x>"_s,
                                    u"<!--"_s,
                                    u"-->"_s,
                                    u"\""_s,
                                    u"'"_s,
                                    u"<"_s,
                                    u">"_s,
                                    u"&amp;"_s,
                                    u"Wort "_s,
                                    u"\r\n"_s,
                                    u"<h3>"_s,
                                    u"<br/>"_s,
                                    u"<font>"_s,
                                    u"</"_s,
                                    u"<a name=\"OBJ_1\">"_s,
                                    u"<a href=marker:m>"_s};
        QRandomGenerator random(20260105);
        PageView view(PageKind::Overview, nullptr);
        view.open();
        for (int round = 0; round < 300; ++round) {
            QString page;
            const int count = random.bounded(200);
            for (int i = 0; i < count; ++i)
                page += pieces[random.bounded(int(pieces.size()))];
            for (const PageKind kind : {PageKind::Briefing, PageKind::Overview}) {
                const PageReading reading = readPage(page, kind);
                for (const PageSection &section : reading.sections) {
                    const QString &html = section.html;
                    const auto closings = html.count(u"</"_s);
                    const auto empty = html.count(u"<br>"_s) + html.count(u"<img"_s);
                    QCOMPARE(html.count(u'<') - closings - empty, closings);
                }
            }
            view.setPage(page);
            view.renderNow();
        }
    }

    void readsOnlyThePicture()
    {
        QTemporaryDir pictures;
        QTemporaryDir elsewhere;
        QVERIFY(putFile(pictures.filePath(u"bild.jpg"_s), pictureBytes({128, 64}, "JPG")));
        // Green pictures wherever the toolkit itself would look for the names the page holds.
        QImage green(128, 64, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(elsewhere.filePath(u"bild.jpg"_s), "JPG"));
        QVERIFY(green.save(elsewhere.filePath(u"fremd.jpg"_s), "JPG"));
        QVERIFY(putFile(elsewhere.filePath(u"fremd.css"_s), "p { color: green }"));
        const QString outside = elsewhere.filePath(u"fremd.jpg"_s);
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());

        const QString text =
            u"<link rel=\"stylesheet\" href=\"fremd.css\"><img src=\"fremd.jpg\"><img src=\""_s +
            outside + u"\"><img src=\""_s + QUrl::fromLocalFile(outside).toString() +
            u"\"><img src=\"../"_s + QFileInfo(elsewhere.path()).fileName() +
            u"/fremd.jpg\"><img src=\"http://example.invalid/x.jpg\">"_s;
        PageView view(PageKind::Overview, nullptr);
        view.setPictureFolder(pictures.path());
        view.setPictureName(u"bild.jpg"_s);
        view.setPage(overviewPage({u"Titel"_s, text, u"bild.jpg"_s}, u"1.1"_s));
        view.open();
        view.renderNow();
        QTextBrowser *browser = browserOf(view);
        QCOMPARE(spot(browser->viewport(), 'r').bounds.size(), QSize(64, 64));
        QCOMPARE(spot(browser->viewport(), 'g').count, 0);

        // Asked for any name directly, the browser reads nothing either.
        for (const QUrl &url :
             {QUrl(u"fremd.jpg"_s), QUrl(u"bild.jpg"_s), QUrl::fromLocalFile(outside),
              QUrl(u"fremd.css"_s), QUrl(u"http://example.invalid/x.jpg"_s)}) {
            const QImage image = browser->loadResource(QTextDocument::ImageResource, url)
                                     .value<QImage>()
                                     .convertToFormat(QImage::Format_RGB32);
            QVERIFY(!image.isNull() && colour(image.pixel(image.width() / 2, 20)) != 'g');
            for (const int type :
                 {int(QTextDocument::StyleSheetResource), int(QTextDocument::HtmlResource)}) {
                const QVariant answer = browser->loadResource(type, url);
                QVERIFY(answer.isValid() && answer.toString().isEmpty());
            }
        }
        QDir::setCurrent(oldCurrent);
    }

    void picture_data()
    {
        QTest::addColumn<QString>("file");     // what lies in the folder under the name
        QTest::addColumn<QString>("name");     // the picture field
        QTest::addColumn<bool>("folderKnown"); // the picture was chosen there
        QTest::addColumn<bool>("noted");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("a JPEG of 128 × 64")
            << u"jpeg 128x64"_s << u"bild.jpg"_s << true << false << true;
        QTest::newRow("a JPEG of another size, stretched")
            << u"jpeg 200x200"_s << u"bild.jpg"_s << true << true << true;
        QTest::newRow("a JPEG by its bytes, whatever its name")
            << u"jpeg 128x64"_s << u"bild.png"_s << true << false << true;
        QTest::newRow("a PNG named .jpg")
            << u"png 128x64"_s << u"bild.jpg"_s << true << true << false;
        QTest::newRow("no picture at all") << u"junk"_s << u"bild.jpg"_s << true << true << false;
        QTest::newRow("missing") << QString() << u"bild.jpg"_s << true << true << false;
        QTest::newRow("a folder of that name")
            << u"folder"_s << u"bild.jpg"_s << true << true << false;
        QTest::newRow("no folder chosen yet")
            << u"jpeg 128x64"_s << u"bild.jpg"_s << false << true << false;
        QTest::newRow("a name with a folder")
            << u"jpeg 128x64"_s << u"../bild.jpg"_s << true << true << false;
        QTest::newRow("no name") << u"jpeg 128x64"_s << QString() << true << true << false;
    }

    void picture()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(bool, folderKnown);
        QFETCH(bool, noted);
        QFETCH(bool, pictureShown);
        QTemporaryDir top;
        QVERIFY(QDir(top.path()).mkdir(u"mission"_s));
        const QString folder = top.filePath(u"mission"_s);
        const QString path = QDir(folder).filePath(name.isEmpty() ? u"x"_s : name);
        if (file.startsWith(u"jpeg"_s) || file.startsWith(u"png"_s)) {
            const QStringList size = file.section(u' ', 1).split(u'x');
            const QByteArray bytes = pictureBytes({size[0].toInt(), size[1].toInt()},
                                                  file.startsWith(u"jpeg"_s) ? "JPG" : "PNG");
            QVERIFY(putFile(path, bytes));
        } else if (file == u"junk"_s) {
            QVERIFY(putFile(path, QByteArray(4000, 'x')));
        } else if (file == u"folder"_s) {
            QVERIFY(QDir().mkpath(path));
        }

        PageView view(PageKind::Overview, nullptr);
        if (folderKnown)
            view.setPictureFolder(folder);
        view.setPictureName(name);
        view.setPage(overviewPage({u"Titel"_s, u"Text"_s, name}, u"1.1"_s));
        view.open();
        view.renderNow();
        const auto *note = view.findChild<QLabel *>(u"pictureNote"_s);
        QCOMPARE(!note->isHidden() && !note->text().isEmpty(), noted);
        const Spot red = spot(browserOf(view)->viewport(), 'r');
        const Spot blue = spot(browserOf(view)->viewport(), 'b');
        QCOMPARE(red.count > 0 && blue.count > 0, pictureShown);
        if (pictureShown) {
            // Stretched to 128 × 64 whatever its size, as the game does.
            QCOMPARE(red.bounds.united(blue.bounds).size(), QSize(128, 64));
            QVERIFY(red.bounds.right() < blue.bounds.left());
        }
    }

    void pictureFollowsItsFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"bild.jpg"_s);
        QVERIFY(putFile(path, pictureBytes({128, 64}, "PNG")));
        PageView view(PageKind::Overview, nullptr);
        view.setPictureFolder(folder.path());
        view.setPictureName(u"bild.jpg"_s);
        view.setPage(overviewPage({u"Titel"_s, u"Text"_s, u"bild.jpg"_s}, u"1.1"_s));
        view.open();

        // The user saves the picture again as a JPEG and comes back to the view.
        QVERIFY(putFile(path, pictureBytes({128, 64}, "JPG") + QByteArray(1, '\0')));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&view, &activate);
        view.renderNow();
        QVERIFY(view.findChild<QLabel *>(u"pictureNote"_s)->isHidden());
        QVERIFY(spot(browserOf(view)->viewport(), 'r').count > 0);
    }

    void followsTheEditorAfterAPause()
    {
        QWidget editor; // only hidden when closed, and kept
        PageView view(PageKind::Briefing, &editor);
        editor.show();
        view.setPage(bodyPage(u"<a name=\"Plan\"></a><p>eins</p>"_s));
        view.open();
        QVERIFY(view.isWindow() && !view.isModal());
        QCOMPARE(textOf(view), u"eins"_s);

        // Typing: each page is only taken, the view follows once the typing pauses.
        view.setPage(bodyPage(u"<a name=\"Plan\"></a><p>zwei</p>"_s));
        view.setPage(bodyPage(u"<a name=\"Plan\"></a><p>drei</p>"_s));
        QCOMPARE(textOf(view), u"eins"_s);
        QTRY_COMPARE(textOf(view), u"drei"_s);

        // Closed with its editor, the view does nothing, and shows the newest page when opened
        // again.
        editor.close();
        QVERIFY(!view.isVisible());
        view.setPage(bodyPage(u"<a name=\"Plan\"></a><p>vier</p>"_s));
        QTest::qWait(PageView::kPauseMs * 2);
        QCOMPARE(textOf(view), u"drei"_s);
        view.open();
        QCOMPARE(textOf(view), u"vier"_s);
    }

    void links_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("text");   // a text the browser shows afterwards
        QTest::addColumn<QString>("status"); // what the status line names
        QTest::newRow("to an objective")
            << u"zum zweiten Ziel"_s << u"Plan"_s << u"Die Brücke nehmen"_s << u"OBJ_2"_s;
        QTest::newRow("to the notes")
            << u"zu den Notizen"_s << u"Notizen"_s << u"Funkrufname Adler"_s << u"Main"_s;
        QTest::newRow("to an ending") << u"zum zweiten Ende"_s << u"Nachbesprechung"_s
                                      << u"Zu früh."_s << u"Debriefing:End2"_s;
        QTest::newRow("to another section")
            << u"zum Anhang"_s << u"Abschnitt Anhang"_s << u"Der Anhang"_s << u"Anhang"_s;
        QTest::newRow("to a marker")
            << u"zur Brücke"_s << u"Plan"_s << u"Den Strand sichern"_s << u"bruecke_1"_s;
        QTest::newRow("to the internet")
            << u"ins Netz"_s << u"Plan"_s << u"Den Strand sichern"_s << u"example.invalid"_s;
        QTest::newRow("to nowhere")
            << u"ins Leere"_s << u"Plan"_s << u"Den Strand sichern"_s << u"nirgends"_s;
    }

    void links()
    {
        QFETCH(QString, link);
        QFETCH(QString, tab);
        QFETCH(QString, text);
        QFETCH(QString, status);
        BriefingFields fields = exampleBriefing();
        fields.plan = u"<a href=\"#obj_2\">zum zweiten Ziel</a>, <a href=\"#MAIN\">zu den "
                      u"Notizen</a>, <a href=\"#Debriefing:End2\">zum zweiten Ende</a>, "
                      u"<a href=\"#Anhang\">zum Anhang</a>, "_s +
                      markerLink(u"bruecke_1"_s, u"zur Brücke"_s) +
                      u", <a href=\"http://example.invalid\">ins Netz</a>, <a href=\"#nirgends\">"
                      u"ins Leere</a>"_s;
        fields.endings.last().text += u"<hr><a name=\"Anhang\"></a><p>Der Anhang"_s;
        PageView view(PageKind::Briefing, nullptr);
        view.setPage(briefingPage(fields, u"1.1"_s));
        view.resize(800, 600);
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(click(browserOf(view), link));
        const auto *tabs = view.findChild<QTabBar *>(u"pageTabs"_s);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), tab);
        QVERIFY2(textOf(view).contains(text), qPrintable(textOf(view)));
        const QString said = view.findChild<QLabel *>(u"pageStatus"_s)->text();
        QVERIFY2(said.contains(status), qPrintable(said));
        const auto *chooser = view.findChild<QComboBox *>(u"endingChooser"_s);
        QCOMPARE(chooser->isVisibleTo(&view), tab == u"Nachbesprechung"_s);
    }

    void endingsToChoose()
    {
        PageView view(PageKind::Briefing, nullptr);
        view.setPage(bodyPage(u"<a name=\"Plan\"></a><p>x</p><hr><a name=\"debriefing:loser\">"
                              u"</a><p>verloren</p><hr><a name=\"Debriefing:End2\"></a><p>zwei"
                              u"</p><hr><a name=\"Debriefing:End1\"></a><p>eins</p>"_s));
        view.open();
        auto *tabs = view.findChild<QTabBar *>(u"pageTabs"_s);
        auto *chooser = view.findChild<QComboBox *>(u"endingChooser"_s);
        tabs->setCurrentIndex(2);
        QStringList choices;
        for (int i = 0; i < chooser->count(); ++i)
            choices.append(chooser->itemData(i).toString());
        QCOMPARE(choices, (QStringList{u"End1"_s, u"End2"_s, u"Loser"_s}));
        QCOMPARE(textOf(view), u"eins"_s);
        chooser->setCurrentIndex(2);
        QCOMPARE(textOf(view), u"verloren"_s);
        tabs->setCurrentIndex(0);
        QCOMPARE(textOf(view), u"x"_s);
    }

    void objectiveMarks()
    {
        PageView view(PageKind::Briefing, nullptr);
        BriefingFields fields = exampleBriefing();
        view.setPage(briefingPage(fields, u"1.1"_s));
        view.open();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTextBrowser *browser = browserOf(view);
        const auto marks = [&] {
            const bool done = spot(browser->viewport(), 'g').count > 0;
            const bool failed = spot(browser->viewport(), 'r').count > 0;
            return done ? (failed ? u"both"_s : u"done"_s) : (failed ? u"failed"_s : u"open"_s);
        };
        QCOMPARE(marks(), u"open"_s);
        QVERIFY(click(browser, u"Die Brücke nehmen"_s, true));
        QCOMPARE(marks(), u"done"_s);
        QVERIFY(click(browser, u"Die Brücke nehmen"_s, true));
        QCOMPARE(marks(), u"failed"_s);
        QVERIFY(click(browser, u"Die Brücke nehmen"_s, true));
        QCOMPARE(marks(), u"open"_s);
        QVERIFY(click(browser, u"Den Strand sichern"_s, true));
        QCOMPARE(marks(), u"done"_s);

        // The mark belongs to the objective and stays while the page changes.
        fields.plan = u"Neuer Plan"_s;
        view.setPage(briefingPage(fields, u"1.1"_s));
        view.renderNow();
        QVERIFY(textOf(view).startsWith(u"Neuer Plan"_s));
        QCOMPARE(marks(), u"done"_s);
    }

    // The page editors' button opens their view beside them, which follows the fields as the
    // user types and goes with its editor.
    void theBriefingEditorsView()
    {
        Program program;
        const Window editor = program.open(app::Tool::BriefingEditor);
        editor.click(u"pageView"_s);
        QPointer<PageView> view = editor.widget->findChild<PageView *>(u"pageViewBriefing"_s);
        QVERIFY(view && view->isWindow() && view->isVisible());
        QTest::keyClicks(editor.get<QLineEdit>(u"Text1"_s), u"Wir landen."_s);
        QTRY_COMPARE(textOf(*view), u"Wir landen."_s);
        editor.type(u"Text4"_s, u"Den Strand sichern"_s); // counts once it is ticked
        view->renderNow();
        QVERIFY(!textOf(*view).contains(u"Den Strand sichern"_s));
        editor.get<QCheckBox>(u"Check1"_s)->click();
        QTRY_VERIFY(textOf(*view).contains(u"Den Strand sichern"_s));
        editor.click(u"Command3"_s); // Schließen
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!view);
    }

    // The overview's view shows the picture from the folder it was chosen in, and from the
    // mission folder once the picture lies there.
    void theOverviewEditorsView()
    {
        Program program;
        QVERIFY(QDir(program.folder.path()).mkpath(u"Bilder"_s));
        QVERIFY(QDir(program.folder.path()).mkpath(u"Mission"_s));
        const QString chosen = program.path(u"Bilder/bild.jpg"_s);
        QVERIFY(putFile(chosen, pictureBytes({128, 64}, "JPG")));
        const Window editor = program.open(app::Tool::OverviewEditor);
        editor.click(u"pageView"_s);
        const auto *view = editor.widget->findChild<PageView *>(u"pageViewOverview"_s);
        const auto *note = view->findChild<QLabel *>(u"pictureNote"_s);
        program.host.fileNames.enqueue(chosen);
        editor.click(u"Command1"_s);
        QTest::keyClicks(editor.get<QLineEdit>(u"Text1"_s), u"Landung"_s);
        QTRY_COMPARE(textOf(*view), u"Landung \uFFFC"_s);
        QVERIFY(note->isHidden());
        const auto *check = view->findChild<QListWidget *>(u"pageCheck"_s);
        QCOMPARE(check->count(), 1); // the line that says the check found nothing

        program.host.folderNames.enqueue(program.path(u"Mission"_s));
        editor.click(u"writeToMissionFolder"_s);
        QVERIFY(QFile::remove(chosen));
        editor.type(u"Text2"_s, u"Bei Morgengrauen."_s);
        QTRY_COMPARE(textOf(*view), u"Landung \uFFFC Bei Morgengrauen."_s);
        QVERIFY2(note->isHidden(), qPrintable(note->text()));
    }
};

QTEST_MAIN(PageViewTest)
#include "test_pageview.moc"
