// SPDX-License-Identifier: MIT
#include "ui/FormTimer.h"
#include "ui/TimerService.h"

#include <QTest>

#include <memory>

class TestTimerService : public QObject
{
    Q_OBJECT

private slots:
    void firingTimes_data();
    void firingTimes();
    void dueTogetherFireInRegistrationOrder();
    void handlerMayStopALaterTimer();
    void settingTheSameFlagKeepsTheCountdown();
    void destroyedTimerNeverFires();
    void haltStopsEverything();
    void realClockDrivesTimers();
    void uptimeRunsAtEachWholeSecond_data();
    void uptimeRunsAtEachWholeSecond();
    void framesWhileDemanded();

private:
    qint64 m_now = 0;
    TimerService::Clock clock()
    {
        return [this] { return m_now; };
    }
    // As while the live calculations window shows every value.
    std::unique_ptr<TimerService> framedService()
    {
        auto service = std::make_unique<TimerService>(clock());
        service->demandFrames();
        return service;
    }
};

void TestTimerService::firingTimes_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("count"); // ticks within the first 200 ms
    QTest::addColumn<int>("period");

    QTest::newRow("interval 0 never fires") << 0 << true << 0 << 0;
    QTest::newRow("1 ms raised to a frame") << 1 << true << 6 << 32;
    QTest::newRow("32 ms") << 32 << true << 6 << 32;
    QTest::newRow("40 ms") << 40 << true << 5 << 40;
    QTest::newRow("disabled never fires") << 32 << false << 0 << 0;
}

void TestTimerService::firingTimes()
{
    QFETCH(int, interval);
    QFETCH(bool, enabled);
    QFETCH(int, count);
    QFETCH(int, period);

    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    FormTimer timer(QStringLiteral("T"), service);
    timer.setEnabled(enabled);
    QList<int> fired;
    timer.onTimer([&] { fired << int(m_now); });
    timer.setInterval(interval);
    for (m_now = 0; m_now <= 200; ++m_now)
        service.runDue();
    QCOMPARE(fired.size(), count);
    if (count == 0)
        return;
    // Never more than the gathering window early, and no drift after that.
    QVERIFY(fired.first() >= period - TimerService::gatherWindow);
    QVERIFY(fired.first() <= period);
    for (int i = 1; i < fired.size(); ++i)
        QCOMPARE(fired.at(i) - fired.at(i - 1), period);
}

void TestTimerService::dueTogetherFireInRegistrationOrder()
{
    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    QStringList order;
    std::vector<std::unique_ptr<FormTimer>> timers;
    for (const char *name : {"first", "second", "third"}) {
        timers.push_back(std::make_unique<FormTimer>(QLatin1String(name), service));
        timers.back()->onTimer([&order, name] { order << QLatin1String(name); });
    }
    // Started a few milliseconds apart, in reverse, as a slow handler might.
    for (int i = 2; i >= 0; --i) {
        timers[i]->setInterval(1);
        m_now += 2;
    }
    m_now = 32;
    QCOMPARE(service.runDue(), 3);
    QCOMPARE(order, (QStringList{"first", "second", "third"}));
    order.clear();
    m_now = 64;
    QCOMPARE(service.runDue(), 3);
    QCOMPARE(order, (QStringList{"first", "second", "third"}));
}

void TestTimerService::handlerMayStopALaterTimer()
{
    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    FormTimer first(QStringLiteral("first"), service);
    FormTimer second(QStringLiteral("second"), service);
    int secondFired = 0;
    first.onTimer([&] { second.setEnabled(false); });
    second.onTimer([&] { ++secondFired; });
    first.setInterval(1);
    second.setInterval(1);
    m_now = 32;
    QCOMPARE(service.runDue(), 1);
    QCOMPARE(secondFired, 0);
}

void TestTimerService::settingTheSameFlagKeepsTheCountdown()
{
    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    FormTimer timer(QStringLiteral("T"), service);
    int fired = 0;
    timer.onTimer([&] { ++fired; });
    timer.setInterval(1000);
    m_now = 900;
    timer.setEnabled(true);
    m_now = 1000;
    QCOMPARE(service.runDue(), 1);

    // Enabling a stopped timer: the first tick comes one interval later.
    timer.setEnabled(false);
    m_now = 1500;
    timer.setEnabled(true);
    m_now = 2000;
    QCOMPARE(service.runDue(), 0);
    m_now = 2500;
    QCOMPARE(service.runDue(), 1);
    QCOMPARE(fired, 2);
}

