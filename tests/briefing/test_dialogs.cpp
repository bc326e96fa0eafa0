#include "app/mainwindow.h"
#include "core/codepage.h"
#include "fullbriefing.h"
#include "support/fakehost.h"

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
    void cleanup();

    void briefingStartsShut();
    void chains_data();
    void chains();
    void markerLink();
    void previewFollowsTheFieldLastTouched();
    void fullBriefingThroughTheFields();
    void save_data();
    void save();
    void transfer_data();
    void transfer();
    void closeButtons_data();
    void closeButtons();
    void choosePicture_data();
    void choosePicture();
    void pageViewShowsThePage();

private:
    QWidget *open(const QString &form) { return m_main->openDialog(form); }
    template <typename T> T *child(QWidget *dialog, const QString &name)
    {
        auto *found = dialog->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *box(QWidget *dialog, int n)
    {
        return child<QLineEdit>(dialog, u"Text"_s + QString::number(n));
    }
    QCheckBox *check(QWidget *dialog, int n)
    {
        return child<QCheckBox>(dialog, u"Check"_s + QString::number(n));
    }
    QPushButton *button(QWidget *dialog, int n)
    {
        return child<QPushButton>(dialog, u"Command"_s + QString::number(n));
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<app::MainWindow> m_main;
};

namespace {

const QColor grey()
{
    return QApplication::palette().color(QPalette::Button);
}
const QColor white()
{
    return QApplication::palette().color(QPalette::Base);
}

bool isOpen(const QLineEdit &box)
{
    return box.isEnabled() && !box.isReadOnly() && box.palette().color(QPalette::Base) == white();
}
bool isShut(const QLineEdit &box)
{
    return !box.isEnabled() && box.isReadOnly() && box.palette().color(QPalette::Base) == grey();
}

// The preview box's text with its line breaks as CR LF.
QString previewText(const QPlainTextEdit &box)
{
    return box.document()->toRawText().replace(QChar::ParagraphSeparator, u"\r\n"_s);
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"(unreadable)"_s;
    return core::fromCp1252(file.readAll());
}

} // namespace

void DialogsTest::init()
{
    QVERIFY(grey() != white());
    m_folder = std::make_unique<QTemporaryDir>();
    m_host = std::make_unique<FakeHost>(m_folder->path());
    m_main = std::make_unique<app::MainWindow>(*m_host);
}

void DialogsTest::cleanup()
{
    m_main.reset();
    m_host.reset();
    m_folder.reset();
}

void DialogsTest::briefingStartsShut()
{
    QWidget *form = open(u"Form4"_s);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), u"Briefing Editor"_s);
    for (int k = 1; k <= 14; ++k) {
        QVERIFY(!check(form, k)->isChecked());
        QCOMPARE(check(form, k)->isEnabled(), k == 1 || k == 9 || k == 14);
    }
    for (int n = 4; n <= 21; ++n)
        QVERIFY2(isShut(*box(form, n)), qPrintable(QString::number(n)));
    QCOMPARE(box(form, 12)->text(), u"Titel"_s);
    QCOMPARE(box(form, 21)->text(), u"Text"_s);
    for (int n : {1, 2})
        QVERIFY(isOpen(*box(form, n)) && box(form, n)->text().isEmpty());
    for (int n : {22, 23}) {
        QVERIFY(box(form, n)->isEnabled() && box(form, n)->isReadOnly());
        QCOMPARE(box(form, n)->palette().color(QPalette::Base), grey());
    }
    QVERIFY(!button(form, 4)->isEnabled());
    auto *preview = child<QPlainTextEdit>(form, u"Text3"_s);
    QVERIFY(preview->isReadOnly() && preview->toPlainText().isEmpty());
}

