// SPDX-License-Identifier: MIT
#include "engine/CellNames.h"
#include "support/EnginePass.h"
#include "support/WindowTestBed.h"
#include "ui/FormTimer.h"
#include "ui/controls/TextField.h"
#include "ui/controls/TickBox.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Stands in for the About window: a plain window with a close box.
class StubAbout : public Form
{
public:
    explicit StubAbout(FormContext context)
        : Form({QStringLiteral("STUB_ABOUT"), QStringLiteral("stub"), Frame::FixedSingle, true,
                QSize(3000, 1500), QMargins(45, 330, 45, 45)},
               context)
    {}
    int loads = 0;

protected:
    void createControls(QWidget *) override {}
    void Form_Load() override { ++loads; }
};

} // namespace

class TestMainWindow : public QObject, public WindowTestBed
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stripShowsOnlyIconAndDisplay();
    void cellsShowDesignTexts_data();
    void cellsShowDesignTexts();
    void loadFromStore_data();
    void loadFromStore();
    void badStoredTextReadsAsDefault_data();
    void badStoredTextReadsAsDefault();
    void positionKeptOnSomeScreen_data();
    void positionKeptOnSomeScreen();
    void unloadSavesPositionThenFlags();
    void refusedSaveIsReportedAndUnloadGoesOn();
    void typedTextReachesTheEngine();
    void engineFaultPrintedOnceAndProgramGoesOn();
    void everyLineIsTheBreakdownOfOneSample();
    void stripAloneShowsEachSecondWhenItComes();
    void doubleClickOpensModalAbout_data();
    void doubleClickOpensModalAbout();
    void keysOpenModalAbout_data();
    void keysOpenModalAbout();

private:
    void makeWindow();
    QPoint strip(QWidget *control) const;

    std::unique_ptr<StubAbout> m_stubAbout;
};

void TestMainWindow::init()
{
    setUpBed();
}

void TestMainWindow::cleanup()
{
    tearDownBed();
    m_stubAbout.reset();
}

void TestMainWindow::makeWindow()
{
    m_stubAbout = std::make_unique<StubAbout>(context());
    createWindows(m_stubAbout.get());
}

void TestMainWindow::stripShowsOnlyIconAndDisplay()
{
    makeWindow();
    m_main->load();
    QWidget *surface = m_main->surface();
    // 2895 x 660 twips outer, less the frame of 45 + 45 and 285 + 45 twips.
    QCOMPARE(surface->size(), QSize((2895 - 90) / 15, (660 - 330) / 15));
    const QRect visible = surface->rect();
    for (QWidget *child : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const bool inStrip = child->objectName() == QStringLiteral("VH_16_ICON_PIC") ||
                             child->objectName() == QStringLiteral("VH_UPTIME_DISPLAY_TEXTBOX");
        QVERIFY2(visible.contains(child->geometry()) == inStrip, qPrintable(child->objectName()));
        QVERIFY2(inStrip || !visible.intersects(child->geometry()),
                 qPrintable(child->objectName()));
    }
    QCOMPARE(surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 45);
    QCOMPARE(surface->findChildren<FormTimer *>().size(), 7);
    QCOMPARE(surface->windowTitle(), QStringLiteral("VH-WREN-TICKER:"));
    QVERIFY(surface->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!surface->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!surface->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_main->display()->isReadOnly());
}

