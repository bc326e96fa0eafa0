#include "../support/files.h"
#include "../support/golden.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/mount.h>

using namespace Qt::StringLiterals;

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A save replaces a regular file or makes a new one; anything else at the path stays as
    // it is, and nothing is written into it.
    void saveTargets_data()
    {
        QTest::addColumn<QString>("target"); // what stands at the path before the save
        QTest::addColumn<bool>("saved");
        QTest::newRow("new name") << u"nothing"_s << true;
        QTest::newRow("regular file") << u"file"_s << true;
        QTest::newRow("link to a regular file, followed") << u"link to file"_s << true;
        QTest::newRow("link to a new name, followed") << u"link to nothing"_s << true;
        QTest::newRow("folder") << u"folder"_s << false;
        QTest::newRow("FIFO") << u"fifo"_s << false;
        QTest::newRow("device node") << u"device"_s << false;
        QTest::newRow("loop of links") << u"loop"_s << false;
    }
    void saveTargets()
    {
        QFETCH(QString, target);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"description.ext"_s);
        const QString other = dir.filePath(u"other.ext"_s);
        if (target == u"file"_s || target == u"link to file"_s)
            QVERIFY(putFile(target == u"file"_s ? path : other, "alt"));
        if (target.startsWith(u"link to"_s))
            QVERIFY(QFile::link(other, path));
        if (target == u"folder"_s)
            QVERIFY(QDir(dir.path()).mkdir(u"description.ext"_s));
        if (QStringList{u"fifo"_s, u"device"_s, u"loop"_s}.contains(target) &&
            !makeSpecial(target, path))
            QSKIP("this system does not let the test make such a file");
        const QString kind = fileKind(path);

        QCOMPARE(core::writeTextFile(path, u"neu"_s), saved);
        if (saved) {
            QCOMPARE(fileBytes(path), QByteArray("neu\r\n"));
            QCOMPARE(fileKind(path), kind == u"nothing"_s ? u"file"_s : kind);
        } else {
            QCOMPARE(fileKind(path), kind);
        }
    }

    // A save that cannot make its new file beside the old one (a folder the user may not
    // write into) or cannot write it whole (a full disk, a small tmpfs of its own) leaves the
    // old file as it was, and no stray file beside it.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("tmpfs"); // mount options; none: an ordinary folder
        QTest::newRow("folder that takes no new file") << QByteArray();
        QTest::newRow("disk full") << QByteArray("size=64k");
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QByteArray, tmpfs);
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        if (!tmpfs.isEmpty() &&
            ::mount("tmpfs", folder.constData(), "tmpfs", 0, tmpfs.constData()) != 0)
            QSKIP(qPrintable(u"mounting a small tmpfs is not permitted here: "_s +
                             QString::fromLocal8Bit(strerror(errno))));
        const auto unmount = qScopeGuard([&] {
            if (!tmpfs.isEmpty())
                ::umount2(folder.constData(), MNT_DETACH);
        });

        const QString path = dir.filePath(u"description.ext"_s);
        const QByteArray old(30000, 'o');
        QVERIFY(putFile(path, old));
        if (tmpfs.isEmpty()) {
            // The file may be written, the folder not; root writes anywhere, so the save
            // runs as an ordinary user then.
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
            QVERIFY(::chmod(folder.constData(), 0555) == 0);
        } else {
            QFile filler(dir.filePath(u"filler"_s));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush())
                ;
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        const bool asUser = tmpfs.isEmpty() && ::geteuid() == 0;
        if (asUser && ::seteuid(65534) != 0)
            QSKIP("cannot act as an ordinary user here");

        const bool saved = core::writeTextFile(path, QString(60000, u'n'));
        QVERIFY(!asUser || ::seteuid(0) == 0);
        ::chmod(folder.constData(), 0700);
        QVERIFY(!saved);
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
