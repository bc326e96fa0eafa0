#include "core/codepage.h"
#include "editor/readfilepart.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes,
                  const QString &name = u"f.bin"_s)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(bytes);
    return path;
}

// What the reader should give, said by what is asked for rather than step by step: a range
// of the file, or a failure where the 32-bit positions overflow.
std::optional<QByteArray> model(const QByteArray &file, qint32 start, qint32 length)
{
    const qint64 size = file.size();
    const qint64 n = length == 0 ? size : length;
    auto range = [&](qint64 first, qint64 last) {
        first = std::max<qint64>(first, 1);
        last = std::min(last, size);
        return first > last ? QByteArray() : file.mid(first - 1, last - first + 1);
    };
    if (start < 1) { // the last |n| bytes
        if (n == kMin)
            return std::nullopt;
        return range(size - std::abs(n) + 1, size);
    }
    if (n < 0) { // the |n| bytes that end at start
        if (start > size)
            return QByteArray();
        if (n == kMin)
            return std::nullopt;
        return range(start + n + 1, start);
    }
    if (qint64(start) + n > kMax) // start + length - 1 is worked out left to right
        return std::nullopt;
    return range(start, start + n - 1);
}

} // namespace

class TestReadFilePart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint32>("start");
        QTest::addColumn<qint32>("length");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray f = "0123456789";
        QTest::newRow("whole file") << f << 1 << 0 << f;
        QTest::newRow("from a position to the end") << f << 4 << 0 << QByteArray("3456789");
        QTest::newRow("a range") << f << 3 << 4 << QByteArray("2345");
        QTest::newRow("range cut at the end") << f << 8 << 100 << QByteArray("789");
        QTest::newRow("start just past the end") << f << 11 << 5 << QByteArray();
        QTest::newRow("start far past the end") << f << 1000 << 0 << QByteArray();
        QTest::newRow("start 0 gives the last bytes") << f << 0 << 3 << QByteArray("789");
        QTest::newRow("negative start, negative length") << f << -7 << -3 << QByteArray("789");
        QTest::newRow("start 0 and length 0 gives all") << f << 0 << 0 << f;
        QTest::newRow("last bytes, more than the file") << f << 0 << 50 << f;
        QTest::newRow("bytes ending at a position") << f << 5 << -2 << QByteArray("34");
        QTest::newRow("bytes ending at a position, clipped") << f << 3 << -8 << QByteArray("012");
        QTest::newRow("negative length past the end") << f << 11 << -2 << QByteArray();
        QTest::newRow("empty file") << QByteArray() << 1 << 0 << QByteArray();
        QTest::newRow("empty file from the end") << QByteArray() << 0 << 5 << QByteArray();
        QTest::newRow("every byte value")
            << QByteArray("\x00\x81\xE4\r\n\r", 6) << 1 << 0 << QByteArray("\x00\x81\xE4\r\n\r", 6);
    }
    void rules()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint32, start);
        QFETCH(qint32, length);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const std::optional<QString> read = ReadFilePart(writeFile(dir, file), start, length);
        QVERIFY(read.has_value());
        QCOMPARE(*read, core::fromCp1252(expected));
    }

    void failures_data()
    {
        QTest::addColumn<qint32>("start");
        QTest::addColumn<qint32>("length");
        QTest::newRow("length overflows the end position") << 5 << kMax;
        QTest::newRow("start overflows the end position") << kMax << 1;
        QTest::newRow("smallest length from the end") << 0 << kMin;
        QTest::newRow("smallest length backwards") << 3 << kMin;
    }
    void failures()
    {
        QFETCH(qint32, start);
        QFETCH(qint32, length);
        QTemporaryDir dir;
        QVERIFY(!ReadFilePart(writeFile(dir, "0123456789"), start, length).has_value());
    }

    void unreadablePaths()
    {
        QTemporaryDir dir;
        const QString plain = writeFile(dir, "x");
        QVERIFY(!ReadFilePart(QString(), 1, 0));
        QVERIFY(!ReadFilePart(dir.filePath(u"missing.sqs"_s), 1, 0));
        QVERIFY(!ReadFilePart(dir.path(), 1, 0));
        QVERIFY(!ReadFilePart(plain + u"/inner"_s, 1, 0));
    }

    void agreesWithTheModel()
    {
        QRandomGenerator random(20261205);
        const qint32 extremes[] = {kMin, kMin + 1, -1000, kMax - 5, kMax - 1, kMax};
        auto pick = [&](qint32 fileSize) -> qint32 {
            switch (random.bounded(4)) {
            case 0:
                return extremes[random.bounded(int(std::size(extremes)))];
            case 1:
                return qint32(random.bounded(-3, fileSize + 4));
            default:
                return qint32(random.bounded(-fileSize - 4, fileSize + 4));
            }
        };
        QTemporaryDir dir;
        QList<QByteArray> files;
        QStringList paths;
        for (int size = 0; size < 24; ++size) {
            QByteArray file(size, Qt::Uninitialized);
            for (char &c : file)
                c = char(random.bounded(256));
            files.append(file);
            paths.append(writeFile(dir, file, QString::number(size)));
        }
        for (int round = 0; round < 20000; ++round) {
            const int which = random.bounded(int(files.size()));
            const QByteArray &file = files[which];
            const QString &path = paths[which];
            const qint32 start = pick(qint32(file.size()));
            const qint32 length = pick(qint32(file.size()));
            const std::optional<QString> read = ReadFilePart(path, start, length);
            const std::optional<QByteArray> expected = model(file, start, length);
            const QByteArray what = "size " + QByteArray::number(file.size()) + " start " +
                                    QByteArray::number(start) + " length " +
                                    QByteArray::number(length);
            QVERIFY2(read.has_value() == expected.has_value(), what.constData());
            if (read)
                QVERIFY2(*read == core::fromCp1252(*expected), what.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestReadFilePart)
#include "test_readfilepart.moc"
