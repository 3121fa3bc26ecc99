// SPDX-License-Identifier: MIT
#include "engine/CellReading.h"
#include "engine/DecimalText.h"
#include "support/LocaleTestMain.h"

#include <QTest>

#include <cstdint>
#include <limits>

class TestDecimalText : public QObject
{
    Q_OBJECT

private slots:
    void fromDouble_data();
    void fromDouble();
    void integerForms_data();
    void integerForms();
    void readsBackWhatItWrote_data();
    void readsBackWhatItWrote();
};

void TestDecimalText::fromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 1440.0 << "1440";
    QTest::newRow("negative half") << -0.5 << "-0.5";
    QTest::newRow("15 digits kept") << 24.0000011111111 << "24.0000011111111";
    QTest::newRow("16th digit rounds up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("16th digit rounds down") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("noise past 15 digits") << 1.000000000000002 << "1";
    QTest::newRow("1000 / 3600000 stays plain") << 1000.0 / 3600000.0 << "0.000277777777777778";
    QTest::newRow("1E-4 stays plain") << 0.0001 << "0.0001";
    QTest::newRow("below 1E-4 exponent") << 0.0000999 << "9.99E-05";
    QTest::newRow("100 / year") << 100.0 / 31536000000.0 << "3.17097919837646E-09";
    QTest::newRow("1000 / day") << 1000.0 / 86400000.0 << "1.15740740740741E-05";
    QTest::newRow("negative small") << -1.11111109646345e-06 << "-1.11111109646345E-06";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("1E15 exponent") << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("three exponent digits") << 1.5e300 << "1.5E+300";
    QTest::newRow("tiny three exponent digits") << 2.5e-300 << "2.5E-300";
}

void TestDecimalText::fromDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(DecimalText::fromDouble(value)), expected);
}

void TestDecimalText::integerForms_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("isUnsigned");
    QTest::addColumn<QString>("expected");

    QTest::newRow("signed zero") << qint64(0) << false << "0";
    QTest::newRow("signed minus one") << qint64(-1) << false << "-1";
    QTest::newRow("signed day") << qint64(86400000) << false << "86400000";
    QTest::newRow("signed lowest")
        << qint64(std::numeric_limits<std::int32_t>::min()) << false << "-2147483648";
    QTest::newRow("unsigned 32-bit top") << qint64(4294967295) << true << "4294967295";
    QTest::newRow("unsigned past 32 bits") << qint64(4294967296) << true << "4294967296";
    QTest::newRow("unsigned 20 years") << qint64(630720000000) << true << "630720000000";
}

void TestDecimalText::integerForms()
{
    QFETCH(qint64, value);
    QFETCH(bool, isUnsigned);
    QFETCH(QString, expected);
    const std::string text = isUnsigned
                                 ? DecimalText::fromUnsigned(static_cast<std::uint64_t>(value))
                                 : DecimalText::fromInteger(static_cast<std::int32_t>(value));
    QCOMPARE(QString::fromStdString(text), expected);
}

void TestDecimalText::readsBackWhatItWrote_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("readBack");

    QTest::newRow("noise vanishes") << 1.000000000000002 << 1.0;
    QTest::newRow("exponent form") << 100.0 / 31536000000.0 << 3.17097919837646e-09;
    QTest::newRow("negative") << -0.5 << -0.5;
    QTest::newRow("1E15") << 1e15 << 1e15;
}

void TestDecimalText::readsBackWhatItWrote()
{
    QFETCH(double, value);
    QFETCH(double, readBack);
    const std::string text = DecimalText::fromDouble(value);
    QCOMPARE(CellReading::lenient(text), readBack);
    QCOMPARE(CellReading::strict(text).value_or(-12345.0), readBack);
}

VH_LOCALE_TEST_MAIN(TestDecimalText)
#include "tst_DecimalText.moc"
