#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty text is one line end") << QString() << QByteArray("\r\n");
        QTest::newRow("line ends as they stand")
            << u"a\r\nb\nc\r"_s << QByteArray("a\r\nb\nc\r\r\n");
        QTest::newRow("code page") << u"Höhe €"_s << QByteArray("H\xF6he \x80\r\n");
        QTest::newRow("unmappable") << u"Ж"_s << QByteArray("?\r\n");
    }
    void writes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.txt"_s);
        put(path, QByteArray(1000, 'x')); // replaced whole, never appended to
        QVERIFY(core::writeTextFile(path, text));
        QCOMPARE(contents(path), bytes);
    }

    void failures_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("empty path") << QString();
        QTest::newRow("a folder stands where the file should be") << u"folder"_s;
        QTest::newRow("path runs through a regular file") << u"plain.txt/inner.txt"_s;
        QTest::newRow("missing folder") << u"nowhere/file.txt"_s;
    }
    void failures()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        put(dir.filePath(u"plain.txt"_s), "keep");
        QVERIFY(!core::writeTextFile(relative.isEmpty() ? QString() : dir.filePath(relative),
                                     u"text"_s));
        QCOMPARE(contents(dir.filePath(u"plain.txt"_s)), QByteArray("keep"));
        QVERIFY(QFileInfo(dir.filePath(u"folder"_s)).isDir());
    }

    void interruptedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"script.sqs"_s);
        put(path, "old content");
        const QString big(3 * 1024 * 1024, u'y'); // several chunks
        int calls = 0;
        QVERIFY(!core::writeTextFile(path, big, [&](qint64) { return ++calls < 2; }));
        QCOMPARE(calls, 2);
        QCOMPARE(contents(path), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"script.sqs"_s});
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
