#include <QTest>
class TestCore : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestCore)
#include "test_codepage.moc"
