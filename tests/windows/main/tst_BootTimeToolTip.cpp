// SPDX-License-Identifier: MIT
#include "windows/main/BootTimeToolTip.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBootTimeToolTip : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
};

void TestBootTimeToolTip::text_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qulonglong>("uptime");
    QTest::addColumn<QString>("expected");

    constexpr qulonglong minute = 60'000;
    constexpr qulonglong hour = 60 * minute;
    constexpr qulonglong day = 24 * hour;
    // 1 h 2 min 3.5 s after 06:24:00 on Monday 7 December 2026.
    const QDateTime now(QDate(2026, 12, 7), QTime(7, 26, 3, 500), Qt::UTC);
    const qulonglong uptime = hour + 2 * minute + 3500;
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("same day") << british << now << uptime
                              << u"Up since Monday, 7 December 2026, 06:24"_s;
    // Back over midnight and the end of a month and a year.
    QTest::newRow("previous year")
        << british << QDateTime(QDate(2027, 1, 1), QTime(0, 30), Qt::UTC)
        << (25 * day + 18 * hour + 6 * minute) << u"Up since Sunday, 6 December 2026, 06:24"_s;
    // Each locale's own order of year, month and day, and its own digits.
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << now << uptime
                              << u"Up since 2026年12月7日月曜日, 6:24"_s;
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << now << uptime
                            << u"Up since الاثنين، ٧ ديسمبر ٢٠٢٦, ٦:٢٤ ص"_s;
}

void TestBootTimeToolTip::text()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, now);
    QFETCH(qulonglong, uptime);
    QFETCH(QString, expected);
    QCOMPARE(BootTimeToolTip::text(uptime, now, locale), expected);
}

QTEST_GUILESS_MAIN(TestBootTimeToolTip)
#include "tst_BootTimeToolTip.moc"
