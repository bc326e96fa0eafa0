#include "../support/golden.h"
#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The kind of what stands at a path, links not followed.
QString kindOf(const QString &path)
{
    struct stat status
    {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return u"nothing"_s;
    if (S_ISFIFO(status.st_mode))
        return u"fifo"_s;
    if (S_ISCHR(status.st_mode))
        return u"device"_s;
    if (S_ISLNK(status.st_mode))
        return u"link"_s;
    if (S_ISDIR(status.st_mode))
        return u"folder"_s;
    return u"file"_s;
}

} // namespace

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
        const QByteArray name = QFile::encodeName(path);
        if (target == u"file"_s || target == u"link to file"_s)
            QVERIFY(putFile(target == u"file"_s ? path : other, "alt"));
        if (target.startsWith(u"link"_s))
            QVERIFY(QFile::link(other, path));
        if (target == u"folder"_s)
            QVERIFY(QDir(dir.path()).mkdir(u"description.ext"_s));
        if (target == u"fifo"_s)
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        if (target == u"device"_s && ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("making a device node is not permitted here");
        if (target == u"loop"_s)
            QVERIFY(QFile::link(path, other) && QFile::link(other, path));
        const QString kind = kindOf(path);

        QCOMPARE(core::writeTextFile(path, u"neu"_s), saved);
        if (saved) {
            QCOMPARE(fileBytes(path), QByteArray("neu\r\n"));
            QCOMPARE(kindOf(path), kind == u"nothing"_s ? u"file"_s : kind);
        } else {
            QCOMPARE(kindOf(path), kind);
        }
    }

    // A save that cannot make its new file beside the old one (a folder the user may not
    // write into, no free inode) or cannot write it whole (a full disk) leaves the old file
    // as it was, and no stray file beside it. The last two on a small tmpfs of their own.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("tmpfs"); // mount options; none: an ordinary folder
        QTest::addColumn<bool>("fillInodes");  // else fill the space
        QTest::newRow("folder that takes no new file") << QByteArray() << false;
        QTest::newRow("no free inode") << QByteArray("size=1m,nr_inodes=4") << true;
        QTest::newRow("disk full") << QByteArray("size=64k") << false;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QByteArray, tmpfs);
        QFETCH(bool, fillInodes);
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
        } else if (fillInodes) {
            for (int i = 0; putFile(dir.filePath(u"f"_s + QString::number(i)), {}); ++i)
                QVERIFY(i < 10);
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
