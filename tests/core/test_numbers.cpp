#include "core/numbers.h"
#include "core/progressmodel.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

namespace {
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("de integer") << german << u"5"_s << true << 5.0;
        QTest::newRow("de leading zero") << german << u"05"_s << true << 5.0;
        QTest::newRow("de trailing blank") << german << u"5 "_s << true << 5.0;
        QTest::newRow("de blanks around") << german << u"  7  "_s << true << 7.0;
        QTest::newRow("de decimal comma") << german << u"2,5"_s << true << 2.5;
        QTest::newRow("de group and comma") << german << u"1.000,5"_s << true << 1000.5;
        QTest::newRow("de negative") << german << u"-3"_s << true << -3.0;
        QTest::newRow("de minus zero") << german << u"-0"_s << true << 0.0;
        QTest::newRow("de big") << german << u"999999999999"_s << true << 999999999999.0;
        QTest::newRow("en decimal point") << english << u"2.5"_s << true << 2.5;
        QTest::newRow("empty") << german << QString() << false << 0.0;
        QTest::newRow("blank") << german << u"  "_s << false << 0.0;
        QTest::newRow("word") << german << u"abc"_s << false << 0.0;
        QTest::newRow("number then word") << german << u"5a"_s << false << 0.0;
        QTest::newRow("inf") << german << u"inf"_s << false << 0.0;
        QTest::newRow("negative inf") << german << u"-inf"_s << false << 0.0;
        QTest::newRow("nan") << german << u"nan"_s << false << 0.0;
        QTest::newRow("overflow") << german << u"1e400"_s << false << 0.0;
        QTest::newRow("negative overflow") << english << u"-1e400"_s << false << 0.0;
    }
    void reading()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const std::optional<double> read = core::readNumber(text, locale);
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*read, value);
    }

    void formatting_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fixed2");
        QTest::addColumn<QString>("shortForm");
        QTest::newRow("de distance") << german << 501.6856 << u"501,69"_s << u"501,6856"_s;
        QTest::newRow("de zero") << german << 0.0 << u"0,00"_s << u"0"_s;
        QTest::newRow("de minus zero") << german << -0.0 << u"0,00"_s << u"0"_s;
        QTest::newRow("de tiny negative") << german << -0.001 << u"0,00"_s << u"-0,001"_s;
        QTest::newRow("de negative") << german << -12.345 << u"-12,35"_s << u"-12,345"_s;
        QTest::newRow("de thousands without group")
            << german << 12345.5 << u"12345,50"_s << u"12345,5"_s;
        QTest::newRow("de fraction") << german << 1.5 << u"1,50"_s << u"1,5"_s;
        QTest::newRow("de 0.1 + 0.2") << german << 0.1 + 0.2 << u"0,30"_s << u"0,3"_s;
        QTest::newRow("en fraction") << english << 1.5 << u"1.50"_s << u"1.5"_s;
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

    void progressRefusesWhatTheBarWouldIgnore()
    {
        core::ProgressModel p;
        QCOMPARE(p.maximum(), 100.0);
        QVERIFY(!p.setMaximum(0));
        QVERIFY(!p.setMaximum(-5));
        QVERIFY(!p.setMaximum(std::numeric_limits<double>::quiet_NaN()));
        QCOMPARE(p.maximum(), 100.0);
        QVERIFY(p.setMaximum(5));
        QVERIFY(p.setValue(5));
        QVERIFY(!p.setValue(6));
        QVERIFY(!p.setValue(-1));
        QCOMPARE(p.value(), 5.0);
        QVERIFY(p.setMaximum(2.5));
        QCOMPARE(p.value(), 2.5);
        QVERIFY(p.setValue(0));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
