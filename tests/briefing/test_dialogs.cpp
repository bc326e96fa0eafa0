#include "app/mainwindow.h"
#include "core/codepage.h"
#include "fullbriefing.h"
#include "support/fakehost.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

// The briefing editor (Form4) and the overview editor (Form5), opened through the main
// window's dialog table as a user would, with a scripted host.
class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void chains_data();
    void chains();
    void markerLink();
    void previewFollowsTheFieldLastTouched();
    void fullBriefingThroughTheFields();
    void save_data();
    void save();
    void transfer_data();
    void transfer();
    void choosePicture_data();
    void choosePicture();
    void pageViewReadsOnlyPictures();
    void pageViewBreaksLinesBetweenWordsOnly();
    void previewBreaksLongWordsAnywhere();

private:
    template <typename T> T *child(const QString &name)
    {
        auto *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *box(int n) { return child<QLineEdit>(u"Text%1"_s.arg(n)); }
    QCheckBox *check(int n) { return child<QCheckBox>(u"Check%1"_s.arg(n)); }
    QPushButton *button(int n) { return child<QPushButton>(u"Command%1"_s.arg(n)); }
    QString file(const QString &name) const { return QDir(m_folder->path()).filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<app::MainWindow> m_main;
    QPointer<QWidget> m_form;
};

namespace {

QColor grey()
{
    return QApplication::palette().color(QPalette::Button);
}
bool isOpen(const QLineEdit &box)
{
    return box.isEnabled() && !box.isReadOnly() &&
           box.palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Base);
}
bool isShut(const QLineEdit &box)
{
    return !box.isEnabled() && box.isReadOnly() && box.palette().color(QPalette::Base) == grey();
}
bool isLockedGrey(const QLineEdit &box)
{
    return box.isEnabled() && box.isReadOnly() && box.palette().color(QPalette::Base) == grey();
}

QString previewText(const QWidget *form, const QString &name)
{
    auto *box = form->findChild<QPlainTextEdit *>(name);
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, u"\r\n"_s);
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? core::fromCp1252(file.readAll()) : u"(none)"_s;
}

} // namespace

void DialogsTest::init()
{
    m_main.reset(); // closes the dialogs of the last test first
    m_folder = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>(m_folder->path());
    m_main = std::make_unique<app::MainWindow>(*m_host);
    m_form = m_main->openDialog(u"Form4"_s);
}

void DialogsTest::chains_data()
{
    // Each number clicks the check box of that entry of the chain (a disabled one ignores the
    // click). Afterwards entries 1..ticked are ticked and 1..enabled can be clicked.
    QTest::addColumn<bool>("endings");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<int>("enabled");

    for (bool endings : {false, true}) {
        const int last = endings ? 5 : 8;
        QList<int> all;
        for (int k = 1; k <= last; ++k)
            all << k;
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable((endings ? u"endings: "_s : u"objectives: "_s) +
                                            QLatin1String(name)))
                   << endings;
        };
        row("as opened") << QList<int>{} << 0 << 1;
        row("a disabled box cannot be ticked") << QList<int>{2} << 0 << 1;
        row("tick three, untick the first") << QList<int>{1, 2, 3, 1} << 0 << 1;
        row("untick the second, the first stays") << QList<int>{1, 2, 3, 2} << 1 << 2;
        row("tick the first again") << QList<int>{1, 2, 3, 1, 1} << 1 << 2;
        row("all ticked") << all << last << last;
        row("all ticked, untick the last") << (all + QList<int>{last}) << last - 1 << last;
    }
}

