// SPDX-License-Identifier: MIT
#include "platform/NeverMinimised.h"

#include <QTest>
#include <QWidget>

class TestNeverMinimised : public QObject
{
    Q_OBJECT

private slots:
    void comesBack_data();
    void comesBack();
};

void TestNeverMinimised::comesBack_data()
{
    QTest::addColumn<Qt::WindowStates>("minimised");

    QTest::newRow("minimised") << Qt::WindowStates(Qt::WindowMinimized);
    QTest::newRow("minimised from maximised")
        << Qt::WindowStates(Qt::WindowMinimized | Qt::WindowMaximized);
}

void TestNeverMinimised::comesBack()
{
    QFETCH(Qt::WindowStates, minimised);
    QWidget window(nullptr, Qt::Tool);
    new NeverMinimised(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (int time = 0; time < 2; ++time) {
        window.setWindowState(minimised);
        QVERIFY(window.isMinimized());
        QTRY_VERIFY(!window.isMinimized());
        QCOMPARE(window.windowState(), minimised & ~Qt::WindowMinimized);
        QVERIFY(window.isVisible());
    }
}

QTEST_MAIN(TestNeverMinimised)
#include "tst_NeverMinimised.moc"
