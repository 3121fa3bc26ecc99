// SPDX-License-Identifier: MIT
#include "engine/CellNames.h"
#include "support/WindowTestBed.h"
#include "ui/FormTimer.h"
#include "ui/controls/MultiLineField.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

class TestLiveCalculations : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void explanationTexts();
    void loadTakesCaptionFromAutoStart_data();
    void loadTakesCaptionFromAutoStart();
    void reopenedCaptionDisagreesWithTimers_data();
    void reopenedCaptionDisagreesWithTimers();
    void startAndStopSequences_data();
    void startAndStopSequences();
    void mirrorCopiesEveryCell();
    void mirrorKeepsTextsAfterStop();
    void mirrorReplacesTypedTextWhileRunning();
    void cutOffTextShowsWhole_data();
    void cutOffTextShowsWhole();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange) {
            const auto *field = static_cast<TextField *>(watched);
            m_log << field->property("window").toString() + " " + field->background().name();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void makeWindows(const QString &autoStart = QStringLiteral("1"));
    void openLive();
    void watchSequence();

    QStringList m_log;
};

void TestLiveCalculations::init()
{
    setUpBed();
    m_log.clear();
}

void TestLiveCalculations::cleanup()
{
    tearDownBed();
}

void TestLiveCalculations::makeWindows(const QString &autoStart)
{
    m_store->stored.insert("AUTOSTART_TICKBOX", autoStart);
    createWindows();
    m_main->load();
    m_main->show();
    m_about->load(m_main.get());
    m_about->show();
}

void TestLiveCalculations::openLive()
{
    m_store->log.clear();
    m_live->load(m_about.get());
    m_live->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_live->surface()));
}

void TestLiveCalculations::layout()
{
    makeWindows();
    openLive();
    QVERIFY(m_live->timer("TEXTBOX_UPDATE_TIMER"));
    const QList<std::pair<const char *, QColor>> colours{
        {"DAYS_ROUNDED_TB", QColor(255, 255, 192)},
        {"HOURS_ROUNDED_TB", QColor(255, 255, 192)},
        {"MINUTES_DIFFERENCE_ROUNDED_TB", QColor(255, 255, 192)},
        {"SECONDS_DIFFERENCE_ROUNDED_TB", QColor(255, 255, 192)},
        {"DAYS_TB", QColor(255, 192, 255)},
        {"DAYS_MIRROR_TB", QColor(255, 192, 255)},
        {"START_TB", QColor(255, 255, 0)},
        {"MATHS_2_TEXTBOX", QColor(192, 255, 192)},
        {"MATHS_1_TEXTBOX", QColor(192, 255, 255)},
        {"Label2", QColor(128, 255, 128)},
        {"MILLISECONDS_LABEL", QColor(128, 255, 128)},
        {"Label13", QColor(128, 255, 128)},
        {"HOURS_FULL", QApplication::palette().color(QPalette::Base)},
    };
    for (const auto &[name, colour] : colours) {
        const QWidget *control = m_live->control<QWidget>(QLatin1String(name));
        QVERIFY2(control, name);
        QCOMPARE(control->palette().color(control->backgroundRole()), colour);
    }
    QCOMPARE(m_live->control<TextField>("TOTAL_MIL_YEAR")->text(), QStringLiteral("31536000000"));
    QCOMPARE(m_live->control<TextField>("SECS_60_TB")->text(), QStringLiteral("60"));
    QCOMPARE(m_live->control<TextField>("HOURS_FULL")->text(), QStringLiteral("HOURS_FULL"));
    QCOMPARE(m_live->timerButton()->text(), QStringLiteral("STOP TIMERS"));
}

