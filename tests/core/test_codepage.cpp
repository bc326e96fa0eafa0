#include "core/codepage.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCodepage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyByteSurvivesTheRoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = core::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(core::toCp1252(text), all);
    }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("umlauts and sharp s")
            << u"äöüÄÖÜß"_s << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
        QTest::newRow("euro sign") << u"€"_s << QByteArray("\x80");
        QTest::newRow("typographic quotes and dashes")
            << u"„“”–—…"_s << QByteArray("\x84\x93\x94\x96\x97\x85");
        QTest::newRow("undefined bytes as C1 controls")
            << u"\u0081\u008D\u008F\u0090\u009D"_s << QByteArray("\x81\x8D\x8F\x90\x9D");
        QTest::newRow("NUL kept") << QString(QChar(0)) << QByteArray(1, '\0');
        QTest::newRow("cyrillic not in the code page") << u"Ж"_s << QByteArray("?");
        QTest::newRow("C1 control without a byte of its own") << u"\u0080"_s << QByteArray("?");
        QTest::newRow("emoji is one question mark") << u"a😀b"_s << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    }
    void characters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(core::toCp1252(text), bytes);
    }

    void readingTurnsEachByteIntoOneCharacter()
    {
        QCOMPARE(core::fromCp1252("\xE4"), u"ä"_s);
        QCOMPARE(core::fromCp1252("\x80\x9F"), u"€Ÿ"_s);
        QCOMPARE(core::fromCp1252("a\r\nb\rc\n"), u"a\r\nb\rc\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestCodepage)
#include "test_codepage.moc"
