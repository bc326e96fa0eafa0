#include "app/mainwindow.h"
#include "core/codepage.h"
#include "editor/filecommands.h"
#include "editor/maintextedit.h"
#include "support/fakehost.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The main window with its toolbar, a scripted host and a folder to work in.
struct Fixture
{
    QTemporaryDir dir;
    FakeHost host;
    app::MainWindow window{host};

    QString path(const QString &name) const { return dir.filePath(name); }
    void click(const QString &button) { window.findChild<QAbstractButton *>(button)->click(); }
    void open(const QString &file)
    {
        host.fileNames.enqueue(file);
        click(u"Command16"_s);
    }
    void saveAs(const QString &file)
    {
        host.fileNames.enqueue(file);
        click(u"Command19"_s);
    }
    void save() { click(u"Command7"_s); }
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveWithNoRememberedPathDoesNothing()
    {
        Fixture f;
        f.window.replace(u"text"_s);
        f.save();
        QVERIFY(QDir(f.dir.path()).isEmpty());
        QVERIFY(f.host.messages.isEmpty());
        QVERIFY(f.host.fileDialogFilters.isEmpty());
    }

    void openAndSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text"); // the main text after opening it
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        all += "lone\rCR lone\nLF\r\n\n\r";
        QTest::newRow("script") << QByteArray("hint \"x\"\r\n") << u"hint \"x\"\r\n"_s;
        QTest::newRow("umlaut byte") << QByteArray("\xE4") << u"ä"_s;
        QTest::newRow("empty file") << QByteArray() << QString();
        QTest::newRow("every byte, lone CR and LF") << all << core::fromCp1252(all);
    }
    void openAndSave()
    {
        // Opening shows the file as it is; saving writes it back and adds one CR LF, every
        // time round.
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        Fixture f;
        const QString path = f.path(u"a.sqs"_s);
        put(path, file);
        f.window.replace(u"old"_s);
        f.open(path);
        QCOMPARE(f.window.text(), text);
        f.save();
        QCOMPARE(contents(path), file + "\r\n");
        f.open(path);
        f.save();
        QCOMPARE(contents(path), file + "\r\n\r\n");
        QCOMPARE(f.host.fileDialogFilters, QStringList(2, u"Alle Dateien (*.*)|*"_s));
        QVERIFY(f.host.messages.isEmpty());
    }

    void saveWritesBothRememberedFiles()
    {
        Fixture f;
        put(f.path(u"a.sqs"_s), "A");
        f.open(f.path(u"a.sqs"_s));
        f.saveAs(f.path(u"b.sqs"_s));
        QCOMPARE(contents(f.path(u"b.sqs"_s)), QByteArray("A\r\n"));
        f.window.replace(u"from a dialog"_s); // as a transfer does
        f.save();
        QCOMPARE(contents(f.path(u"a.sqs"_s)), QByteArray("from a dialog\r\n"));
        QCOMPARE(contents(f.path(u"b.sqs"_s)), QByteArray("from a dialog\r\n"));
        QCOMPARE(f.window.fileCommands().openedPath(), f.path(u"a.sqs"_s));
        QCOMPARE(f.window.fileCommands().saveAsPath(), f.path(u"b.sqs"_s));
    }

    void saveAsReplacesAnExistingFile()
    {
        Fixture f;
        put(f.path(u"b.sqs"_s), QByteArray(500, 'z'));
        f.window.replace(u"short"_s);
        f.saveAs(f.path(u"b.sqs"_s));
        QCOMPARE(contents(f.path(u"b.sqs"_s)), QByteArray("short\r\n"));
    }

    void silentFailures_data()
    {
        QTest::addColumn<QString>("target"); // relative to the folder; "" is Cancel
        QTest::newRow("cancelled dialog") << QString();
        QTest::newRow("missing file") << u"missing.sqs"_s;
        QTest::newRow("a folder") << u"folder"_s;
        QTest::newRow("through a regular file") << u"plain.sqs/inner.sqs"_s;
    }
    void silentFailures()
    {
        QFETCH(QString, target);
        Fixture f;
        QDir(f.dir.path()).mkdir(u"folder"_s);
        put(f.path(u"plain.sqs"_s), "keep");
        const QString path = target.isEmpty() ? QString() : f.path(target);
        f.window.replace(u"main text"_s);

        f.open(path);
        QCOMPARE(f.window.text(), u"main text"_s);
        QCOMPARE(f.window.fileCommands().openedPath(), path);

        f.saveAs(path);
        QCOMPARE(f.window.fileCommands().saveAsPath(), path);
        f.save();
        QVERIFY(f.host.messages.isEmpty());
        QCOMPARE(contents(f.path(u"plain.sqs"_s)), QByteArray("keep"));
        if (target == u"missing.sqs"_s) // the path is kept, so saving creates the file
            QCOMPARE(contents(path), QByteArray("main text\r\n"));
        else
            QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{u"plain.sqs"_s});
    }

    void failedFirstSaveLeavesTheSecondAlone()
    {
        Fixture f;
        put(f.path(u"a.sqs"_s), "A");
        QDir(f.dir.path()).mkdir(u"folder"_s);
        f.open(f.path(u"a.sqs"_s));
        f.saveAs(f.path(u"folder"_s));
        f.window.replace(u"changed"_s);
        f.save();
        QCOMPARE(contents(f.path(u"a.sqs"_s)), QByteArray("A"));
    }

    void editsTakeCrLfLineEnds()
    {
        Fixture f;
        put(f.path(u"lf.sqs"_s), "a\nb");
        f.open(f.path(u"lf.sqs"_s));
        QCOMPARE(f.window.text(), u"a\nb"_s);
        auto *box = f.window.findChild<QWidget *>(u"Text1"_s);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, u"c"_s);
        QCOMPARE(f.window.text(), u"a\r\nbc"_s);
    }

    void textComesBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("crlf") << u"a\r\nb\r\n"_s;
        QTest::newRow("no-break space") << u"a\u00A0b"_s;
        QTest::newRow("line separator") << u"a\u2028b"_s;
        QTest::newRow("paragraph separator") << u"a\u2029b"_s;
        QTest::newRow("lone cr and lf") << u"a\rb\nc"_s;
        QTest::newRow("nul") << (u"a"_s + QChar(0) + u"b"_s);
    }
    void textComesBackExactly()
    {
        QFETCH(QString, text);
        Fixture f;
        f.window.replace(text);
        QCOMPARE(f.window.text(), text);
        f.window.append(text);
        QCOMPARE(f.window.text(), text + text);
    }

    void crLfTextKeepsNoSecondCopy()
    {
        Fixture f;
        f.window.replace(u"line\r\nline\r\n"_s);
        QVERIFY(!f.window.mainTextEdit().keepsExactCopy());
        f.window.append(u"more\r\n"_s);
        QVERIFY(!f.window.mainTextEdit().keepsExactCopy());
        QCOMPARE(f.window.text(), u"line\r\nline\r\nmore\r\n"_s);
    }
};

QTEST_MAIN(TestFiles)
#include "test_files.moc"
