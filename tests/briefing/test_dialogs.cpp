#include "app/mainwindow.h"
#include "core/version.h"
#include "support/fakehost.h"
#include "support/golden.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// "open" (editable on white), "shut" (disabled, read-only, grey) or "locked" (read-only grey).
QString look(const QLineEdit &box)
{
    const QColor base = box.palette().color(QPalette::Base);
    if (box.isReadOnly() && base == QApplication::palette().color(QPalette::Button))
        return box.isEnabled() ? u"locked"_s : u"shut"_s;
    const bool white = base == QApplication::palette().color(QPalette::Base);
    return box.isEnabled() && !box.isReadOnly() && white ? u"open"_s : u"odd"_s;
}

} // namespace

// The briefing editor (Form4) and the overview editor (Form5), opened through the main
// window's dialog table as a user would, with a scripted host.
class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_main.reset(); // closes the dialogs of the last test first
        m_folder = std::make_unique<QTemporaryDir>();
        m_host = std::make_unique<FakeHost>(m_folder->path());
        m_main = std::make_unique<app::MainWindow>(*m_host);
        m_form = m_main->openDialog(app::Tool::BriefingEditor);
    }

    void chains_data()
    {
        // Each number clicks the check box of that entry of the chain (a disabled one ignores
        // the click). The state shows each entry: x ticked and open, o tickable, - disabled.
        QTest::addColumn<bool>("endings");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("state");
        for (bool endings : {false, true}) {
            const int count = endings ? 5 : 8;
            const auto row = [&](const char *name, const QList<int> &clicks, const QString &state) {
                QTest::addRow("%s: %s", endings ? "endings" : "objectives", name)
                    << endings << clicks << state.left(count);
            };
            row("tick three, untick the first", {1, 2, 3, 1}, u"o-------"_s);
            row("untick the second, the first stays", {1, 2, 3, 2}, u"xo------"_s);
            row("tick the first again", {1, 2, 3, 1, 1}, u"xo------"_s);
            row("all ticked", QList{1, 2, 3, 4, 5, 6, 7, 8}.first(count), u"xxxxxxxx"_s);
        }
    }

    void chains()
    {
        QFETCH(bool, endings);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, state);
        const int firstCheck = endings ? 9 : 1;
        for (int k : clicks)
            check(firstCheck + k - 1)->click();

        QString stateAfter;
        QString texts;
        for (int k = 1; k <= state.size(); ++k) {
            const QCheckBox *c = check(firstCheck + k - 1);
            stateAfter += c->isChecked() ? u'x' : c->isEnabled() ? u'o' : u'-';
            for (const QLineEdit *b :
                 endings ? QList{box(10 + 2 * k), box(11 + 2 * k)} : QList{box(3 + k)}) {
                QCOMPARE(look(*b), c->isChecked() ? u"open"_s : u"shut"_s);
                texts += b->text() + u'|';
            }
        }
        QCOMPARE(stateAfter, state);
        QCOMPARE(texts, endings ? u"Titel|Text|"_s.repeated(5) : u"|"_s.repeated(8)); // kept
        QVERIFY(check(endings ? 1 : 9)->isEnabled() &&
                !check(endings ? 2 : 10)->isEnabled()); // other chain
    }

    void markerLinkAndPreview()
    {
        const auto marker = [&] {
            return look(*box(22)) + u' ' + look(*box(23)) +
                   (button(4)->isEnabled() ? u" +"_s : u" -"_s);
        };
        QCOMPARE(marker(), u"locked locked -"_s);
        check(14)->click();
        QCOMPARE(marker(), u"open open +"_s);
        box(22)->setText(u"M1"_s);
        box(23)->setText(u"hier"_s);
        check(14)->click(); // brings the hints back
        QCOMPARE(marker(), u"locked locked -"_s);
        QCOMPARE(box(22)->text() + u'|' + box(23)->text(),
                 u"Name des Markers|Text für den Markerlink"_s);

        check(9)->click();
        QVERIFY(preview().isEmpty()); // neither the marker fields nor opening a box show
        box(2)->setText(u"Notiz <b>"_s);
        QCOMPARE(preview(), u"Notiz <b>"_s);
        QTest::mouseClick(box(13), Qt::LeftButton);
        QCOMPARE(preview(), u"Text"_s);
        // After a save emptied the preview, a click into the field that has the focus counts.
        action(1)->click();
        box(2)->setFocus();
        QTest::mouseClick(box(2), Qt::LeftButton);
        QCOMPARE(preview(), u"Notiz <b>"_s);
        QFocusEvent tabbedInto(QEvent::FocusIn, Qt::TabFocusReason); // the keyboard is no click
        QCoreApplication::sendEvent(box(1), &tabbedInto);
        QCOMPARE(preview(), u"Notiz <b>"_s);
        // Beyond the toolkit's default length limit, and one word: breaking it only between
        // words took seconds at every keystroke, so such a text breaks anywhere.
        const QString longText(40000, u'x');
        box(2)->setText(longText);
        QCOMPARE(preview(), longText);
        auto *previewBox = child<QPlainTextEdit>(u"Text3"_s);
        QCOMPARE(previewBox->wordWrapMode(), QTextOption::WrapAnywhere);
        box(2)->setText(u"kurze Worte "_s.repeated(100));
        QCOMPARE(previewBox->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        action(3)->click(); // "Schließen" hands nothing over
        QVERIFY(!m_form->isVisible() && m_main->text().isEmpty());
    }

    void fullPages_data() { forms(); }

    void fullPages()
    {
        QFETCH(app::Tool, tool);
        QFETCH(QString, page);
        // Not the usual version: the pages must read it from where the main window keeps it.
        core::setProgramVersion(u"7.3"_s);
        m_form = m_main->openDialog(tool);
        m_host->fileNames.enqueue(u"/home/a/Meine Bilder/mein bild.jpg"_s);
        // A step is a control name alone (click it), Name "text" (replace its text) or
        // Name +"text" (append to it). HTML, quotes and ampersands must go in unchanged.
        for (const QString &line :
             golden(page + u"_full.steps"_s).split(u'\n', Qt::SkipEmptyParts)) {
            const QString control = line.section(u' ', 0, 0), value = line.section(u' ', 1);
            if (value.isEmpty())
                child<QAbstractButton>(control)->click();
            else if (auto *field = child<QLineEdit>(control); value.startsWith(u'+'))
                field->setText(field->text() + value.mid(2).chopped(1));
            else
                field->setText(value.mid(1).chopped(1));
        }
        action(2)->click(); // no question with an empty main text
        QVERIFY(m_host->messages.isEmpty() && !m_form->isVisible());
        QCOMPARE(m_main->text(), golden(page + u"_full.html"_s));
    }

    void saveAndTransfer_data() { forms(); }

    void saveAndTransfer()
    {
        QFETCH(app::Tool, tool);
        QFETCH(QString, page);
        m_form = m_main->openDialog(tool);
        const QString empty = golden(page + u"_empty.html"_s);
        const QString path =
            m_folder->filePath(overview() ? u"Overview.html"_s : u"Briefing.html"_s);

        // A folder in the way: the page stays in the preview box for the user to copy.
        QVERIFY(QDir().mkdir(path));
        action(1)->click();
        QCOMPARE(preview(), empty);
        QVERIFY(QDir().rmdir(path));
        action(1)->click();
        QCOMPARE(fileBytes(path), (empty + u"\r\n"_s).toLatin1());
        QVERIFY(preview().isEmpty() && m_form->isVisible());

        m_main->replace(u"alt"_s);
        m_host->answers << ui::Answer::Cancel << ui::Answer::Ok;
        action(2)->click();
        QVERIFY(m_form->isVisible() && m_main->text() == u"alt"_s);
        action(2)->click();
        QVERIFY(!m_form->isVisible() && m_main->text() == empty);

        QStringList said;
        for (const FakeHost::Message &m : std::as_const(m_host->messages))
            said << m.title + u": "_s + m.text;
        const QString warning =
            u"Hinweis: Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht"_s;
        QCOMPARE(said, (QStringList{u"Fehler: HTML Datei konnte nicht ertsellt werden"_s,
                                    u"Info: Erfolgreich gespeichert\r\n"_s +
                                        QDir::toNativeSeparators(path),
                                    warning, warning}));
        QVERIFY(m_host->messages.at(0).icon == ui::Icon::Critical &&
                m_host->messages.at(1).icon == ui::Icon::Information);
    }

    void choosePicture()
    {
        m_form = m_main->openDialog(app::Tool::OverviewEditor);
        const QLabel *warning = child<QLabel>(u"Label4"_s);
        QVERIFY(warning->text().isEmpty());
        box(1)->setText(u"Titel"_s);
        m_host->fileNames << QString() << u"D:\\Missionen\\karte.png"_s << QString();
        button(1)->click(); // cancelled, the warning shows all the same
        QCOMPARE(box(3)->text() + u'|' + warning->text(),
                 u"|Das Bild muss im selben Ordner sein, wo auch die Overview Datei ist !"_s);
        button(1)->click(); // any picture, only its name without the folder
        button(1)->click(); // cancelled after a choice
        QCOMPARE(box(3)->text(), u"karte.png"_s);
        QCOMPARE(m_host->fileDialogFilters, QStringList(3, u"JPEG Bild (*.jpg)|*jpg"_s));
        QCOMPARE(preview(), u"Titel"_s); // the picture's name has no preview
        action(3)->click();              // "Schließen"
        QVERIFY(!m_form->isVisible() && m_main->text().isEmpty());
    }

private:
    static void forms()
    {
        QTest::addColumn<app::Tool>("tool");
        QTest::addColumn<QString>("page"); // the start of its golden files' names
        QTest::newRow("briefing") << app::Tool::BriefingEditor << u"briefing"_s;
        QTest::newRow("overview") << app::Tool::OverviewEditor << u"overview"_s;
    }
    template <typename T> T *child(const QString &name) const
    {
        T *found = m_form->findChild<T *>(name);
        return found ? found : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    QLineEdit *box(int n) const { return child<QLineEdit>(u"Text%1"_s.arg(n)); }
    QCheckBox *check(int n) const { return child<QCheckBox>(u"Check%1"_s.arg(n)); }
    QPushButton *button(int n) const { return child<QPushButton>(u"Command%1"_s.arg(n)); }
    bool overview() const { return m_form->objectName() == u"Form5"_s; }
    // 1 save, 2 transfer, 3 close; the overview editor has its picture button first.
    QPushButton *action(int n) const { return button(overview() ? n + 1 : n); }
    QString preview() const
    {
        const auto *box = child<QPlainTextEdit>(overview() ? u"Text4"_s : u"Text3"_s);
        return box->document()->toRawText().replace(QChar::ParagraphSeparator, u"\r\n"_s);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<app::MainWindow> m_main;
    QPointer<QWidget> m_form;
};

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
