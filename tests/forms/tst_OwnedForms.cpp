// SPDX-License-Identifier: MIT
// Covers src/forms/about/ and src/forms/live/, with the modal showing of src/ui/Form.cpp.
#include "support/WindowTestBed.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// What the About and live calculations windows have in common: both open
// modally above their owner, save their position, and are laid out alike.
class TestOwnedForms : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void tabOrder_data();
    void tabOrder();
    void okSavesPositionTwiceCloseBoxOnce_data();
    void okSavesPositionTwiceCloseBoxOnce();

private:
    // The window of a row, made and loaded above its owner when `load`.
    Form *window(bool load);
};

void TestOwnedForms::init()
{
    setUpBed();
}

void TestOwnedForms::cleanup()
{
    tearDownBed();
}

Form *TestOwnedForms::window(bool load)
{
    QFETCH(bool, live);
    createWindows();
    m_main->load();
    m_main->show();
    Form *owner = m_main.get();
    if (live) {
        m_about->load(m_main.get());
        m_about->show();
        owner = m_about.get();
    }
    Form *form = live ? static_cast<Form *>(m_live.get()) : m_about.get();
    if (load) {
        form->load(owner);
        form->show();
        if (!QTest::qWaitForWindowExposed(form->surface()))
            return nullptr;
    }
    return form;
}

void TestOwnedForms::layout_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("clientTwips");
    QTest::addColumn<int>("controls");
    QTest::addColumn<QPoint>("farthestTwips"); // right and bottom edges of the controls

    QTest::newRow("About") << false << "VH-WREN-TICKER - ABOUT" << QSize(8325, 2040) << 10
                           << QPoint(8175, 1815);
    QTest::newRow("live calculations") << true << "VH-WREN-TICKER - LIVE CALCULATIONS"
                                       << QSize(14760, 5820) << 73 << QPoint(14655, 5655);
}

void TestOwnedForms::layout()
{
    QFETCH(QString, title);
    QFETCH(QSize, clientTwips);
    QFETCH(int, controls);
    QFETCH(QPoint, farthestTwips);
    Form *form = window(true);
    QVERIFY(form);
    QWidget *surface = form->surface();
    QCOMPARE(surface->windowTitle(), title);
    QVERIFY(!surface->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!surface->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!surface->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(surface->size(), clientTwips / 15);
    QCOMPARE(form->left(), 1000.0);
    QCOMPARE(form->top(), 1000.0);

    QPoint farthest;
    const auto children = surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), controls);
    for (const QWidget *control : children) {
        QVERIFY2(surface->rect().contains(control->geometry()), qPrintable(control->objectName()));
        farthest.setX(std::max(farthest.x(), control->geometry().right() + 1));
        farthest.setY(std::max(farthest.y(), control->geometry().bottom() + 1));
    }
    QCOMPARE(farthest, farthestTwips / 15);
}

void TestOwnedForms::tabOrder_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<QStringList>("order"); // from the first focus round to it again

    QTest::newRow("About") << false
                           << QStringList{"OK_BUTTON", "AUTOSTART_TICKBOX", "AlwaysOnTop_TICKBOX",
                                          "LIVE_CALCULATIONS_BUTTON", "OK_BUTTON"};
    QTest::newRow("live calculations") << true
                                       << QStringList{"OK_BUTTON",
                                                      "TOTAL_MIL_SEC",
                                                      "TOTAL_MIL_MIN",
                                                      "TOTAL_MIL_HOUR",
                                                      "TOTAL_MIL_DAY",
                                                      "TOTAL_MIL_WEEK",
                                                      "TOTAL_MIL_MONTH",
                                                      "TOTAL_MIL_YEAR",
                                                      "START_TB",
                                                      "SECS_TB",
                                                      "DAYS_TB",
                                                      "HOURS_TB",
                                                      "MINS_TB",
                                                      "WEEKS_TB",
                                                      "MONTHS_TB",
                                                      "YEARS_TB",
                                                      "MATHS_1_TEXTBOX",
                                                      "DAYS_ROUNDED_TB",
                                                      "DAYS_MIRROR_TB",
                                                      "HOURS_24_TB",
                                                      "HOURS_FULL",
                                                      "MINS_60_TB",
                                                      "MINUTES_LEFT_X_60_TB",
                                                      "MINUTES_ROUNDED_X_60_TB",
                                                      "HOURS_LEFT_TB",
                                                      "HOURS_ROUNDED_TB",
                                                      "MINUTES_DIFFERENCE_LEFT_TB",
                                                      "MINUTES_DIFFERENCE_ROUNDED_TB",
                                                      "SECS_60_TB",
                                                      "SECONDS_LEFT_TB",
                                                      "SECONDS_ROUNDED_TB",
                                                      "SECONDS_DIFFERENCE_TB",
                                                      "SECONDS_DIFFERENCE_ROUNDED_TB",
                                                      "VH_UPTIME_DISPLAY_TEXTBOX",
                                                      "MATHS_2_TEXTBOX",
                                                      "TIMER_BUTTON",
                                                      "OK_BUTTON"};
}

void TestOwnedForms::tabOrder()
{
    QFETCH(QStringList, order);
    Form *form = window(true);
    QVERIFY(form);
    form->surface()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form->surface()));
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i));
    }
}

void TestOwnedForms::okSavesPositionTwiceCloseBoxOnce_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("writes");

    const QStringList about{"ABOUT_Left=3000", "ABOUT_Top=-1500"};
    const QStringList live{"LIVE_CALCS_Left=4500", "LIVE_CALCS_Top=-300"};
    QTest::newRow("About OK") << false << "OK" << about + about;
    QTest::newRow("About Escape works as OK") << false << "Escape" << about + about;
    QTest::newRow("About close box") << false << "close" << about;
    QTest::newRow("live OK") << true << "OK" << live + live;
    QTest::newRow("live Escape works as OK") << true << "Escape" << live + live;
    QTest::newRow("live close box") << true << "close" << live;
}

void TestOwnedForms::okSavesPositionTwiceCloseBoxOnce()
{
    QFETCH(bool, live);
    QFETCH(QString, how);
    QFETCH(QStringList, writes);
    m_store->stored.insert("ABOUT_Left", "3000");
    m_store->stored.insert("ABOUT_Top", "-1500");
    m_store->stored.insert("LIVE_CALCS_Left", "4500");
    m_store->stored.insert("LIVE_CALCS_Top", "-300");
    Form *form = window(false);
    QWidget *owner = (live ? static_cast<Form *>(m_about.get()) : m_main.get())->surface();
    bool closed = false;
    QTimer::singleShot(0, this, [&] {
        QCOMPARE(QApplication::activeModalWidget(), form->surface());
        QCOMPARE(form->surface()->parentWidget(), owner);
        m_store->log.clear();
        if (how == "OK") {
            form->control<QPushButton>("OK_BUTTON")->click();
        } else if (how == "Escape") {
            form->surface()->activateWindow();
            if (QTest::qWaitForWindowActive(form->surface()))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (form->isLoaded()) // never leave the test waiting on the window
                form->surface()->close();
        } else {
            form->surface()->close();
        }
        closed = true;
    });
    // Each returns once its window has unloaded.
    if (live)
        m_about->LIVE_CALCULATIONS_BUTTON_Click();
    else
        m_main->VH_UPTIME_DISPLAY_TEXTBOX_DblClick();
    QVERIFY(closed);
    QVERIFY(!form->isLoaded());
    QCOMPARE(m_store->writes(), writes);
}

QTEST_MAIN(TestOwnedForms)
#include "tst_OwnedForms.moc"
