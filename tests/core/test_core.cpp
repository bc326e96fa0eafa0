#include "../support/golden.h"
#include "core/codepage.h"
#include "core/numbers.h"
#include "core/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void codePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("umlauts and sharp s")
            << u"äöüÄÖÜß"_s << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
        QTest::newRow("euro, typographic quotes and dashes, Ÿ")
            << u"€„“”–—…Ÿ"_s << QByteArray("\x80\x84\x93\x94\x96\x97\x85\x9F");
        QTest::newRow("undefined bytes as C1 controls")
            << u"\u0081\u008D\u008F\u0090\u009D"_s << QByteArray("\x81\x8D\x8F\x90\x9D");
        QTest::newRow("NUL and line ends kept")
            << (QChar(0) + u"a\r\nb\rc\n"_s) << QByteArray("\0a\r\nb\rc\n", 8);
        QTest::newRow("cyrillic, C1 without a byte, emoji, lone surrogate: one ? each")
            << (u"Ж\u0080a😀b"_s + QChar(0xD800)) << QByteArray("??a?b?");
    }
    void codePage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(core::toCp1252(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(core::fromCp1252(bytes), text);
    }

    void reading_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: not a number
        const double no = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("de blanks around") << german << u"  7 "_s << 7.0;
        QTest::newRow("de group and comma") << german << u"1.000,5"_s << 1000.5;
        QTest::newRow("de negative") << german << u"-3"_s << -3.0;
        QTest::newRow("en decimal point") << english << u"2.5"_s << 2.5;
        QTest::newRow("blank") << german << u"  "_s << no;
        QTest::newRow("number then word") << german << u"5a"_s << no;
        QTest::newRow("inf") << german << u"inf"_s << no;
        QTest::newRow("negative inf") << german << u"-inf"_s << no;
        QTest::newRow("nan") << german << u"nan"_s << no;
        QTest::newRow("overflow") << german << u"1e400"_s << no;
        QTest::newRow("negative overflow") << english << u"-1e400"_s << no;
    }
    void reading()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = core::readNumber(text, locale);
        QCOMPARE(read.has_value(), !std::isnan(value));
        if (read)
            QCOMPARE(*read, value);
    }

    void formatting_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fixed2");
        QTest::addColumn<QString>("shortForm");
        QTest::newRow("de distance") << german << 501.6856 << u"501,69"_s << u"501,6856"_s;
        QTest::newRow("de minus zero") << german << -0.0 << u"0,00"_s << u"0"_s;
        QTest::newRow("de tiny negative") << german << -0.001 << u"0,00"_s << u"-0,001"_s;
        QTest::newRow("de thousands without group")
            << german << 12345.5 << u"12345,50"_s << u"12345,5"_s;
        QTest::newRow("de 0.1 + 0.2") << german << 0.1 + 0.2 << u"0,30"_s << u"0,3"_s;
        QTest::newRow("en big") << english << 1234567.0 << u"1234567.00"_s << u"1234567"_s;
    }
    void formatting()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(QString, fixed2);
        QFETCH(QString, shortForm);
        QCOMPARE(core::formatFixed2(value, locale), fixed2);
        QCOMPARE(core::formatShort(value, locale), shortForm);
    }

    void interruptedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"script.sqs"_s);
        QVERIFY(putFile(path, "old content"));
        const QString big(3 * 1024 * 1024, u'y'); // several chunks
        int calls = 0;
        QVERIFY(!core::writeTextFile(path, big, [&](qint64) { return ++calls < 2; }));
        QCOMPARE(fileBytes(path), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"script.sqs"_s});
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
