// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/ProgramEnding.h"
#include "engine/SystemTickSource.h"
#include "engine/UptimeEngine.h"
#include "forms/about/VH_WTK_ABOUT.h"
#include "forms/live/VH_WTK_LIVE_CALCULATIONS.h"
#include "forms/main/StripPositionKeeper.h"
#include "forms/main/VH_WTK_MAIN.h"
#include "platform/ZOrder.h"
#include "settings/QSettingsStore.h"
#include "settings/Settings.h"
#include "ui/FailureReporter.h"
#include "ui/TimerService.h"

#include <QApplication>

Program::Program()
    : m_store(std::make_unique<QSettingsStore>())
    , m_settings(std::make_unique<Settings>(*m_store))
    , m_ticks(std::make_unique<SystemTickSource>())
    // Waits are worked out on the tick counter, which goes on during a
    // suspend, so the line is right at once after a resume.
    , m_timers(std::make_unique<TimerService>(
          [ticks = m_ticks.get()] { return static_cast<qint64>(ticks->milliseconds()); },
          TimerService::Drive::Native))
    , m_failures(std::make_unique<FailureReporter>(*m_timers))
    , m_engine(std::make_unique<UptimeEngine>(*m_ticks))
{}

Program::~Program() = default;

FormContext Program::context()
{
    return FormContext{*m_settings, *m_timers, *m_failures};
}

VH_WTK_MAIN &Program::mainWindow()
{
    if (!m_main) {
        m_main = std::make_unique<VH_WTK_MAIN>(
            *m_engine, context(), [this]() -> Form & { return about(); }, ZOrder::forPlatform());
    }
    return *m_main;
}

VH_WTK_ABOUT &Program::about()
{
    if (!m_about) {
        m_about = std::make_unique<VH_WTK_ABOUT>(mainWindow(), context(),
                                                 [this]() -> Form & { return live(); });
    }
    return *m_about;
}

VH_WTK_LIVE_CALCULATIONS &Program::live()
{
    if (!m_live) {
        m_live = std::make_unique<VH_WTK_LIVE_CALCULATIONS>(mainWindow(), about(), context());
    }
    return *m_live;
}

int Program::run()
{
    VH_WTK_MAIN &window = mainWindow();
    // The program ends when its main window unloads, whatever frame it has.
    QObject::connect(&window, &Form::unloaded, qApp,
                     [this] { QCoreApplication::exit(m_failures->exitStatus()); });
    window.load();
    if (m_failures->exitStatus() != 0)
        return m_failures->exitStatus();
    window.show();
    m_positionKeeper = std::make_unique<StripPositionKeeper>(window);
    const auto openForms = [this] {
        return std::vector<Form *>{m_live.get(), m_about.get(), m_main.get()};
    };
    m_ending = std::make_unique<ProgramEnding>(openForms, window);
    return QApplication::exec();
}