void TestTimerService::destroyedTimerNeverFires()
{
    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    int fired = 0;
    auto doomed = std::make_unique<FormTimer>(QStringLiteral("doomed"), service);
    FormTimer killer(QStringLiteral("killer"), service);
    killer.onTimer([&] { doomed.reset(); });
    doomed->onTimer([&] { ++fired; });
    // The killer is registered second but the doomed timer is not due yet.
    killer.setInterval(32);
    doomed->setInterval(64);
    m_now = 32;
    service.runDue();
    m_now = 64;
    service.runDue();
    QCOMPARE(fired, 0);
}

void TestTimerService::haltStopsEverything()
{
    m_now = 0;
    auto framed = framedService();
    TimerService &service = *framed;
    FormTimer timer(QStringLiteral("T"), service);
    int fired = 0;
    timer.onTimer([&] { ++fired; });
    timer.setInterval(1);
    service.halt();
    m_now = 100;
    QCOMPARE(service.runDue(), 0);
    QCOMPARE(fired, 0);
}

void TestTimerService::realClockDrivesTimers()
{
    TimerService service;
    service.demandFrames();
    FormTimer timer(QStringLiteral("T"), service);
    int fired = 0;
    timer.onTimer([&] { ++fired; });
    timer.setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(fired >= 5, 2000);
    // No faster than the minimum period allows.
    QElapsedTimer elapsed;
    elapsed.start();
    const int before = fired;
    QTest::qWait(320);
    QVERIFY2(fired - before <= 320 / TimerService::minimumPeriod + 1,
             qPrintable(QString::number(fired - before)));
}

void TestTimerService::uptimeRunsAtEachWholeSecond_data()
{
    QTest::addColumn<qint64>("start"); // the tick counter when the timers start

    QTest::newRow("mid-second") << qint64(90061001);
    QTest::newRow("before a minute") << qint64(59990);
    QTest::newRow("before an hour") << qint64(3599977);
    QTest::newRow("before a day") << qint64(86399969);
    QTest::newRow("before 2^32 ms") << qint64(4294967295LL - 40);
    QTest::newRow("past 2^32 ms") << qint64(3LL * 4294967296LL + 123);
}

void TestTimerService::uptimeRunsAtEachWholeSecond()
{
    QFETCH(qint64, start);
    m_now = start;
    TimerService service(clock());
    FormTimer sampling(QStringLiteral("sampling"), service);
    FormTimer keeper(QStringLiteral("keeper"), service);
    QList<qint64> samples;
    QList<qint64> kept{start};
    sampling.onTimer([&] { samples << m_now; });
    keeper.onTimer([&] { kept << m_now; });
    sampling.setInterval(1);
    keeper.setInterval(1000);

    // The first pass comes a frame after the start, then one at each whole
    // second of the tick counter, and the keeper joins them.
    for (int pass = 0; pass < 8; ++pass) {
        m_now = *service.nextPass();
        service.runDue();
    }
    QCOMPARE(samples.first(), start + TimerService::minimumPeriod);
    for (qsizetype i = 1; i < samples.size(); ++i)
        QCOMPARE(samples[i], (start + TimerService::minimumPeriod) / 1000 * 1000 + i * 1000);
    QVERIFY2(samples.size() >= 6, "the keeper wakes the service on its own at most twice");
    // Joining the whole seconds never stretches the keeper's interval.
    for (qsizetype i = 1; i < kept.size(); ++i) {
        QVERIFY(kept[i] - kept[i - 1] <= 1000);
        QVERIFY(i < 2 || kept[i] % 1000 == 0);
    }

    sampling.setEnabled(false);
    keeper.setEnabled(false);
    QVERIFY(!service.nextPass()); // nothing wakes for stopped timers
}

void TestTimerService::framesWhileDemanded()
{
    m_now = 4294967296LL + 500;
    TimerService service(clock());
    FormTimer sampling(QStringLiteral("sampling"), service);
    int fired = 0;
    sampling.onTimer([&] { ++fired; });
    sampling.setInterval(1);
    m_now = *service.nextPass();
    service.runDue();
    QCOMPARE(*service.nextPass(), 4294968000LL);

    // Opening the live window switches at once, closing switches back.
    service.demandFrames();
    QVERIFY(*service.nextPass() <= m_now + TimerService::minimumPeriod);
    const qint64 opened = m_now;
    fired = 0;
    while (*service.nextPass() <= opened + 1000) {
        m_now = *service.nextPass();
        service.runDue();
    }
    QVERIFY2(fired >= 30, qPrintable(QString::number(fired)));
    service.releaseFrames();
    QCOMPARE(*service.nextPass(), (m_now / 1000 + 1) * 1000);
}

QTEST_GUILESS_MAIN(TestTimerService)
#include "tst_TimerService.moc"
