#include "engine/CellReading.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestCellReading : public QObject
{
    Q_OBJECT

private slots:
    void lenient_data();
    void lenient();
    void strict_data();
    void strict();
};

void TestCellReading::lenient_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("own name") << "HOURS_FULL" << 0.0;
    QTest::newRow("plain") << "86400000" << 86400000.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone plus") << "+" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("blanks between digits") << "1 2 3" << 123.0;
    QTest::newRow("tab and line feed") << "\t-1\n" << -1.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("blanks in exponent") << "1 E 3" << 1000.0;
    QTest::newRow("exponent then letters") << "2.5E-03abc" << 0.0025;
    QTest::newRow("lower-case exponent") << "1e-2x" << 0.01;
    QTest::newRow("exponent without digits") << "1E" << 1.0;
    QTest::newRow("exponent sign without digits") << "7E+" << 7.0;
    QTest::newRow("partial number") << "12abc" << 12.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("comma is no decimal point") << "1,5" << 1.0;
    QTest::newRow("sign then letter") << "-x1" << 0.0;
    QTest::newRow("engine exponent form") << "-1.11111109646345E-06" << -1.11111109646345e-06;
    QTest::newRow("beyond double range") << "1E999" << inf;
    QTest::newRow("beyond double range negative") << "-1E999" << -inf;
    QTest::newRow("long mantissa beyond range") << "123456789E301" << inf;
    QTest::newRow("below double range") << "1E-999" << 0.0;
}

void TestCellReading::lenient()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(CellReading::lenient(text.toStdString()), expected);
}

void TestCellReading::strict_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("decimal") << "1.04237269675926" << true << 1.04237269675926;
    QTest::newRow("exponent") << "-1.11111109646345E-06" << true << -1.11111109646345e-06;
    QTest::newRow("integer") << "4294967296" << true << 4294967296.0;
    QTest::newRow("trailing letters") << "1.5x" << false << 0.0;
    QTest::newRow("leading blank") << " 1" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("own name") << "START_TB" << false << 0.0;
    QTest::newRow("dangling exponent") << "1E" << false << 0.0;
}

void TestCellReading::strict()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto value = CellReading::strict(text.toStdString());
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

QTEST_APPLESS_MAIN(TestCellReading)
#include "tst_CellReading.moc"
