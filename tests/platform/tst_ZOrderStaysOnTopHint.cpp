// SPDX-License-Identifier: MIT
#include "platform/ZOrderStaysOnTopHint.h"

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

class VisibilityLog : public QObject
{
public:
    int hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

bool staysOnTop(const QWidget &window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
           window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

ZOrder::Handle handleOf(const QWidget &window)
{
    return static_cast<ZOrder::Handle>(window.winId());
}

} // namespace

class TestZOrderStaysOnTopHint : public QObject
{
    Q_OBJECT

private slots:
    void chosenWhereOtherWindowsAreOutOfSight();
    void hintComesAndGoesWithoutHiding_data();
    void hintComesAndGoesWithoutHiding();
    void onlyTheNamedWindowChanges();
    void saysSoOnce();
};

void TestZOrderStaysOnTopHint::chosenWhereOtherWindowsAreOutOfSight()
{
    const std::unique_ptr<ZOrder> zOrder = ZOrder::forPlatform();
    QVERIFY(dynamic_cast<ZOrderStaysOnTopHint *>(zOrder.get()));
    QCOMPARE(zOrder->foregroundWindow(), ZOrder::Handle(0));
}

void TestZOrderStaysOnTopHint::hintComesAndGoesWithoutHiding_data()
{
    QTest::addColumn<Qt::WindowType>("type");

    QTest::newRow("tool window") << Qt::Tool;
    QTest::newRow("plain window") << Qt::Window;
}

void TestZOrderStaysOnTopHint::hintComesAndGoesWithoutHiding()
{
    QFETCH(Qt::WindowType, type);
    ZOrderStaysOnTopHint zOrder([](const QString &) {});
    QWidget window(nullptr, type);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow *native = window.windowHandle();
    const ZOrder::Handle handle = handleOf(window);
    VisibilityLog log;
    window.installEventFilter(&log);

    zOrder.promote(handle);
    QVERIFY(staysOnTop(window));
    QVERIFY(window.windowFlags().testFlag(type));
    zOrder.promote(handle);
    QVERIFY(staysOnTop(window));
    zOrder.demote(handle);
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!native->flags().testFlag(Qt::WindowStaysOnTopHint));

    QCOMPARE(log.hides, 0);
    QVERIFY(window.isVisible());
    QVERIFY(native->isVisible());
    QCOMPARE(window.windowHandle(), native);
    QCOMPARE(handleOf(window), handle);
}

void TestZOrderStaysOnTopHint::onlyTheNamedWindowChanges()
{
    ZOrderStaysOnTopHint zOrder([](const QString &) {});
    QWidget first;
    QWidget second;
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));

    zOrder.promote(0);
    zOrder.promote(handleOf(first) + handleOf(second) + 1000);
    QVERIFY(!staysOnTop(first));
    QVERIFY(!staysOnTop(second));

    zOrder.promote(handleOf(second));
    QVERIFY(!staysOnTop(first));
    QVERIFY(staysOnTop(second));

    zOrder.demote(0);
    zOrder.demote(handleOf(first));
    QVERIFY(staysOnTop(second));
}

void TestZOrderStaysOnTopHint::saysSoOnce()
{
    QStringList lines;
    ZOrderStaysOnTopHint zOrder([&lines](const QString &line) { lines << line; });
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(lines.isEmpty());

    for (int tick = 0; tick < 3; ++tick) {
        QCOMPARE(zOrder.foregroundWindow(), ZOrder::Handle(0));
        zOrder.demote(0);
        zOrder.promote(handleOf(window));
    }
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains(QStringLiteral("Always On Top")));
}

QTEST_MAIN(TestZOrderStaysOnTopHint)
#include "tst_ZOrderStaysOnTopHint.moc"
