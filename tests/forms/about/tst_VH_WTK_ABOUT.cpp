// SPDX-License-Identifier: MIT
#include "forms/live/VH_WTK_LIVE_CALCULATIONS.h"
#include "support/WindowTestBed.h"
#include "ui/FormTimer.h"
#include "ui/controls/Label.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QPushButton>
#include <QTest>

class TestAboutWindow : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void emptyStoreRunsNoClickBehaviour();
    void storedFlagsRunClickBehaviourDuringLoad_data();
    void storedFlagsRunClickBehaviourDuringLoad();
    void creatorLabelShowsAddressUntilReload();
    void everyClickKeepsOptionsInStep_data();
    void everyClickKeepsOptionsInStep();
    void storedAutoStartOffStopsRestartedTimers();
    void refusedSaveIsReportedAfterSwitching();

private:
    void makeWindows();
    void loadAbout();
    void verifyInvariant(const char *box);
};

void TestAboutWindow::init()
{
    setUpBed();
}

void TestAboutWindow::cleanup()
{
    tearDownBed();
}

void TestAboutWindow::makeWindows()
{
    createWindows();
    m_main->load();
    m_main->show();
}

void TestAboutWindow::loadAbout()
{
    m_store->log.clear();
    m_about->load(m_main.get());
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about->surface()));
}

void TestAboutWindow::layout()
{
    makeWindows();
    loadAbout();
    const QList<std::pair<const char *, const char *>> titles{
        {"VH_TITLE_1", "VOLT-HARBOR"},
        {"VH_TITLE_2", "VH-WREN-TICKER"},
        {"VH_TITLE_3", "VH-WTK"},
        {"VERSION_TEXTBOX", "Version 1.0"},
        {"CREATOR_TEXTBOX", "Created By Tamrel44"},
        {"FREEWARE_TEXTBOX", "!!! FREEWARE !!!"},
    };
    for (const auto &[name, caption] : titles) {
        const auto *label = m_about->control<Label>(QLatin1String(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QLatin1String(caption));
        QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->frameShape(), QFrame::Box);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(m_about->control<QPushButton>("OK_BUTTON")->text(), QStringLiteral("OK"));
    QCOMPARE(m_about->control<QPushButton>("LIVE_CALCULATIONS_BUTTON")->text(),
             QStringLiteral("Live Calculations"));
    for (TickBox *box : {m_about->alwaysOnTopTickbox(), m_about->autoStartTickbox()})
        QCOMPARE(box->size(), QSize(975 / 15, 495 / 15));
    // Two lines, wherever the font makes the break fall.
    const QString shown = m_about->alwaysOnTopTickbox()->text();
    QCOMPARE(shown.count(QLatin1Char('\n')), 1);
    QCOMPARE(QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' ')),
             QStringLiteral("Always On Top"));
    QCOMPARE(m_about->alwaysOnTopTickbox()->caption(), QStringLiteral("Always On Top"));
    QCOMPARE(m_about->autoStartTickbox()->caption(), QStringLiteral("AutoStart"));
}

void TestAboutWindow::emptyStoreRunsNoClickBehaviour()
{
    makeWindows();
    loadAbout();
    QCOMPARE(m_about->left(), 1000.0);
    QCOMPARE(m_about->top(), 1000.0);
    QCOMPARE(m_about->alwaysOnTopTickbox()->value(), 1);
    QCOMPARE(m_about->autoStartTickbox()->value(), 1);
    QCOMPARE(m_store->reads(),
             (QStringList{"ABOUT_Left", "ABOUT_Top", "ABOUT_Width", "ABOUT_Height",
                          "AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX"}));
    QCOMPARE(m_store->writes(), QStringList{});
}

void TestAboutWindow::storedFlagsRunClickBehaviourDuringLoad_data()
{
    QTest::addColumn<QString>("alwaysOnTop");
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<QStringList>("log"); // R key / W key=text, in order

    const QStringList position{"R ABOUT_Left", "R ABOUT_Top", "R ABOUT_Width", "R ABOUT_Height"};
    QTest::newRow("AutoStart 0") << "1"
                                 << "0"
                                 << position + QStringList{"R AlwaysOnTop_TICKBOX",
                                                           "R AUTOSTART_TICKBOX",
                                                           "W AUTOSTART_TICKBOX=0"};
    QTest::newRow("Always On Top 0")
        << "0"
        << "1"
        << position + QStringList{"R AlwaysOnTop_TICKBOX", "W AlwaysOnTop_TICKBOX=0",
                                  "R AUTOSTART_TICKBOX"};
    QTest::newRow("both greyed") << "2"
                                 << "2"
                                 << position + QStringList{"R AlwaysOnTop_TICKBOX",
                                                           "W AlwaysOnTop_TICKBOX=2",
                                                           "R AUTOSTART_TICKBOX",
                                                           "W AUTOSTART_TICKBOX=2"};
}

void TestAboutWindow::storedFlagsRunClickBehaviourDuringLoad()
{
    QFETCH(QString, alwaysOnTop);
    QFETCH(QString, autoStart);
    QFETCH(QStringList, log);
    makeWindows(); // with both options on
    m_store->stored.insert("AlwaysOnTop_TICKBOX", alwaysOnTop);
    m_store->stored.insert("AUTOSTART_TICKBOX", autoStart);
    loadAbout();

    QStringList seen;
    for (const auto &access : m_store->log) {
        seen << (access.kind == RecordingSettingsStore::Access::Read
                     ? "R " + access.key
                     : "W " + access.key + "=" + access.text);
    }
    QCOMPARE(seen, log);
    verifyInvariant("AlwaysOnTop_TICKBOX");
    verifyInvariant("AUTOSTART_TICKBOX");
}