void DialogsTest::chains()
{
    QFETCH(bool, endings);
    QFETCH(QList<int>, clicks);
    QFETCH(int, ticked);
    QFETCH(int, enabled);

    const int count = endings ? 5 : 8;
    const int firstCheck = endings ? 9 : 1;
    auto boxesOf = [&](int k) {
        return endings ? QList<QLineEdit *>{box(10 + 2 * k), box(11 + 2 * k)}
                       : QList<QLineEdit *>{box(3 + k)};
    };
    QStringList texts;
    for (int k = 1; k <= count; ++k) {
        for (QLineEdit *b : boxesOf(k))
            texts << b->text(); // "Titel", "Text" or empty as opened
    }

    for (int k : clicks)
        check(firstCheck + k - 1)->click();

    QStringList textsAfter;
    for (int k = 1; k <= count; ++k) {
        QCheckBox *c = check(firstCheck + k - 1);
        QVERIFY2(c->isChecked() == (k <= ticked), qPrintable(c->objectName()));
        QVERIFY2(c->isEnabled() == (k <= enabled), qPrintable(c->objectName()));
        for (QLineEdit *b : boxesOf(k)) {
            QVERIFY2(k <= ticked ? isOpen(*b) : isShut(*b), qPrintable(b->objectName()));
            textsAfter << b->text();
        }
    }
    QCOMPARE(textsAfter, texts);
    QVERIFY(check(endings ? 1 : 9)->isEnabled() && !check(endings ? 2 : 10)->isEnabled());
}

void DialogsTest::markerLink()
{
    QVERIFY(isLockedGrey(*box(22)) && isLockedGrey(*box(23)) && !button(4)->isEnabled());
    const QString link = u"<a href=\"Marker:Name des Markers\">Text für den Markerlink</a>"_s;
    box(1)->setText(u"Plan: "_s);
    check(14)->click();
    QVERIFY(isOpen(*box(22)) && isOpen(*box(23)) && button(4)->isEnabled());

    button(4)->click();
    button(4)->click();
    QCOMPARE(box(1)->text(), u"Plan: "_s + link + link);
    QCOMPARE(previewText(m_form, u"Text3"_s), box(1)->text());

    box(22)->setText(u"M1"_s); // the marker fields have no preview of their own
    box(23)->setText(u"hier"_s);
    QCOMPARE(previewText(m_form, u"Text3"_s), box(1)->text());

    check(14)->click();
    QVERIFY(isLockedGrey(*box(22)) && isLockedGrey(*box(23)) && !button(4)->isEnabled());
    QCOMPARE(box(22)->text(), u"Name des Markers"_s);
    QCOMPARE(box(23)->text(), u"Text für den Markerlink"_s);
    button(3)->click(); // "Schließen" hands nothing over
    QVERIFY(!m_form->isVisible() && m_main->text().isEmpty() && m_host->messages.isEmpty());
}

void DialogsTest::previewFollowsTheFieldLastTouched()
{
    check(9)->click();
    QVERIFY(previewText(m_form, u"Text3"_s).isEmpty()); // opening a box shows nothing yet
    box(2)->setText(u"Notiz <b>"_s);
    QCOMPARE(previewText(m_form, u"Text3"_s), u"Notiz <b>"_s);
    QTest::mouseClick(box(13), Qt::LeftButton);
    QCOMPARE(previewText(m_form, u"Text3"_s), u"Text"_s);
    QTest::mouseClick(box(22), Qt::LeftButton);
    QCOMPARE(previewText(m_form, u"Text3"_s), u"Text"_s);

    // After a save emptied the preview, a click into the field that has the focus counts.
    button(1)->click();
    box(2)->setFocus();
    QTest::mouseClick(box(2), Qt::LeftButton);
    QCOMPARE(previewText(m_form, u"Text3"_s), u"Notiz <b>"_s);

    const QString longText(40000, u'x'); // beyond the toolkit's default length limit
    box(2)->setText(longText);
    QCOMPARE(previewText(m_form, u"Text3"_s), longText);
}

void DialogsTest::fullBriefingThroughTheFields()
{
    box(2)->setText(kFullNotes);
    box(1)->setText(kFullPlanStart);
    check(14)->click();
    button(4)->click();
    box(1)->setText(box(1)->text() + u" dann "_s);
    box(22)->setText(kSecondMarker);
    box(23)->setText(kSecondMarkerText);
    button(4)->click();
    for (int k = 1; k <= 8; ++k) {
        check(k)->click();
        box(3 + k)->setText(kFullObjectives.at(k - 1));
    }
    for (int k = 1; k <= 5; ++k) {
        check(8 + k)->click();
        if (k != 2) { // left at its defaults
            box(10 + 2 * k)->setText(kFullEndings.at(k - 1).title);
            box(11 + 2 * k)->setText(kFullEndings.at(k - 1).text);
        }
    }
    button(2)->click();
    QCOMPARE(m_main->text(), golden(u"briefing_full.html"_s));
}

