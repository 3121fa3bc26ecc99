// SPDX-License-Identifier: MIT
#pragma once

#include "engine/UptimeEngine.h"
#include "support/FixedTickSource.h"

#include <optional>
#include <string>

// One run of each handler in the order that leaves every cell agreeing with
// one sample; returns the display line, or the first fault's description.
inline std::string runPass(UptimeEngine &engine, FixedTickSource &ticks, std::uint64_t t)
{
    ticks.now = t;
    for (auto handler :
         {&UptimeEngine::UPTIME_TIMER_Timer, &UptimeEngine::DAY_UPTIME_TIMER_Timer,
          &UptimeEngine::HOUR_UPTIME_TIMER_Timer, &UptimeEngine::MINUTE_UPTIME_TIMER_Timer,
          &UptimeEngine::SECOND_UPTIME_TIMER_Timer}) {
        if (const std::optional<EngineFault> fault = (engine.*handler)())
            return "fault: " + fault->describe();
    }
    return engine.VH_DISPLAY_UPDATE_TIMER_Timer();
}

// The line that plain integer division of the milliseconds gives.
inline std::string integerBreakdownLine(std::uint64_t t)
{
    return std::to_string(t / 86400000) + "D, " + std::to_string(t / 3600000 % 24) + "H, " +
           std::to_string(t / 60000 % 60) + "M, " + std::to_string(t / 1000 % 60) + "S";
}
