// SPDX-License-Identifier: MIT
#include "engine/WholeNumberRule.h"

#include <QTest>

#include <limits>

using namespace WholeNumberRule;

class TestWholeNumberRule : public QObject
{
    Q_OBJECT

private slots:
    void apply_data();
    void apply();
};

void TestWholeNumberRule::apply_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");

    // Whole values and text noise just below them keep their whole number:
    // that is what the old round-half-even rule got wrong (1 -> 0, 3 -> 2).
    QTest::newRow("day exact one") << 1.0 << dayPlaces << true << 1;
    QTest::newRow("day one less 1 ms") << 1.0 - 1.0 / 86400000 << dayPlaces << true << 0;
    QTest::newRow("day 0.9999999") << 0.9999999 << dayPlaces << true << 0;
    QTest::newRow("day 1.9999999537037") << 1.9999999537037 << dayPlaces << true << 1;
    QTest::newRow("day text noise below 2") << 1.99999999999999 << dayPlaces << true << 2;
    QTest::newRow("day 24.855") << 24.8551348148148 << dayPlaces << true << 24;
    QTest::newRow("hour 23.9999988888889") << 23.9999988888889 << hourPlaces << true << 23;
    QTest::newRow("hour exact 3") << 3.0 << hourPlaces << true << 3;
    QTest::newRow("hour noise below 24") << 23.9999999999999 << hourPlaces << true << 24;
    QTest::newRow("hour slightly negative") << -1.11111109646345e-06 << hourPlaces << true << -1;
    QTest::newRow("hour noise below zero") << -1e-12 << hourPlaces << true << 0;
    QTest::newRow("minute exact 60") << 60.0 << minutePlaces << true << 60;
    QTest::newRow("minute noise below 60") << 59.999999999999 << minutePlaces << true << 60;
    QTest::newRow("minute 60 less 1 ms") << 60.0 - 1.0 / 60000 << minutePlaces << true << 59;
    QTest::newRow("minute 1.016683333332") << 1.016683333332 << minutePlaces << true << 1;
    QTest::newRow("second exact 3") << 3.0 << secondPlaces << true << 3;
    QTest::newRow("second noise below 3") << 2.99999999999 << secondPlaces << true << 3;
    QTest::newRow("second 2.999") << 2.999 << secondPlaces << true << 2;
    QTest::newRow("second 3.2") << 3.2 << secondPlaces << true << 3;
    QTest::newRow("second 3.7") << 3.7 << secondPlaces << true << 3;
    QTest::newRow("second -0.0001") << -0.0001 << secondPlaces << true << -1;
    QTest::newRow("second 1.00099999992") << 1.00099999992 << secondPlaces << true << 1;
    QTest::newRow("largest int32") << 2147483647.5 << secondPlaces << true << 2147483647;
    QTest::newRow("lowest int32") << -2147483648.0 << dayPlaces << true
                                  << std::numeric_limits<int>::min();
    QTest::newRow("huge day value") << 1.5e9 << dayPlaces << true << 1500000000;
    QTest::newRow("past int32") << 2147483648.0 << secondPlaces << false << 0;
    QTest::newRow("below int32") << -2147483649.0 << secondPlaces << false << 0;
    QTest::newRow("far past int32") << 1e300 << dayPlaces << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << dayPlaces << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << dayPlaces << false << 0;
}

void TestWholeNumberRule::apply()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const auto whole = WholeNumberRule::apply(value, places);
    QCOMPARE(whole.has_value(), fits);
    if (fits)
        QCOMPARE(*whole, expected);
}

QTEST_APPLESS_MAIN(TestWholeNumberRule)
#include "tst_WholeNumberRule.moc"