void TestMainWindow::cellsShowDesignTexts_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char *, const char *>> constants{
        {"TOTAL_MIL_SEC", "1000"},
        {"TOTAL_MIL_MIN", "60000"},
        {"TOTAL_MIL_HOUR", "3600000"},
        {"TOTAL_MIL_DAY", "86400000"},
        {"TOTAL_MIL_WEEK", "604800000"},
        {"TOTAL_MIL_MONTH", "2419200000"},
        {"TOTAL_MIL_YEAR", "31536000000"},
        {"HOURS_24_TB", "24"},
        {"MINS_60_TB", "60"},
        {"SECS_60_TB", "60"},
    };
    for (const auto &[cell, text] : constants)
        QTest::newRow(cell) << QString(cell) << QString(text);
    for (const char *cell : {"START_TB",
                             "YEARS_TB",
                             "MONTHS_TB",
                             "WEEKS_TB",
                             "DAYS_TB",
                             "HOURS_TB",
                             "MINS_TB",
                             "SECS_TB",
                             "DAYS_MIRROR_TB",
                             "DAYS_ROUNDED_TB",
                             "HOURS_FULL",
                             "HOURS_LEFT_TB",
                             "HOURS_ROUNDED_TB",
                             "MINUTES_LEFT_X_60_TB",
                             "MINUTES_ROUNDED_X_60_TB",
                             "MINUTES_DIFFERENCE_LEFT_TB",
                             "MINUTES_DIFFERENCE_ROUNDED_TB",
                             "SECONDS_LEFT_TB",
                             "SECONDS_ROUNDED_TB",
                             "SECONDS_DIFFERENCE_TB",
                             "SECONDS_DIFFERENCE_ROUNDED_TB"})
        QTest::newRow(cell) << QString(cell) << QString(cell);
}

void TestMainWindow::cellsShowDesignTexts()
{
    QFETCH(QString, cell);
    QFETCH(QString, text);
    makeWindow();
    m_main->load();
    TextField *field = m_main->cell(cell);
    QVERIFY(field);
    QCOMPARE(field->text(), text);
    QVERIFY(!field->isReadOnly());
}

void TestMainWindow::loadFromStore_data()
{
    QTest::addColumn<QString>("alwaysOnTop"); // stored text, empty = missing
    QTest::addColumn<QString>("autoStart");
    QTest::addColumn<int>("alwaysOnTopBox");
    QTest::addColumn<int>("autoStartBox");
    QTest::addColumn<bool>("running");

    QTest::newRow("empty store") << ""
                                 << "" << 1 << 1 << true;
    QTest::newRow("AutoStart off") << "1"
                                   << "0" << 1 << 0 << false;
    QTest::newRow("Always On Top off") << "0"
                                       << "1" << 0 << 1 << true;
    QTest::newRow("both greyed") << "2"
                                 << "2" << 2 << 2 << false;
}

void TestMainWindow::loadFromStore()
{
    QFETCH(QString, alwaysOnTop);
    QFETCH(QString, autoStart);
    QFETCH(int, alwaysOnTopBox);
    QFETCH(int, autoStartBox);
    QFETCH(bool, running);
    if (!alwaysOnTop.isEmpty())
        m_store->stored.insert("AlwaysOnTop_TICKBOX", alwaysOnTop);
    if (!autoStart.isEmpty())
        m_store->stored.insert("AUTOSTART_TICKBOX", autoStart);
    makeWindow();
    m_main->load();

    QCOMPARE(m_store->reads(), (QStringList{"MAIN_Left", "MAIN_Top", "MAIN_Width", "MAIN_Height",
                                            "AlwaysOnTop_TICKBOX", "AUTOSTART_TICKBOX"}));
    QCOMPARE(m_main->left(), 1000.0);
    QCOMPARE(m_main->top(), 1000.0);
    QCOMPARE(m_main->alwaysOnTopTickbox()->value(), alwaysOnTopBox);
    QCOMPARE(m_main->autoStartTickbox()->value(), autoStartBox);

    FormTimer *keeper = m_main->timer("AlwaysOnTopTimer");
    QCOMPARE(keeper->interval(), 1000);
    QCOMPARE(keeper->isEnabled(), alwaysOnTopBox == 1);
    for (const QString &name : VH_WTK_MAIN::uptimeTimerNames()) {
        QCOMPARE(m_main->timer(name)->interval(), 1);
        QCOMPARE(m_main->timer(name)->isEnabled(), running);
    }
    TextField *display = m_main->display();
    QCOMPARE(display->background(), running ? QColor(0, 0, 0) : QColor(255, 0, 0));
    QCOMPARE(display->text(), running ? QString() : QStringLiteral("TIMERS DISABLED"));

    // The first pass fills the line, or leaves the stopped look alone.
    m_ticks.now = 90061001;
    m_now = 16;
    m_timers->runDue();
    QCOMPARE(display->text(),
             running ? QStringLiteral("1D, 1H, 1M, 1S") : QStringLiteral("TIMERS DISABLED"));
    if (!running)
        QCOMPARE(m_main->cell("START_TB")->text(), QStringLiteral("START_TB"));
}

