// SPDX-License-Identifier: MIT
// Covers src/forms/live/VH_WTK_LIVE_CALCULATIONS.cpp opened through the other two windows, on
// X11.
#include "engine/UptimeEngine.h"
#include "forms/about/VH_WTK_ABOUT.h"
#include "forms/common/ProgramFont.h"
#include "forms/live/VH_WTK_LIVE_CALCULATIONS.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "settings/Settings.h"
#include "support/FixedTickSource.h"
#include "support/RecordingSettingsStore.h"
#include "ui/FailureReporter.h"
#include "ui/TimerService.h"
#include "ui/controls/TextField.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>

// Opens the live calculations window as a user does, with real pointer input
// through the X server: double-click the strip, then "Live Calculations".
class TestLiveCalculationsX11 : public QObject
{
    Q_OBJECT

private slots:
    void openedFromTheStrip();

private:
    static void doubleClick(QWidget *widget) { click(widget, 2); }
    static void click(QWidget *widget, int times = 1);
    static bool shown(const Form &form);
    static void screenshot(QWidget *window, const QString &name);
};

void TestLiveCalculationsX11::click(QWidget *widget, int times)
{
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    QProcess::execute(QStringLiteral("xdotool"),
                      {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                       "click", "--repeat", QString::number(times), "--delay", "80", "1"});
}

bool TestLiveCalculationsX11::shown(const Form &form)
{
    return form.isLoaded() && form.surface()->windowHandle() &&
           form.surface()->windowHandle()->isExposed();
}

void TestLiveCalculationsX11::screenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VH_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QRect frame = window->frameGeometry();
    window->screen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .save(folder + QLatin1Char('/') + name);
}

void TestLiveCalculationsX11::openedFromTheStrip()
{
    ProgramFont::applyDialogFont();
    RecordingSettingsStore store;
    // Apart from each other, for the pictures.
    store.stored.insert("ABOUT_Left", "1500");
    store.stored.insert("ABOUT_Top", "3000");
    store.stored.insert("LIVE_CALCS_Left", "1500");
    store.stored.insert("LIVE_CALCS_Top", "3000");
    Settings settings(store, [](const QString &) {});
    QStringList problems;
    TimerService timers;
    FailureReporter failures(
        timers, [&](const QString &, const QString &text) { problems << text; },
        [&](const QString &line) { problems << line; }, [&](int) { problems << "exit"; });
    FixedTickSource ticks;
    ticks.now = 90061001;
    UptimeEngine engine(ticks);
    const FormContext context{settings, timers, failures};
    std::unique_ptr<VH_WTK_ABOUT> about;
    std::unique_ptr<VH_WTK_LIVE_CALCULATIONS> live;
    VH_WTK_MAIN main(engine, context, [&]() -> Form & { return *about; });
    about = std::make_unique<VH_WTK_ABOUT>(main, context, [&]() -> Form & { return *live; });
    live = std::make_unique<VH_WTK_LIVE_CALCULATIONS>(main, *about, context);

    main.load();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(main.surface()));
    QTRY_COMPARE(main.display()->text(), QStringLiteral("1D, 1H, 1M, 1S"));

    // The steps run from a timer, which keeps firing inside the modal loops
    // that the double-click and the button open.
    QStringList seen;
    std::deque<std::function<bool()>> steps{
        [&] {
            doubleClick(main.display());
            return true;
        },
        [&] {
            if (!shown(*about))
                return false;
            QTest::qWait(300);
            screenshot(about->surface(), QStringLiteral("about-window.png"));
            click(about->control<QPushButton>("LIVE_CALCULATIONS_BUTTON"));
            return true;
        },
        [&] {
            if (!shown(*live) || live->display()->text().isEmpty())
                return false;
            for (const char *name :
                 {"DAYS_ROUNDED_TB", "HOURS_ROUNDED_TB", "MINUTES_DIFFERENCE_ROUNDED_TB",
                  "SECONDS_DIFFERENCE_ROUNDED_TB"}) {
                const auto *field = live->control<TextField>(QLatin1String(name));
                seen << QStringLiteral("%1=%2 %3")
                            .arg(QLatin1String(name), field->text(), field->background().name());
            }
            seen << "display=" + live->display()->text();
            QTest::qWait(300);
            screenshot(live->surface(), QStringLiteral("live-calculations.png"));
            click(live->control<QPushButton>("OK_BUTTON"));
            return true;
        },
        [&] {
            if (live->isLoaded())
                return false;
            click(about->control<QPushButton>("OK_BUTTON"));
            return true;
        },
        [&] { return !about->isLoaded(); },
    };
    QTimer runner;
    connect(&runner, &QTimer::timeout, this, [&] {
        if (!steps.empty() && steps.front()())
            steps.pop_front();
    });
    runner.start(100);
    QTRY_VERIFY_WITH_TIMEOUT(steps.empty(), 30000);
    runner.stop();

    QCOMPARE(seen,
             (QStringList{"DAYS_ROUNDED_TB=1 #ffffc0", "HOURS_ROUNDED_TB=1 #ffffc0",
                          "MINUTES_DIFFERENCE_ROUNDED_TB=1 #ffffc0",
                          "SECONDS_DIFFERENCE_ROUNDED_TB=1 #ffffc0", "display=1D, 1H, 1M, 1S"}));
    QCOMPARE(problems, QStringList{});
    // Both windows closed with OK: each saved its position twice.
    QCOMPARE(store.writes().filter("LIVE_CALCS_").size(), 4);
    QCOMPARE(store.writes().filter("ABOUT_").size(), 4);
}

QTEST_MAIN(TestLiveCalculationsX11)
#include "tst_LiveCalculationsX11.moc"