void TestAboutWindow::verifyInvariant(const char *box)
{
    const bool autoStart = QLatin1String(box) == QLatin1String("AUTOSTART_TICKBOX");
    const int about =
        (autoStart ? m_about->autoStartTickbox() : m_about->alwaysOnTopTickbox())->value();
    const int main =
        (autoStart ? m_main->autoStartTickbox() : m_main->alwaysOnTopTickbox())->value();
    QCOMPARE(main, about == 1 ? 1 : 0);
    QCOMPARE(m_store->stored.value(QLatin1String(box), "1"), QString::number(about));
    if (autoStart) {
        for (const QString &name : VH_WTK_MAIN::uptimeTimerNames())
            QCOMPARE(m_main->timer(name)->isEnabled(), main == 1);
        QCOMPARE(m_main->display()->background(), main == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
        if (main != 1)
            QCOMPARE(m_main->display()->text(), QStringLiteral("TIMERS DISABLED"));
    } else {
        QCOMPARE(m_main->timer("AlwaysOnTopTimer")->isEnabled(), main == 1);
    }
}

void TestAboutWindow::creatorLabelShowsAddressUntilReload()
{
    makeWindows();
    loadAbout();
    Label *creator = m_about->control<Label>("CREATOR_TEXTBOX");
    QTest::mouseDClick(creator, Qt::LeftButton);
    QCOMPARE(creator->text(), VH_WTK_ABOUT::creatorAddress);
    QVERIFY(VH_WTK_ABOUT::creatorAddress.endsWith(QStringLiteral(".example")));
    QTest::mouseDClick(creator, Qt::LeftButton);
    QCOMPARE(creator->text(), VH_WTK_ABOUT::creatorAddress);
    QCOMPARE(m_store->writes(), QStringList{});

    m_about->unload();
    loadAbout();
    QCOMPARE(m_about->control<Label>("CREATOR_TEXTBOX")->text(),
             QStringLiteral("Created By Tamrel44"));
}

void TestAboutWindow::everyClickKeepsOptionsInStep_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("stored"); // before the About window loads
    QTest::addColumn<QList<int>>("afterEachClick");

    for (const char *box : {"AUTOSTART_TICKBOX", "AlwaysOnTop_TICKBOX"}) {
        QTest::addRow("%s from on", box) << box << "1" << QList<int>{0, 1, 0};
        QTest::addRow("%s from off", box) << box << "0" << QList<int>{1, 0};
        QTest::addRow("%s from greyed", box) << box << "2" << QList<int>{1, 0};
    }
}

void TestAboutWindow::everyClickKeepsOptionsInStep()
{
    QFETCH(QString, box);
    QFETCH(QString, stored);
    QFETCH(QList<int>, afterEachClick);
    m_store->stored.insert(box, stored);
    makeWindows();
    loadAbout();
    verifyInvariant(qPrintable(box));
    TickBox *tickbox = m_about->control<TickBox>(box);
    for (const int expected : afterEachClick) {
        QTest::mouseClick(tickbox, Qt::LeftButton, {}, QPoint(6, tickbox->height() / 2));
        QCOMPARE(tickbox->value(), expected);
        verifyInvariant(qPrintable(box));
    }
    // Turning AutoStart back on leaves "TIMERS DISABLED" until the display ticks.
    if (box == "AUTOSTART_TICKBOX" && afterEachClick.last() == 0) {
        QTest::mouseClick(tickbox, Qt::LeftButton, {}, QPoint(6, tickbox->height() / 2));
        QCOMPARE(m_main->display()->text(), QStringLiteral("TIMERS DISABLED"));
        tick(90061001);
        QCOMPARE(m_main->display()->text(), QStringLiteral("1D, 1H, 1M, 1S"));
    }
}

void TestAboutWindow::storedAutoStartOffStopsRestartedTimers()
{
    m_store->stored.insert("AUTOSTART_TICKBOX", "0");
    makeWindows();
    QCOMPARE(m_main->display()->text(), QStringLiteral("TIMERS DISABLED"));
    // The live calculations window's button starts the timers and leaves the
    // option alone; the About window stays open meanwhile.
    loadAbout();
    m_live->load(m_about.get());
    m_live->timerButton()->click();
    m_live->unload();
    tick(3000);
    QCOMPARE(m_main->display()->text(), QStringLiteral("0D, 0H, 0M, 3S"));

    m_about->unload();
    loadAbout();
    for (const QString &name : VH_WTK_MAIN::uptimeTimerNames())
        QVERIFY(!m_main->timer(name)->isEnabled());
    QCOMPARE(m_main->display()->text(), QStringLiteral("TIMERS DISABLED"));
    QCOMPARE(m_main->display()->background(), QColor(255, 0, 0));
}

void TestAboutWindow::refusedSaveIsReportedAfterSwitching()
{
    makeWindows();
    loadAbout();
    m_store->refused.insert("AUTOSTART_TICKBOX");
    TickBox *autoStart = m_about->autoStartTickbox();
    QTest::mouseClick(autoStart, Qt::LeftButton, {}, QPoint(6, autoStart->height() / 2));
    QCOMPARE(m_main->autoStartTickbox()->value(), 0);
    QVERIFY(!m_main->timer("UPTIME_TIMER")->isEnabled());
    QCOMPARE(m_main->display()->text(), QStringLiteral("TIMERS DISABLED"));
    QVERIFY(!m_store->stored.contains("AUTOSTART_TICKBOX"));
    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown.first().contains("AUTOSTART_TICKBOX"));
    QVERIFY(m_exits.isEmpty());
}

QTEST_MAIN(TestAboutWindow)
#include "tst_VH_WTK_ABOUT.moc"
