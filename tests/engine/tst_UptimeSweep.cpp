// SPDX-License-Identifier: MIT
// Covers src/engine/UptimeEngine.cpp with the cells, readings and rounding it uses.
#include "support/EnginePass.h"

#include <QTest>

#include <random>

// Checks the display line against plain integer arithmetic where rounding is
// most likely to slip: around every minute boundary of the whole 32-bit range,
// and at random points up to 20 years of uptime.
class TestUptimeSweep : public QObject
{
    Q_OBJECT

private slots:
    void minuteBoundaries();
    void randomPoints();

private:
    void check(UptimeEngine &engine, FixedTickSource &ticks, std::uint64_t t);
    int m_failures = 0;
};

void TestUptimeSweep::check(UptimeEngine &engine, FixedTickSource &ticks, std::uint64_t t)
{
    const std::string line = runPass(engine, ticks, t);
    const std::string expected = integerBreakdownLine(t);
    if (line != expected && ++m_failures <= 20)
        qWarning("t=%llu: got \"%s\", expected \"%s\"", static_cast<unsigned long long>(t),
                 line.c_str(), expected.c_str());
}

void TestUptimeSweep::minuteBoundaries()
{
    m_failures = 0;
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    constexpr std::uint64_t top = 0xFFFFFFFFull;
    for (std::uint64_t boundary = 0; boundary <= top + 60000; boundary += 60000) {
        for (int offset = -3; offset <= 3; ++offset) {
            if (boundary == 0 && offset < 0)
                continue;
            check(engine, ticks, boundary + offset);
        }
    }
    check(engine, ticks, top);
    QCOMPARE(m_failures, 0);
}

void TestUptimeSweep::randomPoints()
{
    m_failures = 0;
    FixedTickSource ticks;
    UptimeEngine engine(ticks);
    constexpr std::uint64_t twentyYears = 20ull * 365 * 86400000;
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::uint64_t> tick(0, twentyYears);
    for (int i = 0; i < 300000; ++i)
        check(engine, ticks, tick(random));
    QCOMPARE(m_failures, 0);
}

QTEST_APPLESS_MAIN(TestUptimeSweep)
#include "tst_UptimeSweep.moc"
