// SPDX-License-Identifier: MIT
#include "forms/main/BootTimeToolTip.h"
#include "platform/FastStartup.h"

#include <QDateTime>
#include <QLocale>
#include <QSettings>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

class TestBootTimeToolTip : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void cleanupTestCase();

private:
    // The machine's power settings, as Windows keeps them; invalid: none.
    static void setPower(const QString &key, const QString &name, const QVariant &number);
};

namespace {

const QString sessionPower = u"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Power"_s;
const QString power = u"SYSTEM\\CurrentControlSet\\Control\\Power"_s;

} // namespace

void TestBootTimeToolTip::setPower([[maybe_unused]] const QString &key,
                                   [[maybe_unused]] const QString &name,
                                   [[maybe_unused]] const QVariant &number)
{
#ifdef Q_OS_WIN
    QSettings settings(u"HKEY_LOCAL_MACHINE\\"_s + key, QSettings::NativeFormat);
    number.isValid() ? settings.setValue(name, number.toInt()) : settings.remove(name);
#endif
}

void TestBootTimeToolTip::cleanupTestCase()
{
    setPower(sessionPower, u"HiberbootEnabled"_s, {});
    setPower(power, u"HibernateEnabled"_s, {});
}

void TestBootTimeToolTip::text_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qulonglong>("uptime");
    // Fast Startup's switch and hibernation's, on Windows; invalid: unset.
    QTest::addColumn<QVariant>("hiberboot");
    QTest::addColumn<QVariant>("hibernate");
    QTest::addColumn<QString>("expected");

    constexpr qulonglong minute = 60'000;
    constexpr qulonglong hour = 60 * minute;
    constexpr qulonglong day = 24 * hour;
    // 1 h 2 min 3.5 s after 06:24:00 on Monday 7 December 2026.
    const QDateTime now(QDate(2026, 12, 7), QTime(7, 26, 3, 500), QTimeZone::utc());
    const qulonglong uptime = hour + 2 * minute + 3500;
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QString upSince = u"Up since Monday, 7 December 2026, 06:24"_s;
    QTest::newRow("same day") << british << now << uptime << QVariant() << QVariant() << upSince;
    // Back over midnight and the end of a month and a year.
    QTest::newRow("previous year")
        << british << QDateTime(QDate(2027, 1, 1), QTime(0, 30), QTimeZone::utc())
        << (25 * day + 18 * hour + 6 * minute) << QVariant() << QVariant()
        << u"Up since Sunday, 6 December 2026, 06:24"_s;
    // Each locale's own order of year, month and day, and its own digits.
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan) << now << uptime
                              << QVariant() << QVariant()
                              << u"Up since 2026年12月7日月曜日, 6:24"_s;
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << now << uptime
                            << QVariant() << QVariant()
                            << u"Up since الاثنين، ٧ ديسمبر ٢٠٢٦, ٦:٢٤ ص"_s;
    // A shutdown with Fast Startup hibernates Windows' kernel, and the count
    // goes on; Fast Startup needs hibernation. Elsewhere nothing is added.
#ifdef Q_OS_WIN
    const QString sinceRestart =
        upSince + u"\nCounted from the last restart: Shut down with Fast Startup does not end "
                  u"the count."_s;
#else
    const QString sinceRestart = upSince;
#endif
    QTest::newRow("Fast Startup on")
        << british << now << uptime << QVariant(1) << QVariant() << sinceRestart;
    QTest::newRow("Fast Startup off")
        << british << now << uptime << QVariant(0) << QVariant() << upSince;
    QTest::newRow("hibernation off")
        << british << now << uptime << QVariant(1) << QVariant(0) << upSince;
}

void TestBootTimeToolTip::text()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, now);
    QFETCH(qulonglong, uptime);
    QFETCH(QVariant, hiberboot);
    QFETCH(QVariant, hibernate);
    QFETCH(QString, expected);
    setPower(sessionPower, u"HiberbootEnabled"_s, hiberboot);
    setPower(power, u"HibernateEnabled"_s, hibernate);
    QCOMPARE(BootTimeToolTip::text(uptime, now, locale, FastStartup::keepsTheCount()), expected);
}

QTEST_GUILESS_MAIN(TestBootTimeToolTip)
#include "tst_BootTimeToolTip.moc"