void TestMainWindow::badStoredTextReadsAsDefault_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");

    QTest::newRow("left not a number") << "MAIN_Left"
                                       << "abc";
    QTest::newRow("top empty") << "MAIN_Top"
                               << "";
    QTest::newRow("width beyond single precision") << "MAIN_Width"
                                                   << "1E99";
    QTest::newRow("flag beyond 16 bits") << "AlwaysOnTop_TICKBOX"
                                         << "40000";
    QTest::newRow("flag 3") << "AlwaysOnTop_TICKBOX"
                            << "3";
    QTest::newRow("flag minus one") << "AUTOSTART_TICKBOX"
                                    << "-1";
    QTest::newRow("flag text") << "AUTOSTART_TICKBOX"
                               << "yes";
}

void TestMainWindow::badStoredTextReadsAsDefault()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    m_store->stored.insert(key, stored);
    // A later key still applies: the load goes on past the bad one.
    if (key != "AUTOSTART_TICKBOX")
        m_store->stored.insert("AUTOSTART_TICKBOX", "0");
    makeWindow();
    m_main->load();

    QCOMPARE(m_warnings.size(), 1);
    QVERIFY(m_warnings.first().contains(key));
    QVERIFY(m_warnings.first().contains(QLatin1Char('"') + stored + QLatin1Char('"')));
    QCOMPARE(m_store->stored.value(key), stored);
    QVERIFY(m_exits.isEmpty());
    QCOMPARE(m_main->left(), 1000.0);
    QCOMPARE(m_main->top(), 1000.0);
    QCOMPARE(m_main->surface()->size(), QSize(187, 22));
    QCOMPARE(m_main->alwaysOnTopTickbox()->value(), 1);
    QCOMPARE(m_main->autoStartTickbox()->value(), key == "AUTOSTART_TICKBOX" ? 1 : 0);
}

void TestMainWindow::positionKeptOnSomeScreen_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<double>("expectedLeft");
    QTest::addColumn<double>("expectedTop");

    // Screens: 0,0 1280 x 800 and -1024,0 1024 x 768 pixels, 15 twips each.
    QTest::newRow("on the primary screen") << "3000"
                                           << "4500" << 3000.0 << 4500.0;
    QTest::newRow("on the left screen") << "-9000"
                                        << "3000" << -9000.0 << 3000.0;
    QTest::newRow("half off the primary screen") << "-1500"
                                                 << "-150" << -1500.0 << -150.0;
    QTest::newRow("right of every screen") << "20700"
                                           << "4500" << 1000.0 << 1000.0;
    QTest::newRow("above every screen") << "3000"
                                        << "-30000" << 1000.0 << 1000.0;
    QTest::newRow("below the shorter left screen") << "-9000"
                                                   << "11700" << 1000.0 << 1000.0;
}

void TestMainWindow::positionKeptOnSomeScreen()
{
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(double, expectedLeft);
    QFETCH(double, expectedTop);
    m_store->stored.insert("MAIN_Left", left);
    m_store->stored.insert("MAIN_Top", top);
    makeWindow();
    m_main->load();
    QCOMPARE(m_main->left(), expectedLeft);
    QCOMPARE(m_main->top(), expectedTop);
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QCOMPARE(m_store->writes(), QStringList{});
}

