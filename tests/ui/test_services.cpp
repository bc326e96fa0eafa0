#include "support/fakehost.h"
#include "ui/maintext.h"
#include "ui/programfolder.h"
#include "ui/realhost.h"
#include "ui/transfer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
class StringText : public ui::MainText
{
public:
    QString value;
    QString text() const override { return value; }
    void replace(const QString &text) override { value = text; }
};
} // namespace

class TestServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transfer_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("answer"); // ui::Answer
        QTest::addColumn<bool>("stayOpenOnCancel");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("closed");
        QTest::newRow("empty main text: no question")
            << QString() << int(ui::Answer::Cancel) << true << false << u"result"_s << true;
        QTest::newRow("OK replaces")
            << u"old"_s << int(ui::Answer::Ok) << true << true << u"result"_s << true;
        QTest::newRow("Cancel keeps, dialog closes")
            << u"old"_s << int(ui::Answer::Cancel) << false << true << u"old"_s << true;
        QTest::newRow("Cancel keeps, dialog stays")
            << u"old"_s << int(ui::Answer::Cancel) << true << true << u"old"_s << false;
    }
    void transfer()
    {
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(bool, stayOpenOnCancel);
        QFETCH(bool, asked);
        QFETCH(QString, after);
        QFETCH(bool, closed);
        FakeHost host;
        host.answers.enqueue(ui::Answer(answer));
        StringText main;
        main.value = before;
        QWidget dialog;
        dialog.show();
        ui::transferToMainWindow(dialog, host, main, u"result"_s, u"Warnung"_s,
                                 stayOpenOnCancel ? ui::AfterCancel::StayOpen
                                                  : ui::AfterCancel::Close);
        QCOMPARE(main.value, after);
        QCOMPARE(dialog.isVisible(), !closed);
        QCOMPARE(host.messages.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(host.lastMessage().title, u"Hinweis"_s);
            QCOMPARE(host.lastMessage().text, u"Warnung"_s);
            QCOMPARE(host.lastMessage().buttons, ui::Buttons::OkCancel);
            QCOMPARE(host.lastMessage().icon, ui::Icon::None);
        }
    }

    void saveIntoTheProgramFolder()
    {
        QTemporaryDir dir;
        FakeHost host(dir.path());
        QVERIFY(ui::saveToProgramFolder(host, u"description.ext"_s, u"class X"_s));
        const QString path = QDir::toNativeSeparators(dir.filePath(u"description.ext"_s));
        QCOMPARE(host.lastMessage().title, u"Info"_s);
        QCOMPARE(host.lastMessage().text, u"Erfolgreich gespeichert\r\n"_s + path);
        QCOMPARE(host.lastMessage().icon, ui::Icon::Information);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("class X\r\n"));
    }

    void failedSaveReportsAndKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("failureText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default text") << QString() << u"Die Datei konnte nicht ertsellt werden"_s;
        QTest::newRow("own text") << u"HTML Datei konnte nicht ertsellt werden"_s
                                  << u"HTML Datei konnte nicht ertsellt werden"_s;
    }
    void failedSaveReportsAndKeepsWhatWasThere()
    {
        QFETCH(QString, failureText);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"description.ext"_s));
        FakeHost host(dir.path());
        const bool saved =
            failureText.isEmpty()
                ? ui::saveToProgramFolder(host, u"description.ext"_s, u"x"_s)
                : ui::saveToProgramFolder(host, u"description.ext"_s, u"x"_s, failureText);
        QVERIFY(!saved);
        QCOMPARE(host.lastMessage().title, u"Fehler"_s);
        QCOMPARE(host.lastMessage().text, expected);
        QCOMPARE(host.lastMessage().icon, ui::Icon::Critical);
        QVERIFY(QFileInfo(dir.filePath(u"description.ext"_s)).isDir());
    }

    void fileDialogFilters()
    {
        QCOMPARE(ui::toolkitFilters(u"Alle Dateien (*.*)|*"_s),
                 QStringList{u"Alle Dateien (*.*) (*)"_s});
        QCOMPARE(ui::toolkitFilters(u"JPEG Bild (*.jpg)|*jpg"_s),
                 QStringList{u"JPEG Bild (*.jpg) (*jpg)"_s});
    }
};

QTEST_MAIN(TestServices)
#include "test_services.moc"
