// SPDX-License-Identifier: MIT
#include "support/WindowTestBed.h"

void WindowTestBed::setUpBed()
{
    m_now = 0;
    m_warnings.clear();
    m_printed.clear();
    m_shown.clear();
    m_exits.clear();
    m_store = std::make_unique<RecordingSettingsStore>();
    m_settings =
        std::make_unique<Settings>(*m_store, [this](const QString &line) { m_warnings << line; });
    useTimers(std::make_unique<TimerService>([this] { return m_now; }));
    // Every pass shows, as while the live calculations window is open.
    m_timers->demandFrames();
    m_ticks.now = 0;
    m_engine = std::make_unique<UptimeEngine>(m_ticks);
}

void WindowTestBed::tearDownBed()
{
    m_live.reset();
    m_about.reset();
    m_main.reset();
    m_zOrder = nullptr;
    m_failures.reset();
    m_timers.reset();
}

void WindowTestBed::useRealTime()
{
    useTimers(std::make_unique<TimerService>());
    m_timers->demandFrames();
}

void WindowTestBed::useTimers(std::unique_ptr<TimerService> timers)
{
    // The reporter halts the service that drives the windows under test.
    m_failures.reset();
    m_timers = std::move(timers);
    m_failures = std::make_unique<FailureReporter>(
        *m_timers, [this](const QString &, const QString &text) { m_shown << text; },
        [this](const QString &line) { m_printed << line; },
        [this](int status) { m_exits << status; });
}

FormContext WindowTestBed::context()
{
    return FormContext{*m_settings, *m_timers, *m_failures};
}

void WindowTestBed::createWindows(Form *about)
{
    auto zOrder = std::make_unique<RecordingZOrder>();
    m_zOrder = zOrder.get();
    m_main = std::make_unique<VH_WTK_MAIN>(
        *m_engine, context(), [this, about]() -> Form & { return about ? *about : *m_about; },
        std::move(zOrder));
    m_about =
        std::make_unique<VH_WTK_ABOUT>(*m_main, context(), [this]() -> Form & { return *m_live; });
    m_live = std::make_unique<VH_WTK_LIVE_CALCULATIONS>(*m_main, *m_about, context());
}

void WindowTestBed::tick(std::uint64_t t)
{
    m_ticks.now = t;
    m_now += TimerService::minimumPeriod;
    m_timers->runDue();
}
