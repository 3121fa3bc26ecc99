// SPDX-License-Identifier: MIT
#include "engine/CellReading.h"
#include "support/LocaleTestMain.h"

#include <QTest>

class TestCellReading : public QObject
{
    Q_OBJECT

private slots:
    void lenient_data();
    void lenient();
    void strict_data();
    void strict();
};

// The syntax is tst_NumberScanner's; these rows are the cells' own rules.
void TestCellReading::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("no number reads 0") << "HOURS_FULL" << 0.0;
    QTest::newRow("leading number") << "12abc" << 12.0;
    QTest::newRow("blanks between digits") << "1 2 3" << 123.0;
    QTest::newRow("tab and line feed") << "\t-1\n" << -1.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("blanks in exponent") << "1 E 3" << 1000.0;
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

VH_LOCALE_TEST_MAIN(TestCellReading)
#include "tst_CellReading.moc"