void TestMainWindow::unloadSavesPositionThenFlags()
{
    m_store->stored.insert("AUTOSTART_TICKBOX", "2");
    makeWindow();
    m_main->load();
    m_main->setLeft(-1500);
    m_main->setTop(4500);
    m_store->log.clear();
    int unloaded = 0;
    connect(m_main.get(), &Form::unloaded, this, [&unloaded] { ++unloaded; });
    m_main->unload();
    QCOMPARE(unloaded, 1);
    QCOMPARE(m_store->writes(), (QStringList{"MAIN_Left=-1500", "MAIN_Top=4500",
                                             "AlwaysOnTop_TICKBOX=1", "AUTOSTART_TICKBOX=2"}));
    QVERIFY(!m_main->isLoaded());
    QVERIFY(m_shown.isEmpty());
}

void TestMainWindow::refusedSaveIsReportedAndUnloadGoesOn()
{
    m_store->refused.insert("MAIN_Top");
    makeWindow();
    m_main->load();
    m_main->unload();
    QCOMPARE(m_store->stored.value("MAIN_Left"), QStringLiteral("1000"));
    QVERIFY(!m_store->stored.contains("MAIN_Top"));
    QCOMPARE(m_store->stored.value("AUTOSTART_TICKBOX"), QStringLiteral("1"));
    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown.first().contains("MAIN_Top"));
    QVERIFY(m_shown.first().contains("refused by test"));
    QVERIFY(m_exits.isEmpty());
}

void TestMainWindow::typedTextReachesTheEngine()
{
    makeWindow();
    m_main->load();
    TextField *hoursPerDay = m_main->cell("HOURS_24_TB");
    hoursPerDay->selectAll();
    QTest::keyClicks(hoursPerDay, "12");
    QCOMPARE(m_engine->cells().text("HOURS_24_TB"), "12");

    m_ticks.now = 90061001;
    m_now = 16;
    m_timers->runDue();
    QCOMPARE(m_main->display()->text(), QStringLiteral("1D, 13H, 1M, 1S"));
    QCOMPARE(m_main->cell("HOURS_FULL")->text(), QStringLiteral("12"));
}

void TestMainWindow::engineFaultPrintedOnceAndProgramGoesOn()
{
    makeWindow();
    m_main->load();
    TextField *week = m_main->cell("TOTAL_MIL_WEEK");
    week->selectAll();
    QTest::keyClicks(week, "0");
    m_ticks.now = 90061001;
    for (m_now = 16; m_now <= 160; m_now += 16)
        m_timers->runDue();
    QCOMPARE(m_printed.size(), 1);
    QVERIFY(m_printed.first().contains("WEEKS_TB"));
    QVERIFY(m_exits.isEmpty());
    QCOMPARE(m_main->cell("WEEKS_TB")->text(), QStringLiteral("WEEKS_TB"));
    QCOMPARE(m_main->cell("MONTHS_TB")->text(), QStringLiteral("0.0372275963128307"));
}

void TestMainWindow::everyLineIsTheBreakdownOfOneSample()
{
    m_store->stored.insert("AlwaysOnTop_TICKBOX", "0");
    makeWindow();
    m_main->load();
    // Crosses second, minute, hour and day boundaries at uneven steps.
    std::uint64_t t = 86400000 - 1700;
    for (int pass = 0; pass < 400; ++pass) {
        t += 7 + pass % 5;
        m_ticks.now = t;
        m_now += TimerService::minimumPeriod;
        QCOMPARE(m_timers->runDue(), 6);
        QCOMPARE(m_main->display()->text().toStdString(), integerBreakdownLine(t));
    }
    QVERIFY(t > 86400000);
}