void TestLiveCalculations::explanationTexts()
{
    makeWindows();
    openLive();
    auto *steps = m_live->control<MultiLineField>("MATHS_2_TEXTBOX");
    auto *formula = m_live->control<MultiLineField>("MATHS_1_TEXTBOX");
    QCOMPARE(steps->text(),
             QStringLiteral(
                 "1 - DAYS ROUNDED = DAYS rounded down to last whole number.\r\n"
                 "2 - TOTAL HOURS =  DAYS ROUNDED x 24 HOURS.\r\n"
                 "3 - HOURS LEFT = 24 HOURS - TOTAL HOURS.\r\n"
                 "4 - HOURS ROUNDED = HOURS rounded down to last whole number.\r\n"
                 "5 - MINUTES LEFT = HOURS LEFT x 60 MINUTES.\r\n"
                 "6 - MINUTES ROUNDED = HOURS ROUNDED x 60 MINUTES.\r\n"
                 "7 - MINUTES DIFFERENCE = MINUTES LEFT - MINUTES ROUNDED.\r\n"
                 "8 - MINUTES DIFFERENCE ROUNDED = MINUTES rounded down to last whole number.\r\n"
                 "9 - SECONDS LEFT = MINUTES DIFFERENCE x 60 SECONDS.\r\n"
                 "10 - SECONDS ROUNDED = MINUTES DIFFERENCE ROUNDED x 60 SECONDS.\r\n"
                 "11 - SECONDS DIFFERENCE = SECONDS LEFT - SECONDS ROUNDED.\r\n"
                 "12 - SECONDS DIFFERENCE ROUNDED = SECONDS rounded down to last whole "
                 "number.\r\n"));
    QCOMPARE(formula->text(),
             QStringLiteral("START MILLISECONDS / TIME MILLISECONDS\r\n= TOTAL TIME\r\n"));
    QVERIFY(steps->isReadOnly());
    QVERIFY(!formula->isReadOnly());
    QCOMPARE(steps->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TestLiveCalculations::loadTakesCaptionFromAutoStart_data()
{
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("firstMirror");

    QTest::newRow("ticked") << "1"
                            << "STOP TIMERS" << QColor(0, 0, 0) << "1D, 1H, 1M, 1S";
    QTest::newRow("clear") << "0"
                           << "START TIMERS" << QColor(255, 0, 0) << "TIMERS DISABLED";
    QTest::newRow("greyed") << "2"
                            << "START TIMERS" << QColor(255, 0, 0) << "TIMERS DISABLED";
}

void TestLiveCalculations::loadTakesCaptionFromAutoStart()
{
    QFETCH(QString, autoStart);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QFETCH(QString, firstMirror);
    makeWindows(autoStart);
    openLive();
    QCOMPARE(m_live->timerButton()->text(), caption);
    QCOMPARE(m_live->display()->background(), colour);
    QCOMPARE(m_live->display()->text(), QString());
    QCOMPARE(m_store->reads(), (QStringList{"LIVE_CALCS_Left", "LIVE_CALCS_Top", "LIVE_CALCS_Width",
                                            "LIVE_CALCS_Height"}));
    FormTimer *mirror = m_live->timer("TEXTBOX_UPDATE_TIMER");
    QVERIFY(mirror->isEnabled());
    QCOMPARE(mirror->interval(), 1);
    tick(90061001);
    QCOMPARE(m_live->display()->text(), firstMirror);
}

void TestLiveCalculations::reopenedCaptionDisagreesWithTimers_data()
{
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<QString>("reopenedCaption");
    QTest::addColumn<QColor>("reopenedColour");
    QTest::addColumn<bool>("timersRunAfterPress");

    // Started by the button with AutoStart clear: the caption still offers
    // to start, and pressing it starts again, which only turns things black.
    QTest::newRow("started with AutoStart clear") << "0"
                                                  << "START TIMERS" << QColor(255, 0, 0) << true;
    // Stopped by the button with AutoStart ticked: the caption offers to stop.
    QTest::newRow("stopped with AutoStart ticked") << "1"
                                                   << "STOP TIMERS" << QColor(0, 0, 0) << false;
}

void TestLiveCalculations::reopenedCaptionDisagreesWithTimers()
{
    QFETCH(QString, autoStart);
    QFETCH(QString, reopenedCaption);
    QFETCH(QColor, reopenedColour);
    QFETCH(bool, timersRunAfterPress);
    makeWindows(autoStart);
    openLive();
    m_live->timerButton()->click(); // starts (clear) or stops (ticked)
    tick(90061001);
    m_live->unload();
    openLive();
    QCOMPARE(m_live->timerButton()->text(), reopenedCaption);
    QCOMPARE(m_live->display()->background(), reopenedColour);
    tick(90062001);
    QCOMPARE(m_live->display()->text(), timersRunAfterPress ? QStringLiteral("1D, 1H, 1M, 2S")
                                                            : QStringLiteral("TIMERS DISABLED"));

    m_live->timerButton()->click();
    for (const QString &name : VH_WTK_MAIN::uptimeTimerNames())
        QCOMPARE(m_main->timer(name)->isEnabled(), timersRunAfterPress);
    QCOMPARE(m_live->timerButton()->text(),
             timersRunAfterPress ? QStringLiteral("STOP TIMERS") : QStringLiteral("START TIMERS"));
    const QColor look = timersRunAfterPress ? QColor(0, 0, 0) : QColor(255, 0, 0);
    QCOMPARE(m_live->display()->background(), look);
    QCOMPARE(m_main->display()->background(), look);
    // The tickboxes and the store are not the button's business.
    QCOMPARE(m_about->autoStartTickbox()->value(), autoStart.toInt());
    QCOMPARE(m_main->autoStartTickbox()->value(), autoStart.toInt());
    QCOMPARE(m_store->writes().filter("AUTOSTART"), QStringList{});
}

void TestLiveCalculations::watchSequence()
{
    for (const QString &name : VH_WTK_MAIN::uptimeTimerNames()) {
        connect(m_main->timer(name), &FormTimer::enabledChanged, this,
                [this, name](bool on) { m_log << name + (on ? " on" : " off"); });
    }
    connect(m_live->timer("TEXTBOX_UPDATE_TIMER"), &FormTimer::enabledChanged, this,
            [this](bool on) {
                m_log << QStringLiteral("TEXTBOX_UPDATE_TIMER") + (on ? " on" : " off");
            });
    const QList<std::pair<QString, TextField *>> displays{{"main", m_main->display()},
                                                          {"live", m_live->display()}};
    for (const auto &[name, field] : displays) {
        // A copy: clang before 16 cannot capture a structured binding.
        const QString window = name;
        connect(field, &QLineEdit::textChanged, this,
                [this, window](const QString &text) { m_log << window + " text " + text; });
        field->installEventFilter(this);
        field->setProperty("window", window);
    }
}

void TestLiveCalculations::startAndStopSequences_data()
{
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("start") << "0" << QStringList{"STOP TIMERS",
                                                 "UPTIME_TIMER on",
                                                 "DAY_UPTIME_TIMER on",
                                                 "HOUR_UPTIME_TIMER on",
                                                 "MINUTE_UPTIME_TIMER on",
                                                 "SECOND_UPTIME_TIMER on",
                                                 "main #000000",
                                                 "live #000000",
                                                 "VH_DISPLAY_UPDATE_TIMER on"};
    QTest::newRow("stop") << "1"
                          << QStringList{"START TIMERS",
                                         "UPTIME_TIMER off",
                                         "DAY_UPTIME_TIMER off",
                                         "HOUR_UPTIME_TIMER off",
                                         "MINUTE_UPTIME_TIMER off",
                                         "SECOND_UPTIME_TIMER off",
                                         "TEXTBOX_UPDATE_TIMER off",
                                         "main #ff0000",
                                         "live #ff0000",
                                         "live text TIMERS DISABLED",
                                         "main text TIMERS DISABLED",
                                         "VH_DISPLAY_UPDATE_TIMER off"};
}

void TestLiveCalculations::startAndStopSequences()
{
    QFETCH(QString, autoStart);
    QFETCH(QStringList, expected);
    makeWindows(autoStart);
    openLive();
    tick(90061001);
    watchSequence();
    // The mirror already runs after a load, so the start sequence enabling it
    // again is no change and leaves no trace.
    m_live->timerButton()->click();
    m_log.prepend(m_live->timerButton()->text());
    QCOMPARE(m_log, expected);
    // Cells keep their last values either way.
    QCOMPARE(m_main->cell("DAYS_ROUNDED_TB")->text(),
             autoStart == "1" ? QStringLiteral("1") : QStringLiteral("DAYS_ROUNDED_TB"));
    QVERIFY(m_main->timer("AlwaysOnTopTimer")->isEnabled());
}

void TestLiveCalculations::mirrorCopiesEveryCell()
{
    makeWindows();
    openLive();
    tick(90061001);
    // A copy of each main window cell, as it stands after the tick.
    for (const CellNames::Cell &cell : CellNames::cells) {
        const QString name = QString::fromLatin1(cell.name.data(), cell.name.size());
        QCOMPARE(m_live->control<TextField>(name)->text(), m_main->cell(name)->text());
    }
    QCOMPARE(m_live->control<TextField>("START_TB")->text(), QStringLiteral("90061001"));
    QCOMPARE(m_live->control<TextField>("DAYS_TB")->text(), QStringLiteral("1.04237269675926"));
    QCOMPARE(m_live->control<TextField>("DAYS_MIRROR_TB")->text(),
             QStringLiteral("1.04237269675926"));
    QCOMPARE(m_live->display()->text(), QStringLiteral("1D, 1H, 1M, 1S"));

    // Constants are never copied: typed text there stays and changes nothing.
    TextField *year = m_live->control<TextField>("TOTAL_MIL_YEAR");
    year->selectAll();
    QTest::keyClicks(year, "1");
    tick(90062001);
    QCOMPARE(year->text(), QStringLiteral("1"));
    QCOMPARE(m_live->control<TextField>("YEARS_TB")->text(),
             QString::fromStdString(m_engine->cells().text("YEARS_TB")));
}

void TestLiveCalculations::mirrorKeepsTextsAfterStop()
{
    makeWindows();
    openLive();
    tick(90061001);
    m_live->timerButton()->click();
    tick(172800000);
    QCOMPARE(m_live->control<TextField>("START_TB")->text(), QStringLiteral("90061001"));
    QCOMPARE(m_live->control<TextField>("DAYS_ROUNDED_TB")->text(), QStringLiteral("1"));
    QCOMPARE(m_live->display()->text(), QStringLiteral("TIMERS DISABLED"));

    TextField *hours = m_live->control<TextField>("HOURS_ROUNDED_TB");
    hours->selectAll();
    QTest::keyClicks(hours, "typed");
    tick(172800000);
    QCOMPARE(hours->text(), QStringLiteral("typed"));
}

void TestLiveCalculations::mirrorReplacesTypedTextWhileRunning()
{
    makeWindows();
    openLive();
    tick(90061001);
    TextField *hours = m_live->control<TextField>("HOURS_ROUNDED_TB");
    hours->selectAll();
    QTest::keyClicks(hours, "typed");
    QCOMPARE(hours->text(), QStringLiteral("typed"));
    tick(90061001);
    QCOMPARE(hours->text(), QStringLiteral("1"));
}

void TestLiveCalculations::cutOffTextShowsWhole_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("toolTip"); // empty: none

    // At 8406 ms the days are 8406 / 86400000 = 9.72916666666667E-05; no
    // font fits those 20 characters into 48 pixels, whereas a "0" fits.
    QTest::newRow("days cut off") << "DAYS_TB"
                                  << "9.72916666666667E-05";
    QTest::newRow("whole days fit") << "DAYS_ROUNDED_TB"
                                    << "";
}

void TestLiveCalculations::cutOffTextShowsWhole()
{
    QFETCH(QString, field);
    QFETCH(QString, toolTip);
    makeWindows();
    openLive();
    tick(8406);
    TextField *shown = m_live->control<TextField>(field);
    // How wide a text is depends on the fonts of the machine.
    shown->setFixedWidth(48);
    const QPoint middle = shown->rect().center();
    QHelpEvent request(QEvent::ToolTip, middle, shown->mapToGlobal(middle));
    QApplication::sendEvent(shown, &request);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), toolTip);
    QToolTip::hideText();
}

QTEST_MAIN(TestLiveCalculations)
#include "tst_VH_WTK_LIVE_CALCULATIONS.moc"
