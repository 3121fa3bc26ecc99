// SPDX-License-Identifier: MIT
#include "engine/NumberScanner.h"
#include "support/LocaleTestMain.h"

#include <QTest>

#include <limits>
#include <string_view>

// The number syntax shared by the value cells (which take the longest leading
// number) and the stored settings (which need the whole text to be one). The
// rows gather the syntax cases of both readings; their own tests keep only
// their own rules.
class TestNumberScanner : public QObject
{
    Q_OBJECT

private slots:
    void leadingLength_data();
    void leadingLength();
    void atLeastOne_data();
    void atLeastOne();
};

void TestNumberScanner::leadingLength_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");   // the text's length when it is wholly a number
    QTest::addColumn<double>("value"); // of the leading number; 0 when there is none

    QTest::newRow("empty") << "" << 0 << 0.0;
    QTest::newRow("own name") << "HOURS_FULL" << 0 << 0.0;
    QTest::newRow("plain") << "86400000" << 8 << 86400000.0;
    QTest::newRow("leading zeros") << "007" << 3 << 7.0;
    QTest::newRow("negative") << "-1" << 2 << -1.0;
    QTest::newRow("plus sign") << "+3" << 2 << 3.0;
    QTest::newRow("lone minus") << "-" << 0 << 0.0;
    QTest::newRow("lone plus") << "+" << 0 << 0.0;
    QTest::newRow("lone point") << "." << 0 << 0.0;
    QTest::newRow("sign and point") << "-." << 0 << 0.0;
    QTest::newRow("two signs") << "+-5" << 0 << 0.0;
    QTest::newRow("sign then letter") << "-x1" << 0 << 0.0;
    QTest::newRow("point first") << ".5" << 2 << 0.5;
    QTest::newRow("point last") << "5." << 2 << 5.0;
    QTest::newRow("fraction") << "1000.5" << 6 << 1000.5;
    QTest::newRow("second point ends it") << "1.2.3" << 3 << 1.2;
    QTest::newRow("exponent") << "1.5E3" << 5 << 1500.0;
    QTest::newRow("lower-case exponent with sign") << "25e-1" << 5 << 2.5;
    QTest::newRow("lower-case exponent then letter") << "1e-2x" << 4 << 0.01;
    QTest::newRow("engine exponent form") << "-1.11111109646345E-06" << 21 << -1.11111109646345e-06;
    QTest::newRow("exponent then letters") << "2.5E-03abc" << 7 << 0.0025;
    QTest::newRow("exponent without digits") << "1E" << 1 << 1.0;
    QTest::newRow("exponent sign without digits") << "7E+" << 1 << 7.0;
    QTest::newRow("exponent alone") << "E5" << 0 << 0.0;
    QTest::newRow("partial number") << "12abc" << 2 << 12.0;
    QTest::newRow("comma is no decimal point") << "1,5" << 1 << 1.0;
    QTest::newRow("blank ends it") << "1 000" << 1 << 1.0;
    QTest::newRow("blank after sign") << "- 5" << 0 << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << 1 << 0.0;
    QTest::newRow("classic hexadecimal") << "&H10" << 0 << 0.0;
    QTest::newRow("infinity") << "inf" << 0 << 0.0;
    QTest::newRow("not a number") << "nan" << 0 << 0.0;
    QTest::newRow("huge exponent") << "1E99999999999999999999" << 22 << inf;
    QTest::newRow("beyond double range") << "1E999" << 5 << inf;
    QTest::newRow("beyond double range negative") << "-1E999" << 6 << -inf;
    QTest::newRow("long mantissa beyond range") << "123456789E301" << 13 << inf;
    QTest::newRow("below double range") << "1E-999" << 6 << 0.0;
}

void TestNumberScanner::leadingLength()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(double, value);
    const std::string ascii = text.toStdString();
    QCOMPARE(NumberScanner::leadingLength(ascii), std::size_t(length));
    const std::string_view number = std::string_view(ascii).substr(0, std::size_t(length));
    QCOMPARE(number.empty() ? 0.0 : NumberScanner::convert<double>(number), value);
}

void TestNumberScanner::atLeastOne_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("atLeastOne");

    QTest::newRow("one") << "1" << true;
    QTest::newRow("just below one") << "0.999" << false;
    QTest::newRow("fraction lifted by its exponent") << "0.5E1" << true;
    QTest::newRow("digits lowered by their exponent") << "123E-3" << false;
    QTest::newRow("beyond double range") << "1E999" << true;
    QTest::newRow("long mantissa beyond range") << "123456789E301" << true;
    QTest::newRow("beyond single range in plain digits") << "1" + QString(40, '0') << true;
    QTest::newRow("below double range") << "1E-999" << false;
    QTest::newRow("many zeros after the point") << "0." + QString(53, '0') + "1" << false;
    QTest::newRow("huge negative exponent") << "1E-99999999999999999999" << false;
    QTest::newRow("zero with huge exponent") << "0E99999999999999999999" << false;
}

void TestNumberScanner::atLeastOne()
{
    QFETCH(QString, number);
    QFETCH(bool, atLeastOne);
    QCOMPARE(NumberScanner::atLeastOne(number.toStdString()), atLeastOne);
}

VH_LOCALE_TEST_MAIN(TestNumberScanner)
#include "tst_NumberScanner.moc"