void DialogsTest::chains_data()
{
    // Clicks: k ticks or unticks entry k of the chain by a click on its check box (which does
    // nothing on a disabled one). Then: the entries 1..ticked are ticked, 1..enabled clickable.
    QTest::addColumn<bool>("endings");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<int>("enabled");

    for (bool endings : {false, true}) {
        const int last = endings ? 5 : 8;
        const char *chain = endings ? "endings: " : "objectives: ";
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(QString::fromLatin1(chain) + QLatin1String(name)))
                   << endings;
        };
        row("tick three, untick the first") << QList<int>{1, 2, 3, 1} << 0 << 1;
        row("untick the second, the first stays") << QList<int>{1, 2, 3, 2} << 1 << 2;
        row("tick the first again") << QList<int>{1, 2, 3, 1, 1} << 1 << 2;
        row("a disabled box cannot be ticked") << QList<int>{2} << 0 << 1;
        QList<int> all;
        for (int k = 1; k <= last; ++k)
            all << k;
        row("all ticked") << all << last << last;
        row("untick the last") << (all + QList<int>{last}) << last - 1 << last;
        row("untick the first of all") << (all + QList<int>{1}) << 0 << 1;
    }
}

void DialogsTest::chains()
{
    QFETCH(bool, endings);
    QFETCH(QList<int>, clicks);
    QFETCH(int, ticked);
    QFETCH(int, enabled);

    QWidget *form = open(u"Form4"_s);
    const int count = endings ? 5 : 8;
    const int firstCheck = endings ? 9 : 1;
    auto entryBoxes = [&](int k) {
        return endings ? QList<QLineEdit *>{box(form, 10 + 2 * k), box(form, 11 + 2 * k)}
                       : QList<QLineEdit *>{box(form, 3 + k)};
    };
    for (int k = 1; k <= count; ++k) {
        for (QLineEdit *b : entryBoxes(k))
            b->setText(b->objectName() + u" bleibt"_s);
    }

    for (int k : clicks)
        check(form, firstCheck + k - 1)->click();

    for (int k = 1; k <= count; ++k) {
        const QString entry = QString::number(k);
        QCheckBox *c = check(form, firstCheck + k - 1);
        QVERIFY2(c->isChecked() == (k <= ticked), qPrintable(entry));
        QVERIFY2(c->isEnabled() == (k <= enabled), qPrintable(entry));
        for (QLineEdit *b : entryBoxes(k)) {
            QVERIFY2(k <= ticked ? isOpen(*b) : isShut(*b), qPrintable(b->objectName()));
            QCOMPARE(b->text(), b->objectName() + u" bleibt"_s);
        }
    }
    // The other chain is untouched.
    QCOMPARE(check(form, endings ? 1 : 9)->isEnabled(), true);
    QCOMPARE(check(form, endings ? 2 : 10)->isEnabled(), false);
}

void DialogsTest::markerLink()
{
    QWidget *form = open(u"Form4"_s);
    auto *preview = child<QPlainTextEdit>(form, u"Text3"_s);
    const QString link = u"<a href=\"Marker:Name des Markers\">Text für den Markerlink</a>"_s;

    box(form, 1)->setText(u"Plan: "_s);
    check(form, 14)->click();
    for (int n : {22, 23})
        QVERIFY(isOpen(*box(form, n)));
    QVERIFY(button(form, 4)->isEnabled());

    button(form, 4)->click();
    button(form, 4)->click();
    QCOMPARE(box(form, 1)->text(), u"Plan: "_s + link + link);
    QCOMPARE(previewText(*preview), box(form, 1)->text());

    // The marker fields have no preview of their own.
    box(form, 22)->setText(u"M1"_s);
    box(form, 23)->setText(u"hier"_s);
    QCOMPARE(previewText(*preview), box(form, 1)->text());
    button(form, 4)->click();
    QVERIFY(box(form, 1)->text().endsWith(u"<a href=\"Marker:M1\">hier</a>"_s));

    check(form, 14)->click();
    QVERIFY(!button(form, 4)->isEnabled());
    QCOMPARE(box(form, 22)->text(), u"Name des Markers"_s);
    QCOMPARE(box(form, 23)->text(), u"Text für den Markerlink"_s);
    for (int n : {22, 23}) {
        QVERIFY(box(form, n)->isReadOnly() && box(form, n)->isEnabled());
        QCOMPARE(box(form, n)->palette().color(QPalette::Base), grey());
    }
}

