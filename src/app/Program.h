// SPDX-License-Identifier: MIT
#pragma once

#include "ui/FormContext.h"

#include <memory>

class FailureReporter;
class ProgramEnding;
class Settings;
class SettingsStore;
class StripPositionKeeper;
class SystemTickSource;
class TimerService;
class UptimeEngine;
class VH_WTK_ABOUT;
class VH_WTK_LIVE_CALCULATIONS;
class VH_WTK_MAIN;

// The running program: its settings, the one timer service, its engine and
// one object per window, each window created on first use.
class Program
{
public:
    Program();
    ~Program();

    // Loads and shows the main window and runs until it unloads.
    int run();

    // Not main(): Qt renames every main to qMain where MinGW needs its entry point.
    VH_WTK_MAIN &mainWindow();
    VH_WTK_ABOUT &about();
    VH_WTK_LIVE_CALCULATIONS &live();

private:
    FormContext context();

    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<SystemTickSource> m_ticks;
    std::unique_ptr<TimerService> m_timers;
    std::unique_ptr<FailureReporter> m_failures;
    std::unique_ptr<UptimeEngine> m_engine;
    std::unique_ptr<VH_WTK_MAIN> m_main;
    std::unique_ptr<VH_WTK_ABOUT> m_about;
    std::unique_ptr<VH_WTK_LIVE_CALCULATIONS> m_live;
    // Both watch the windows, so they go before them.
    std::unique_ptr<StripPositionKeeper> m_positionKeeper;
    std::unique_ptr<ProgramEnding> m_ending;
};
