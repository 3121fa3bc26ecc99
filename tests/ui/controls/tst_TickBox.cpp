// SPDX-License-Identifier: MIT
#include "ui/controls/TickBox.h"

#include <QApplication>
#include <QTest>

class TestTickBox : public QObject
{
    Q_OBJECT

private slots:
    void setByCode_data();
    void setByCode();
    void clickedByUser_data();
    void clickedByUser();
    void refusesOtherStates();
    void wrapsLongCaption();
};

void TestTickBox::setByCode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("clicks"); // click behaviour runs

    for (int from = 0; from <= 2; ++from) {
        for (int to = 0; to <= 2; ++to)
            QTest::addRow("%d to %d", from, to) << from << to << (from == to ? 0 : 1);
    }
}

void TestTickBox::setByCode()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, clicks);
    TickBox box(QStringLiteral("AutoStart"));
    box.setValue(from);
    QList<int> seen;
    connect(&box, &TickBox::valueChanged, this, [&seen](int value) { seen << value; });
    QVERIFY(box.setValue(to));
    QCOMPARE(box.value(), to);
    QCOMPARE(seen.size(), clicks);
    if (clicks)
        QCOMPARE(seen.first(), to);
}

void TestTickBox::clickedByUser_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("after"); // state after each of three clicks

    QTest::newRow("clear") << 0 << QList<int>{1, 0, 1};
    QTest::newRow("ticked") << 1 << QList<int>{0, 1, 0};
    QTest::newRow("greyed") << 2 << QList<int>{1, 0, 1};
}

void TestTickBox::clickedByUser()
{
    QFETCH(int, from);
    QFETCH(QList<int>, after);
    TickBox box(QStringLiteral("Always On Top"));
    box.resize(200, 30);
    box.setValue(from);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QList<int> seen;
    connect(&box, &TickBox::valueChanged, this, [&seen](int value) { seen << value; });
    for (int i = 0; i < after.size(); ++i) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
        QCOMPARE(box.value(), after.at(i));
    }
    QCOMPARE(seen, after);
}

void TestTickBox::refusesOtherStates()
{
    TickBox box(QStringLiteral("AutoStart"));
    box.setValue(1);
    QVERIFY(!box.setValue(3));
    QVERIFY(!box.setValue(-1));
    QCOMPARE(box.value(), 1);
}

void TestTickBox::wrapsLongCaption()
{
    TickBox box(QStringLiteral("Always On Top"));
    box.setWrapping(true);
    box.resize(65, 33);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.text().contains(QLatin1Char('\n')));
    QCOMPARE(box.caption(), QStringLiteral("Always On Top"));
    QCOMPARE(QString(box.text()).replace(QLatin1Char('\n'), QLatin1Char(' ')),
             QStringLiteral("Always On Top"));
    box.resize(400, 33);
    QCOMPARE(box.text(), QStringLiteral("Always On Top"));
}

QTEST_MAIN(TestTickBox)
#include "tst_TickBox.moc"