void TestMainWindow::stripAloneShowsEachSecondWhenItComes()
{
    // As the program runs it: no window shows the intermediate values, and
    // the service's clock is the tick counter itself.
    m_timers->releaseFrames();
    m_store->stored.insert("AlwaysOnTop_TICKBOX", "0");
    m_now = 86400000 - 2500;
    makeWindow();
    m_main->load();
    for (int pass = 0; pass < 5; ++pass) {
        m_now = *m_timers->nextPass();
        m_ticks.now = m_now;
        QCOMPARE(m_timers->runDue(), 6);
        QCOMPARE(m_main->display()->text().toStdString(), integerBreakdownLine(m_ticks.now));
    }
    QCOMPARE(m_main->display()->text(), QStringLiteral("1D, 0H, 0M, 1S"));
}

void TestMainWindow::doubleClickOpensModalAbout_data()
{
    QTest::addColumn<QString>("target"); // the control double-clicked, empty for the surface

    QTest::newRow("display") << "VH_UPTIME_DISPLAY_TEXTBOX";
    QTest::newRow("icon") << "VH_16_ICON_PIC";
    QTest::newRow("surface") << "";
}

QPoint TestMainWindow::strip(QWidget *control) const
{
    // The 60-twip gap between icon and display is bare surface.
    return control ? control->geometry().center() : QPoint(22, 5);
}

void TestMainWindow::doubleClickOpensModalAbout()
{
    QFETCH(QString, target);
    // Real time here: the nested event loop must keep the timers firing.
    useRealTime();
    makeWindow();
    m_main->show();
    QWindow *window = m_main->surface()->windowHandle();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint where = strip(target.isEmpty() ? nullptr : m_main->control<QWidget>(target));

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QVERIFY(m_stubAbout->isLoaded());
        QCOMPARE(QApplication::activeModalWidget(), m_stubAbout->surface());
        QCOMPARE(m_stubAbout->surface()->parentWidget(), m_main->surface());
        // Input to the main window is blocked while the About window is open.
        QTest::mouseDClick(window, Qt::LeftButton, {}, where);
        QCOMPARE(m_stubAbout->loads, 1);
        // Timers go on: the display follows the clock.
        m_ticks.now = 90061001;
        QTRY_COMPARE(m_main->display()->text(), QStringLiteral("1D, 1H, 1M, 1S"));
        m_ticks.now = 90062001;
        QTRY_COMPARE(m_main->display()->text(), QStringLiteral("1D, 1H, 1M, 2S"));
        checked = true;
        m_stubAbout->surface()->close();
    });
    QTest::mouseDClick(window, Qt::LeftButton, {}, where);
    // mouseDClick returns once the handler has: the About window is closed.
    QVERIFY(checked);
    QVERIFY(!m_stubAbout->isLoaded());
    QCOMPARE(m_stubAbout->loads, 1);
    QVERIFY(m_main->isLoaded());
}

void TestMainWindow::keysOpenModalAbout_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestMainWindow::keysOpenModalAbout()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    makeWindow();
    m_main->show();
    QWidget *strip = m_main->surface();
    strip->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(strip));
    QCOMPARE(QApplication::focusWidget(), m_main->display());

    bool checked = false;
    // Goes with this function, should no About window ever open.
    QTimer closer;
    closer.setSingleShot(true);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (!m_stubAbout->isLoaded())
            return;
        QCOMPARE(QApplication::activeModalWidget(), m_stubAbout->surface());
        QCOMPARE(m_stubAbout->surface()->parentWidget(), strip);
        checked = true;
        m_stubAbout->surface()->close();
    });
    closer.start(0);
    QTest::keyClick(m_main->display(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(checked);
    QCOMPARE(m_stubAbout->loads, 1);
    QVERIFY(!m_stubAbout->isLoaded());
    // A request for the field's own context menu opens nothing more.
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(m_main->display(), &request);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_stubAbout->loads, 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_VH_WTK_MAIN.moc"