void DialogsTest::previewFollowsTheFieldLastTouched()
{
    QWidget *form = open(u"Form4"_s);
    auto *preview = child<QPlainTextEdit>(form, u"Text3"_s);
    check(form, 9)->click();
    QVERIFY(previewText(*preview).isEmpty()); // opening a box shows nothing yet

    box(form, 2)->setText(u"Notiz <b>"_s);
    QCOMPARE(previewText(*preview), u"Notiz <b>"_s);
    QTest::mouseClick(box(form, 13), Qt::LeftButton);
    QCOMPARE(previewText(*preview), u"Text"_s);
    QTest::mouseClick(box(form, 22), Qt::LeftButton);
    QCOMPARE(previewText(*preview), u"Text"_s);

    // Clicking again into the field that has the focus shows it again after a save.
    button(form, 1)->click();
    QVERIFY(previewText(*preview).isEmpty());
    box(form, 2)->setFocus();
    QTest::mouseClick(box(form, 2), Qt::LeftButton);
    QCOMPARE(previewText(*preview), u"Notiz <b>"_s);

    QWidget *overview = open(u"Form5"_s);
    auto *overviewPreview = child<QPlainTextEdit>(overview, u"Text4"_s);
    box(overview, 2)->setText(u"Übersicht"_s);
    box(overview, 3)->setText(u"karte.jpg"_s);
    QCOMPARE(previewText(*overviewPreview), u"Übersicht"_s);
}

void DialogsTest::fullBriefingThroughTheFields()
{
    QWidget *form = open(u"Form4"_s);
    box(form, 2)->setText(kFullNotes);
    box(form, 1)->setText(kFullPlanStart);
    check(form, 14)->click();
    button(form, 4)->click();
    box(form, 1)->setText(box(form, 1)->text() + u" dann "_s);
    box(form, 22)->setText(kSecondMarker);
    box(form, 23)->setText(kSecondMarkerText);
    button(form, 4)->click();
    for (int k = 1; k <= 8; ++k) {
        check(form, k)->click();
        box(form, 3 + k)->setText(kFullObjectives.at(k - 1));
    }
    for (int k = 1; k <= 5; ++k) {
        check(form, 8 + k)->click();
        if (k == 2)
            continue; // left at its defaults
        box(form, 10 + 2 * k)->setText(kFullEndings.at(k - 1).title);
        box(form, 11 + 2 * k)->setText(kFullEndings.at(k - 1).text);
    }
    button(form, 2)->click();
    QCOMPARE(m_main->text(), golden(u"briefing_full.html"_s));
}

void DialogsTest::save_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("previewBox");
    QTest::addColumn<QString>("saveButton");
    QTest::addColumn<QString>("goldenFile");

    QTest::newRow("briefing") << u"Form4"_s << u"Briefing.html"_s << u"Text3"_s << u"Command1"_s
                              << u"briefing_empty.html"_s;
    QTest::newRow("overview") << u"Form5"_s << u"Overview.html"_s << u"Text4"_s << u"Command2"_s
                              << u"overview_empty.html"_s;
}

