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

private:
    qint64 m_now = 0;
    TimerService::Clock clock()
    {
        return [this] { return m_now; };
    }
};

void TestTimerService::firingTimes_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("count"); // ticks within the first 200 ms
    QTest::addColumn<int>("period");

    QTest::newRow("interval 0 never fires") << 0 << true << 0 << 0;
    QTest::newRow("1 ms raised to 16") << 1 << true << 13 << 16;
    QTest::newRow("16 ms") << 16 << true << 13 << 16;
    QTest::newRow("40 ms") << 40 << true << 5 << 40;
    QTest::newRow("disabled never fires") << 16 << false << 0 << 0;
}

void TestTimerService::firingTimes()
{
    QFETCH(int, interval);
    QFETCH(bool, enabled);
    QFETCH(int, count);
    QFETCH(int, period);

    m_now = 0;
    TimerService service(clock());
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
    TimerService service(clock());
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
    m_now = 25;
    QCOMPARE(service.runDue(), 3);
    QCOMPARE(order, (QStringList{"first", "second", "third"}));
    order.clear();
    m_now = 41;
    QCOMPARE(service.runDue(), 3);
    QCOMPARE(order, (QStringList{"first", "second", "third"}));
}

void TestTimerService::handlerMayStopALaterTimer()
{
    m_now = 0;
    TimerService service(clock());
    FormTimer first(QStringLiteral("first"), service);
    FormTimer second(QStringLiteral("second"), service);
    int secondFired = 0;
    first.onTimer([&] { second.setEnabled(false); });
    second.onTimer([&] { ++secondFired; });
    first.setInterval(1);
    second.setInterval(1);
    m_now = 16;
    QCOMPARE(service.runDue(), 1);
    QCOMPARE(secondFired, 0);
}

void TestTimerService::settingTheSameFlagKeepsTheCountdown()
{
    m_now = 0;
    TimerService service(clock());
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
    TimerService service(clock());
    int fired = 0;
    auto doomed = std::make_unique<FormTimer>(QStringLiteral("doomed"), service);
    FormTimer killer(QStringLiteral("killer"), service);
    killer.onTimer([&] { doomed.reset(); });
    doomed->onTimer([&] { ++fired; });
    // The killer is registered second but the doomed timer is not due yet.
    killer.setInterval(16);
    doomed->setInterval(32);
    m_now = 16;
    service.runDue();
    m_now = 32;
    service.runDue();
    QCOMPARE(fired, 0);
}

void TestTimerService::haltStopsEverything()
{
    m_now = 0;
    TimerService service(clock());
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

QTEST_GUILESS_MAIN(TestTimerService)
#include "tst_TimerService.moc"
