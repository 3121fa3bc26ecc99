// SPDX-License-Identifier: MIT
#pragma once

#include "engine/CellStore.h"
#include "engine/EngineFault.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TickSource;

// The uptime arithmetic, one handler per timer. Numbers cross from one step
// to the next only as text in the cell store: every operand is read back from
// its cell on every run, so what the windows show is exactly what is used.
class UptimeEngine
{
public:
    explicit UptimeEngine(const TickSource &ticks);

    [[nodiscard]] CellStore &cells() { return m_cells; }
    // The counter every sample is taken from.
    [[nodiscard]] const TickSource &ticks() const { return m_ticks; }
    [[nodiscard]] const CellStore &cells() const { return m_cells; }

    // Each returns the fault that stopped the run early, if any; cells written
    // before the fault keep their new texts, the rest keep their old ones.
    [[nodiscard]] std::optional<EngineFault> UPTIME_TIMER_Timer();
    [[nodiscard]] std::optional<EngineFault> DAY_UPTIME_TIMER_Timer();
    [[nodiscard]] std::optional<EngineFault> HOUR_UPTIME_TIMER_Timer();
    [[nodiscard]] std::optional<EngineFault> MINUTE_UPTIME_TIMER_Timer();
    [[nodiscard]] std::optional<EngineFault> SECOND_UPTIME_TIMER_Timer();
    // The line for the display field, joined from the four result cells as
    // they stand.
    [[nodiscard]] std::string VH_DISPLAY_UPDATE_TIMER_Timer() const;

    [[nodiscard]] std::int32_t wholeDays() const { return m_wholeDays; }
    [[nodiscard]] std::int32_t wholeHours() const { return m_wholeHours; }
    [[nodiscard]] std::int32_t wholeMinutes() const { return m_wholeMinutes; }
    [[nodiscard]] std::int32_t wholeSeconds() const { return m_wholeSeconds; }

private:
    struct SixtyLevel;

    std::optional<EngineFault> runSixtyLevel(const SixtyLevel &level, std::int32_t &whole);
    double read(std::string_view cell) const;
    void writeDecimal(std::string_view cell, double value);

    const TickSource &m_ticks;
    CellStore m_cells;
    std::int32_t m_wholeDays = 0;
    std::int32_t m_wholeHours = 0;
    std::int32_t m_wholeMinutes = 0;
    std::int32_t m_wholeSeconds = 0;
};
