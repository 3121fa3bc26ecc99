// SPDX-License-Identifier: MIT
// Covers the position texts of src/settings/Settings.cpp and SettingText.cpp.
#include "settings/Settings.h"
#include "support/LocaleTestMain.h"

#include <QTest>

#include <limits>

class TestPositionText : public QObject
{
    Q_OBJECT

private slots:
    void positionText_data();
    void positionText();
};

void TestPositionText::positionText_data()
{
    QTest::addColumn<float>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 1000.0f << "1000";
    QTest::newRow("one") << 1.0f << "1";
    QTest::newRow("negative") << -1500.0f << "-1500";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("fraction") << 1000.5f << "1000.5";
    QTest::newRow("negative fraction") << -0.25f << "-0.25";
    QTest::newRow("tenth without binary noise") << 0.1f << "0.1";
    QTest::newRow("third to seven digits") << 1.0f / 3.0f << "0.3333333";
    QTest::newRow("fraction rounded to seven digits") << 1234.5678f << "1234.568";
    QTest::newRow("largest below one") << 0.99999994f << "0.9999999";
    QTest::newRow("rounding carries into a new digit") << 99999997952.0f << "100000000000";
    QTest::newRow("seven-digit whole") << 1234567.0f << "1234567";
    QTest::newRow("seven-digit whole negative") << -1234567.0f << "-1234567";
    QTest::newRow("eight-digit whole rounded") << 12345678.0f << "12345680";
    QTest::newRow("two to the 24th negative") << -16777216.0f << "-16777220";
    QTest::newRow("ten thousand million") << 1e10f << "10000000000";
    QTest::newRow("largest single")
        << std::numeric_limits<float>::max() << "340282300000000000000000000000000000000";
    QTest::newRow("ten thousandth") << 0.0001f << "0.0001";
    QTest::newRow("below ten thousandth") << 0.00001f << "1E-05";
    QTest::newRow("below ten thousandth with digits") << -1.5e-10f << "-1.5E-10";
}

void TestPositionText::positionText()
{
    QFETCH(float, twips);
    QFETCH(QString, text);
    QCOMPARE(Settings::positionText(twips), text);
}

VH_LOCALE_TEST_MAIN(TestPositionText)
#include "tst_PositionText.moc"
