// SPDX-License-Identifier: MIT
#include "platform/ZOrderAwaitingWindowManager.h"
#include "support/RecordingZOrder.h"

#include <QTest>

// The keeper's steps at each tick: look at the foreground twice, demote it,
// promote the strip.
class TestZOrderAwaitingWindowManager : public QObject
{
    Q_OBJECT

private slots:
    void takesUpTheWindowManager_data();
    void takesUpTheWindowManager();
};

void TestZOrderAwaitingWindowManager::takesUpTheWindowManager_data()
{
    QTest::addColumn<int>("appearsAtLook");   // 0: never
    QTest::addColumn<int>("fallbackCalls");   // of 4 a tick
    QTest::addColumn<int>("managerPromotes"); // of 4 ticks

    QTest::newRow("there at the first tick") << 1 << 0 << 4;
    QTest::newRow("comes at the third tick") << 5 << 8 << 2;
    QTest::newRow("comes between the two looks of a tick") << 4 << 5 << 3;
    QTest::newRow("never comes") << 0 << 16 << 0;
}

void TestZOrderAwaitingWindowManager::takesUpTheWindowManager()
{
    QFETCH(int, appearsAtLook);
    QFETCH(int, fallbackCalls);
    QFETCH(int, managerPromotes);
    constexpr ZOrder::Handle strip = 0x11;
    constexpr ZOrder::Handle front = 0x22;

    auto fallback = std::make_unique<RecordingZOrder>();
    auto manager = std::make_unique<RecordingZOrder>();
    RecordingZOrder *fallbackSeen = fallback.get();
    RecordingZOrder *managerSeen = manager.get();
    manager->front = front;
    int looks = 0;
    // The fallback is freed at the switch, so its calls are counted then.
    qsizetype fallbackCallsSeen = -1;
    QStringList told;
    ZOrderAwaitingWindowManager zOrder(
        std::move(fallback),
        [&]() -> std::unique_ptr<ZOrder> {
            ++looks;
            if (looks == appearsAtLook) {
                fallbackCallsSeen = fallbackSeen->calls.size();
                return std::move(manager);
            }
            return nullptr;
        },
        [&](const QString &line) { told << line; });

    for (int tick = 0; tick < 4; ++tick) {
        if (zOrder.foregroundWindow() != strip)
            zOrder.demote(zOrder.foregroundWindow());
        zOrder.promote(strip);
    }

    if (appearsAtLook == 0)
        fallbackCallsSeen = fallbackSeen->calls.size();
    QCOMPARE(fallbackCallsSeen, fallbackCalls);
    QCOMPARE(managerSeen->calls.count("promote 17"), managerPromotes);
    QCOMPARE(managerSeen->calls.count("demote 34"), managerPromotes);
    QCOMPARE(told.size(), appearsAtLook == 0 ? 0 : 1);
    QCOMPARE(zOrder.waiting(), appearsAtLook == 0);
    // Every look while waiting, none after.
    QCOMPARE(looks, appearsAtLook == 0 ? 8 : appearsAtLook);
}

QTEST_MAIN(TestZOrderAwaitingWindowManager)
#include "tst_ZOrderAwaitingWindowManager.moc"