void DialogsTest::save()
{
    QFETCH(QString, form);
    QFETCH(QString, fileName);
    QFETCH(QString, previewBox);
    QFETCH(QString, saveButton);
    QFETCH(QString, goldenFile);

    QWidget *dialog = open(form);
    auto *preview = child<QPlainTextEdit>(dialog, previewBox);
    QPushButton *saveIt = child<QPushButton>(dialog, saveButton);
    const QString page = golden(goldenFile);
    const QString path = QDir(m_folder->path()).filePath(fileName);

    // A folder in the way: the page stays in the preview box for the user to copy.
    QVERIFY(QDir(m_folder->path()).mkdir(fileName));
    saveIt->click();
    QCOMPARE(m_host->lastMessage().title, u"Fehler"_s);
    QCOMPARE(m_host->lastMessage().text, u"HTML Datei konnte nicht ertsellt werden"_s);
    QCOMPARE(m_host->lastMessage().icon, ui::Icon::Critical);
    QCOMPARE(previewText(*preview), page);
    QVERIFY(dialog->isVisible());
    QVERIFY(QDir(m_folder->path()).rmdir(fileName));

    // Saved twice: the second save replaces the first, and the preview box is emptied.
    for (int round = 0; round < 2; ++round) {
        saveIt->click();
        QCOMPARE(m_host->lastMessage().title, u"Info"_s);
        QCOMPARE(m_host->lastMessage().text,
                 u"Erfolgreich gespeichert\r\n"_s + QDir::toNativeSeparators(path));
        QCOMPARE(m_host->lastMessage().icon, ui::Icon::Information);
        QCOMPARE(readFile(path), page + u"\r\n"_s);
        QVERIFY(previewText(*preview).isEmpty());
    }
    QVERIFY(dialog->isVisible());
    QVERIFY(m_main->text().isEmpty());
}

void DialogsTest::transfer_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("transferButton");
    QTest::addColumn<QString>("goldenFile");
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<ui::Answer>("answer");
    QTest::addColumn<bool>("transferred");

    const QString filled = u"hint \"Alt\"\r\n"_s;
    for (const auto &[form, button, goldenFile] :
         {std::tuple{u"Form4"_s, u"Command2"_s, u"briefing_empty.html"_s},
          std::tuple{u"Form5"_s, u"Command3"_s, u"overview_empty.html"_s}}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(form + u": "_s + QLatin1String(name)))
                   << form << button << goldenFile;
        };
        row("empty main text, no question") << QString() << ui::Answer::Ok << true;
        row("filled main text, OK") << filled << ui::Answer::Ok << true;
        row("filled main text, Cancel") << filled << ui::Answer::Cancel << false;
    }
}

void DialogsTest::transfer()
{
    QFETCH(QString, form);
    QFETCH(QString, transferButton);
    QFETCH(QString, goldenFile);
    QFETCH(QString, mainText);
    QFETCH(ui::Answer, answer);
    QFETCH(bool, transferred);

    m_main->replace(mainText);
    QPointer<QWidget> dialog = open(form);
    box(dialog, 2)->setText(u"bleibt"_s);
    box(dialog, 2)->clear(); // the golden page is the empty one
    box(dialog, 1)->setText(u"x"_s);
    box(dialog, 1)->clear();
    m_host->answers.enqueue(answer);
    child<QPushButton>(dialog, transferButton)->click();

    if (mainText.isEmpty()) {
        QVERIFY(m_host->messages.isEmpty());
    } else {
        QCOMPARE(m_host->messages.size(), 1);
        QCOMPARE(m_host->lastMessage().title, u"Hinweis"_s);
        QCOMPARE(m_host->lastMessage().text,
                 u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s);
        QCOMPARE(m_host->lastMessage().buttons, ui::Buttons::OkCancel);
        QCOMPARE(m_host->lastMessage().icon, ui::Icon::None);
    }
    QCOMPARE(m_main->text(), transferred ? golden(goldenFile) : mainText);
    QVERIFY(dialog);
    QCOMPARE(dialog->isVisible(), !transferred);
}

void DialogsTest::closeButtons_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("closeButton");
    QTest::newRow("briefing") << u"Form4"_s << 3;
    QTest::newRow("overview") << u"Form5"_s << 4;
}