void DialogsTest::save_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("previewBox");
    QTest::addColumn<int>("saveButton");
    QTest::newRow("briefing") << u"Form4"_s << u"Briefing.html"_s << u"Text3"_s << 1;
    QTest::newRow("overview") << u"Form5"_s << u"Overview.html"_s << u"Text4"_s << 2;
}

void DialogsTest::save()
{
    QFETCH(QString, form);
    QFETCH(QString, fileName);
    QFETCH(QString, previewBox);
    QFETCH(int, saveButton);
    m_form = m_main->openDialog(form);
    const QString page = golden(fileName == u"Briefing.html"_s ? u"briefing_empty.html"_s
                                                               : u"overview_empty.html"_s);

    // A folder in the way: the page stays in the preview box for the user to copy.
    QVERIFY(QDir(m_folder->path()).mkdir(fileName));
    button(saveButton)->click();
    QCOMPARE(m_host->lastMessage().title, u"Fehler"_s);
    QCOMPARE(m_host->lastMessage().text, u"HTML Datei konnte nicht ertsellt werden"_s);
    QCOMPARE(m_host->lastMessage().icon, ui::Icon::Critical);
    QCOMPARE(previewText(m_form, previewBox), page);
    QVERIFY(QDir(m_folder->path()).rmdir(fileName));

    for (int round = 0; round < 2; ++round) { // the second save replaces the first
        button(saveButton)->click();
        QCOMPARE(m_host->lastMessage().title, u"Info"_s);
        QCOMPARE(m_host->lastMessage().text,
                 u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(file(fileName)));
        QCOMPARE(m_host->lastMessage().icon, ui::Icon::Information);
        QCOMPARE(readFile(file(fileName)), page + u"\r\n"_s);
        QVERIFY(previewText(m_form, previewBox).isEmpty());
    }
    QVERIFY(m_form->isVisible() && m_main->text().isEmpty());
}

void DialogsTest::transfer_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<ui::Answer>("answer");
    QTest::addColumn<bool>("transferred");
    for (const auto &[form, pressed] : {std::pair{u"Form4"_s, 2}, std::pair{u"Form5"_s, 3}}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(form + u": "_s + QLatin1String(name)))
                   << form << pressed;
        };
        row("empty main text, no question") << QString() << ui::Answer::Ok << true;
        row("filled main text, OK") << u"alt\r\n"_s << ui::Answer::Ok << true;
        row("filled main text, Cancel") << u"alt\r\n"_s << ui::Answer::Cancel << false;
    }
}

void DialogsTest::transfer()
{
    QFETCH(QString, form);
    QFETCH(int, pressed);
    QFETCH(QString, mainText);
    QFETCH(ui::Answer, answer);
    QFETCH(bool, transferred);
    m_main->replace(mainText);
    m_form = m_main->openDialog(form);
    m_host->answers.enqueue(answer);
    button(pressed)->click();

    const bool asked = !mainText.isEmpty();
    QCOMPARE(m_host->messages.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(m_host->lastMessage().title, u"Hinweis"_s);
        QCOMPARE(m_host->lastMessage().text,
                 u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s);
        QCOMPARE(m_host->lastMessage().buttons, ui::Buttons::OkCancel);
        QCOMPARE(m_host->lastMessage().icon, ui::Icon::None);
    }
    const QString page =
        golden(form == u"Form4"_s ? u"briefing_empty.html"_s : u"overview_empty.html"_s);
    QCOMPARE(m_main->text(), transferred ? page : mainText);
    QCOMPARE(m_form->isVisible(), !transferred);
}

