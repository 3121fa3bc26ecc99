// SPDX-License-Identifier: MIT
// Covers the keeper of src/forms/main/VH_WTK_MAIN.cpp, through platform/ZOrder.h.
#include "support/WindowTestBed.h"
#include "ui/controls/TickBox.h"

#include <QTest>

class TestAlwaysOnTop : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneTick_data();
    void oneTick();
    void storedOption_data();
    void storedOption();
    void switchingTheOption_data();
    void switchingTheOption();
    void eachTickLooksAfresh();

private:
    static constexpr ZOrder::Handle other = 0x5a0001;
    static constexpr ZOrder::Handle another = 0x5a0002;

    void makeWindow(const QString &storedOption);
    ZOrder::Handle handle(const QString &name) const;
    // Advances the clock frame by frame; returns when the keeper ticked.
    QList<int> runUntil(qint64 end);
    void toggleOption();
};

void TestAlwaysOnTop::init()
{
    setUpBed();
    m_ticks.now = 90061001;
}

void TestAlwaysOnTop::cleanup()
{
    tearDownBed();
}

void TestAlwaysOnTop::makeWindow(const QString &storedOption)
{
    if (!storedOption.isEmpty())
        m_store->stored.insert("AlwaysOnTop_TICKBOX", storedOption);
    createWindows();
    m_main->load();
    m_zOrder->names = {
        {handle("main"), "main"}, {other, "other"}, {another, "another"}, {0, "none"}};
}

ZOrder::Handle TestAlwaysOnTop::handle(const QString &name) const
{
    if (name == "main")
        return static_cast<ZOrder::Handle>(m_main->surface()->winId());
    if (name == "other")
        return other;
    if (name == "another")
        return another;
    return 0;
}

QList<int> TestAlwaysOnTop::runUntil(qint64 end)
{
    QList<int> ticks;
    while (m_now + TimerService::minimumPeriod <= end) {
        m_now += TimerService::minimumPeriod;
        const qsizetype before = m_zOrder->calls.size();
        m_timers->runDue();
        if (m_zOrder->calls.size() > before)
            ticks << int(m_now);
    }
    m_now = end;
    return ticks;
}

void TestAlwaysOnTop::toggleOption()
{
    // As a user does it: a click on the About window's tickbox.
    if (!m_about->isLoaded())
        m_about->load(m_main.get());
    m_about->alwaysOnTopTickbox()->click();
}

namespace {

// Ticks come within a frame of their due time.
bool sameTimes(const QList<int> &actual, const QList<int> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (qAbs(actual[i] - expected[i]) >= TimerService::minimumPeriod)
            return false;
    }
    return true;
}

QByteArray describe(const QList<int> &times)
{
    QStringList texts;
    for (int time : times)
        texts << QString::number(time);
    return texts.join(", ").toUtf8();
}

const QStringList otherInFront{"foreground", "foreground", "demote other", "promote main"};

} // namespace

void TestAlwaysOnTop::oneTick_data()
{
    QTest::addColumn<QStringList>("answers"); // to the foreground queries, in turn
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("main window in front") << QStringList{"main"} << QStringList{"foreground"};
    QTest::newRow("other window in front") << QStringList{"other", "other"} << otherInFront;
    QTest::newRow("no window in front")
        << QStringList{"none", "none"}
        << QStringList{"foreground", "foreground", "demote none", "promote main"};
    QTest::newRow("front moves on between the queries")
        << QStringList{"other", "another"}
        << QStringList{"foreground", "foreground", "demote another", "promote main"};
    QTest::newRow("main window comes to front between the queries")
        << QStringList{"other", "main"}
        << QStringList{"foreground", "foreground", "demote main", "promote main"};
}

void TestAlwaysOnTop::oneTick()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, calls);
    makeWindow(QString());
    for (const QString &answer : answers)
        m_zOrder->answers << handle(answer);

    QCOMPARE(runUntil(1000).size(), 1);
    QCOMPARE(m_zOrder->calls, calls);
}

void TestAlwaysOnTop::storedOption_data()
{
    QTest::addColumn<QString>("stored"); // empty: no key
    QTest::addColumn<QList<int>>("ticks");

    QTest::newRow("missing counts as on") << "" << QList<int>{1000, 2000, 3000};
    QTest::newRow("1 is on") << "1" << QList<int>{1000, 2000, 3000};
    QTest::newRow("0 is off") << "0" << QList<int>{};
    QTest::newRow("2 counts as off") << "2" << QList<int>{};
}

void TestAlwaysOnTop::storedOption()
{
    QFETCH(QString, stored);
    QFETCH(QList<int>, ticks);
    makeWindow(stored);
    m_zOrder->front = other;

    const QList<int> ticked = runUntil(3500);
    QVERIFY2(sameTimes(ticked, ticks), describe(ticked));
    QStringList calls;
    for (qsizetype i = 0; i < ticks.size(); ++i)
        calls << otherInFront;
    QCOMPARE(m_zOrder->calls, calls);
}

void TestAlwaysOnTop::switchingTheOption_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("toggles"); // times at which the option flips
    QTest::addColumn<QList<int>>("ticks");   // within the first 5 s

    QTest::newRow("ticked at 2.5 s") << "0" << QList<int>{2500} << QList<int>{3500, 4500};
    QTest::newRow("cleared at 2.5 s") << "1" << QList<int>{2500} << QList<int>{1000, 2000};
    QTest::newRow("cleared at 1.5 s, ticked at 3.2 s")
        << "1" << QList<int>{1500, 3200} << QList<int>{1000, 4200};
}

void TestAlwaysOnTop::switchingTheOption()
{
    QFETCH(QString, stored);
    QFETCH(QList<int>, toggles);
    QFETCH(QList<int>, ticks);
    makeWindow(stored);
    m_zOrder->front = other;

    QList<int> ticked;
    for (int at : toggles) {
        ticked << runUntil(at);
        toggleOption();
    }
    ticked << runUntil(5000);
    QVERIFY2(sameTimes(ticked, ticks), describe(ticked));
    // Clearing the option undoes nothing: each tick made its two calls, and
    // nothing came after the last one.
    QStringList calls;
    for (qsizetype i = 0; i < ticks.size(); ++i)
        calls << otherInFront;
    QCOMPARE(m_zOrder->calls, calls);
}

void TestAlwaysOnTop::eachTickLooksAfresh()
{
    makeWindow(QString());
    for (const char *answer : {"other", "other", "main", "other", "other", "none", "none"})
        m_zOrder->answers << handle(answer);
    m_zOrder->front = handle("main");

    QCOMPARE(runUntil(5500).size(), 5);
    QCOMPARE(m_zOrder->calls,
             (QStringList{"foreground", "foreground", "demote other", "promote main", "foreground",
                          "foreground", "foreground", "demote other", "promote main", "foreground",
                          "foreground", "demote none", "promote main", "foreground"}));
}

QTEST_MAIN(TestAlwaysOnTop)
#include "tst_AlwaysOnTop.moc"