void DialogsTest::closeButtons()
{
    QFETCH(QString, form);
    QFETCH(int, closeButton);
    m_main->replace(u"bleibt"_s);
    QWidget *dialog = open(form);
    box(dialog, 1)->setText(u"weg"_s);
    QCOMPARE(button(dialog, closeButton)->text(), u"Schließen"_s);
    button(dialog, closeButton)->click();
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_host->messages.isEmpty());
    QCOMPARE(m_main->text(), u"bleibt"_s);
    QVERIFY(QDir(m_folder->path()).isEmpty());
}

void DialogsTest::choosePicture_data()
{
    QTest::addColumn<QStringList>("chosen"); // one path per click, empty = cancelled
    QTest::addColumn<QString>("picture");

    QTest::newRow("windows folder") << QStringList{u"D:\\Missionen\\bild.jpg"_s} << u"bild.jpg"_s;
    QTest::newRow("folder with spaces")
        << QStringList{u"/home/anna/Meine Bilder/mein bild.jpg"_s} << u"mein bild.jpg"_s;
    QTest::newRow("not a jpeg") << QStringList{u"/tmp/karte.png"_s} << u"karte.png"_s;
    QTest::newRow("cancelled at once") << QStringList{QString()} << QString();
    QTest::newRow("cancelled after a choice")
        << QStringList{u"/tmp/a.jpg"_s, QString()} << u"a.jpg"_s;
}

void DialogsTest::choosePicture()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, picture);

    QWidget *form = open(u"Form5"_s);
    QCOMPARE(form->windowTitle(), u"Overview Editor"_s);
    auto *warning = child<QLabel>(form, u"Label4"_s);
    auto *preview = child<QPlainTextEdit>(form, u"Text4"_s);
    QVERIFY(warning->text().isEmpty());
    box(form, 1)->setText(u"Titel der Mission"_s);

    for (const QString &path : chosen) {
        m_host->fileNames.enqueue(path);
        button(form, 1)->click();
    }
    QCOMPARE(m_host->fileDialogFilters, QStringList(chosen.size(), u"JPEG Bild (*.jpg)|*jpg"_s));
    QCOMPARE(box(form, 3)->text(), picture);
    QCOMPARE(warning->text(),
             u"Das Bild muss im selben Ordner sein, wo auch die Overview Datei ist !"_s);
    QCOMPARE(previewText(*preview), u"Titel der Mission"_s);

    button(form, 2)->click();
    const QString page = readFile(QDir(m_folder->path()).filePath(u"Overview.html"_s));
    QVERIFY(page.contains(u"<img src=\""_s + picture + u"\" width=\"128\" height=\"64\">"_s));
}

void DialogsTest::pageViewShowsThePage()
{
    QWidget *form = open(u"Form4"_s);
    auto *view = child<QTextBrowser>(form, u"PageView"_s);
    check(form, 1)->click();
    box(form, 4)->setText(u"Brücke & Fluss"_s);
    QVERIFY(view->toPlainText().contains(u"Brücke & Fluss"_s));
    check(form, 1)->click();
    QVERIFY(!view->toPlainText().contains(u"Brücke & Fluss"_s));
    QVERIFY(previewText(*child<QPlainTextEdit>(form, u"Text3"_s)) == u"Brücke & Fluss"_s);

    // A picture beside the page is shown; a device or a missing file is quietly left out.
    QWidget *overview = open(u"Form5"_s);
    auto *overviewView = child<QTextBrowser>(overview, u"PageView"_s);
    QImage picture(128, 64, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(QDir(m_folder->path()).filePath(u"bild.jpg"_s)));
    for (const QString &name : {u"bild.jpg"_s, u"/dev/zero"_s, u"fehlt.jpg"_s, QString()}) {
        box(overview, 3)->setText(name);
        const QVariant loaded =
            overviewView->loadResource(QTextDocument::ImageResource, QUrl(name));
        QCOMPARE(loaded.value<QImage>().isNull(), name != u"bild.jpg"_s);
    }
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
