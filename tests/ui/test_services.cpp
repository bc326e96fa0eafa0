#include "support/fakehost.h"
#include "support/golden.h"
#include "ui/programfolder.h"
#include "ui/realhost.h"
#include "ui/transfer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void transfer_data()
    {
        QTest::addColumn<QString>("before"); // the question comes only when there is text
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<ui::AfterCancel>("afterCancel");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("closed");
        QTest::newRow("empty main text: no question")
            << QString() << ui::Answer::Cancel << ui::AfterCancel::StayOpen << u"result"_s << true;
        QTest::newRow("OK replaces")
            << u"old"_s << ui::Answer::Ok << ui::AfterCancel::StayOpen << u"result"_s << true;
        QTest::newRow("Cancel keeps, dialog closes")
            << u"old"_s << ui::Answer::Cancel << ui::AfterCancel::Close << u"old"_s << true;
        QTest::newRow("Cancel keeps, dialog stays")
            << u"old"_s << ui::Answer::Cancel << ui::AfterCancel::StayOpen << u"old"_s << false;
    }
    void transfer()
    {
        QFETCH(QString, before);
        QFETCH(ui::Answer, answer);
        QFETCH(ui::AfterCancel, afterCancel);
        QFETCH(QString, after);
        QFETCH(bool, closed);
        FakeHost host;
        host.answers.enqueue(answer);
        FakeMainText main;
        main.value = before;
        QWidget dialog;
        dialog.show();
        ui::transferToMainWindow(dialog, host, main, u"result"_s, u"Warnung"_s, afterCancel);
        QCOMPARE(main.value, after);
        QCOMPARE(dialog.isVisible(), !closed);
        QCOMPARE(host.messages.size(), before.isEmpty() ? 0 : 1);
        for (const FakeHost::Message &m : std::as_const(host.messages))
            QVERIFY(m.title == u"Hinweis"_s && m.text == u"Warnung"_s &&
                    m.buttons == ui::Buttons::OkCancel && m.icon == ui::Icon::None);
    }

    void saveIntoTheProgramFolder_data()
    {
        QTest::addColumn<bool>("blocked"); // by a folder of the file's name
        QTest::addColumn<QString>("message");
        QTest::newRow("saved") << false << u"Info|Erfolgreich gespeichert\r\n"_s;
        QTest::newRow("failed") << true << u"Fehler|Die Datei konnte nicht ertsellt werden"_s;
    }
    void saveIntoTheProgramFolder()
    {
        QFETCH(bool, blocked);
        QFETCH(QString, message);
        QTemporaryDir dir;
        FakeHost host(dir.path());
        const QString path = QDir::toNativeSeparators(dir.filePath(u"description.ext"_s));
        QVERIFY(!blocked || QDir(dir.path()).mkdir(u"description.ext"_s));
        QCOMPARE(ui::saveToProgramFolder(host, u"description.ext"_s, u"class X"_s), !blocked);
        const FakeHost::Message &m = host.lastMessage();
        QCOMPARE(m.title + u'|' + m.text, blocked ? message : message + path);
        QCOMPARE(m.icon, blocked ? ui::Icon::Critical : ui::Icon::Information);
        QCOMPARE(fileBytes(path), blocked ? QByteArray("<unreadable>") : "class X\r\n");
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