void DialogsTest::choosePicture_data()
{
    QTest::addColumn<QStringList>("chosen"); // one path per click, empty = cancelled
    QTest::addColumn<QString>("picture");
    QTest::newRow("windows folder") << QStringList{u"D:\\Missionen\\bild.jpg"_s} << u"bild.jpg"_s;
    QTest::newRow("spaces") << QStringList{u"/home/a/Meine Bilder/mein bild.jpg"_s}
                            << u"mein bild.jpg"_s;
    QTest::newRow("not a jpeg") << QStringList{u"/tmp/karte.png"_s} << u"karte.png"_s;
    QTest::newRow("cancelled") << QStringList{QString()} << QString();
    QTest::newRow("cancelled after a choice") << QStringList{u"/a.jpg"_s, QString()} << u"a.jpg"_s;
}

void DialogsTest::choosePicture()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, picture);
    m_form = m_main->openDialog(u"Form5"_s);
    QVERIFY(child<QLabel>(u"Label4"_s)->text().isEmpty());
    box(1)->setText(u"Titel der Mission"_s);

    for (const QString &path : chosen) {
        m_host->fileNames.enqueue(path);
        button(1)->click();
    }
    QCOMPARE(m_host->fileDialogFilters, QStringList(chosen.size(), u"JPEG Bild (*.jpg)|*jpg"_s));
    QCOMPARE(box(3)->text(), picture);
    QCOMPARE(child<QLabel>(u"Label4"_s)->text(),
             u"Das Bild muss im selben Ordner sein, wo auch die Overview Datei ist !"_s);
    QCOMPARE(previewText(m_form, u"Text4"_s), u"Titel der Mission"_s);
    button(2)->click();
    QVERIFY(readFile(file(u"Overview.html"_s))
                .contains(u"<img src=\""_s + picture + u"\" width=\"128\" height=\"64\">"_s));
    button(4)->click(); // "Schließen"
    QVERIFY(!m_form->isVisible() && m_main->text().isEmpty());
}

void DialogsTest::pageViewReadsOnlyPictures()
{
    // A picture beside the page is shown; a device or a missing file is left out unread.
    m_form = m_main->openDialog(u"Form5"_s);
    auto *view = child<QTextBrowser>(u"PageView"_s);
    QImage picture(128, 64, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(file(u"bild.jpg"_s)));
    for (const QString &name : {u"bild.jpg"_s, u"/dev/zero"_s, u"fehlt.jpg"_s, QString()}) {
        box(3)->setText(name);
        const QVariant loaded = view->loadResource(QTextDocument::ImageResource, QUrl(name));
        QCOMPARE(loaded.value<QImage>().isNull(), name != u"bild.jpg"_s);
    }
}

void DialogsTest::pageViewBreaksLinesBetweenWordsOnly()
{
    // A sentence wraps; a long unbroken word stays whole and runs past the right edge.
    auto *view = child<QTextBrowser>(u"PageView"_s);
    view->resize(300, 200);
    const auto layoutSize = [view] {
        return view->document()->documentLayout()->documentSize();
    };
    box(1)->setText(u"Ein Satz aus vielen kurzen Worten "_s.repeated(20));
    const QSizeF sentence = layoutSize();
    QVERIFY(sentence.width() <= view->viewport()->width());
    box(1)->setText(QString(5000, u'W'));
    QVERIFY(layoutSize().width() > 10 * view->viewport()->width());
    QVERIFY(layoutSize().height() < sentence.height());
}

void DialogsTest::previewBreaksLongWordsAnywhere()
{
    // Looking for a blank inside a word of 100 000 letters took seconds at every keystroke.
    // The word here is shorter, to keep the test quick.
    auto *preview = child<QPlainTextEdit>(u"Text3"_s);
    const QString sentence = u"Ein Satz aus vielen kurzen Worten "_s.repeated(100);
    const QString longWord = QString(20'000, u'W');
    box(1)->setText(longWord);
    QCOMPARE(preview->wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(previewText(m_form, u"Text3"_s), longWord);
    box(1)->setText(sentence);
    QCOMPARE(preview->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
