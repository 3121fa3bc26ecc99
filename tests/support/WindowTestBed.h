// SPDX-License-Identifier: MIT
#pragma once

#include "engine/UptimeEngine.h"
#include "forms/about/VH_WTK_ABOUT.h"
#include "forms/live/VH_WTK_LIVE_CALCULATIONS.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "settings/Settings.h"
#include "support/FixedTickSource.h"
#include "support/RecordingSettingsStore.h"
#include "support/RecordingZOrder.h"
#include "ui/FailureReporter.h"
#include "ui/FormContext.h"
#include "ui/TimerService.h"

#include <QList>
#include <QStringList>

#include <memory>

// What the windows need from the program, with a clock that only moves when
// a test says so, a recording settings store and recording failure reports.
// Window test classes inherit it and call setUpBed() and tearDownBed() from
// their init() and cleanup().
class WindowTestBed
{
protected:
    void setUpBed();
    void tearDownBed();
    // Timers driven by real time instead, for tests of nested event loops.
    void useRealTime();
    void useTimers(std::unique_ptr<TimerService> timers);

    [[nodiscard]] FormContext context();
    // The three windows, as the program makes them (none loaded); the main
    // window opens `about` instead of the real About window when given.
    void createWindows(Form *about = nullptr);
    // One display frame later, with the tick counter at t.
    void tick(std::uint64_t t);

    qint64 m_now = 0;
    std::unique_ptr<RecordingSettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
    QStringList m_warnings;
    QStringList m_printed;
    QStringList m_shown;
    QList<int> m_exits;
    std::unique_ptr<TimerService> m_timers;
    std::unique_ptr<FailureReporter> m_failures;
    FixedTickSource m_ticks;
    std::unique_ptr<UptimeEngine> m_engine;
    RecordingZOrder *m_zOrder = nullptr; // owned by the main window
    std::unique_ptr<VH_WTK_MAIN> m_main;
    std::unique_ptr<VH_WTK_ABOUT> m_about;
    std::unique_ptr<VH_WTK_LIVE_CALCULATIONS> m_live;
};
