// SPDX-License-Identifier: MIT
#include "engine/UptimeEngine.h"

#include "engine/CellNames.h"
#include "engine/CellReading.h"
#include "engine/DecimalText.h"
#include "engine/TickSource.h"
#include "engine/WholeNumberRule.h"

#include <array>
#include <cmath>

using namespace CellNames;

namespace {

enum class Operation
{
    Divide,
    Other,
};

// Non-finite results never reach a cell: "inf" or "nan" would read back as 0
// and quietly poison every later step.
std::optional<EngineFault::Kind> faultOf(double result, Operation operation, double lhs, double rhs)
{
    if (std::isfinite(result))
        return std::nullopt;
    if (operation == Operation::Divide && rhs == 0.0 && lhs != 0.0 && std::isfinite(lhs))
        return EngineFault::Kind::DivisionByZero;
    if (std::isnan(result))
        return EngineFault::Kind::InvalidOperation;
    return EngineFault::Kind::Overflow;
}

struct UnitTotal
{
    std::string_view unitConstant;
    std::string_view total;
};

constexpr std::array<UnitTotal, 7> unitTotals{{
    {TOTAL_MIL_YEAR, YEARS_TB},
    {TOTAL_MIL_MONTH, MONTHS_TB},
    {TOTAL_MIL_WEEK, WEEKS_TB},
    {TOTAL_MIL_DAY, DAYS_TB},
    {TOTAL_MIL_HOUR, HOURS_TB},
    {TOTAL_MIL_MIN, MINS_TB},
    {TOTAL_MIL_SEC, SECS_TB},
}};

} // namespace

// The minute and second levels are one pattern on different cells.
struct UptimeEngine::SixtyLevel
{
    std::string_view handler;
    std::string_view factor;
    std::string_view fractionalInput;
    std::string_view wholeInput;
    std::string_view fractionProduct;
    std::string_view wholeProduct;
    std::string_view difference;
    std::string_view integer;
    std::string_view result;
    int places;
};

UptimeEngine::UptimeEngine(const TickSource &ticks)
    : m_ticks(ticks)
{}

double UptimeEngine::read(std::string_view cell) const
{
    return CellReading::lenient(m_cells.text(cell));
}

void UptimeEngine::writeDecimal(std::string_view cell, double value)
{
    m_cells.setText(cell, DecimalText::fromDouble(value));
}

std::optional<EngineFault> UptimeEngine::UPTIME_TIMER_Timer()
{
    static constexpr std::string_view handler = "UPTIME_TIMER_Timer";

    m_cells.setText(START_TB, DecimalText::fromUnsigned(m_ticks.milliseconds()));

    for (const auto &row : unitTotals) {
        const double divisor = read(row.unitConstant);
        const double dividend = read(START_TB);
        const double quotient = dividend / divisor;
        if (const auto kind = faultOf(quotient, Operation::Divide, dividend, divisor))
            return EngineFault{std::string(handler), std::string(row.total), *kind};
        writeDecimal(row.total, quotient);
    }

    m_cells.setText(DAYS_MIRROR_TB, m_cells.text(DAYS_TB));

    const auto days = CellReading::strict(m_cells.text(DAYS_TB));
    const auto whole =
        days ? WholeNumberRule::apply(*days, WholeNumberRule::dayPlaces) : std::nullopt;
    if (!whole)
        return EngineFault{std::string(handler), "WHOLE_DAYS",
                           EngineFault::Kind::WholeNumberOutOfRange};
    m_wholeDays = *whole;
    return std::nullopt;
}

std::optional<EngineFault> UptimeEngine::DAY_UPTIME_TIMER_Timer()
{
    m_cells.setText(DAYS_ROUNDED_TB, DecimalText::fromInteger(m_wholeDays));
    return std::nullopt;
}

std::optional<EngineFault> UptimeEngine::HOUR_UPTIME_TIMER_Timer()
{
    static constexpr std::string_view handler = "HOUR_UPTIME_TIMER_Timer";

    const double hoursPerDay = read(HOURS_24_TB);
    const double wholeDays = read(DAYS_ROUNDED_TB);
    const double full = wholeDays * hoursPerDay;
    if (const auto kind = faultOf(full, Operation::Other, wholeDays, hoursPerDay))
        return EngineFault{std::string(handler), std::string(HOURS_FULL), *kind};
    writeDecimal(HOURS_FULL, full);

    const double fullRead = read(HOURS_FULL);
    const double totalHours = read(HOURS_TB);
    const double left = totalHours - fullRead;
    if (const auto kind = faultOf(left, Operation::Other, totalHours, fullRead))
        return EngineFault{std::string(handler), std::string(HOURS_LEFT_TB), *kind};
    writeDecimal(HOURS_LEFT_TB, left);

    const auto leftRead = CellReading::strict(m_cells.text(HOURS_LEFT_TB));
    const auto whole =
        leftRead ? WholeNumberRule::apply(*leftRead, WholeNumberRule::hourPlaces) : std::nullopt;
    if (!whole)
        return EngineFault{std::string(handler), "WHOLE_HOURS",
                           EngineFault::Kind::WholeNumberOutOfRange};
    m_wholeHours = *whole;
    m_cells.setText(HOURS_ROUNDED_TB, DecimalText::fromInteger(m_wholeHours));
    return std::nullopt;
}

std::optional<EngineFault> UptimeEngine::MINUTE_UPTIME_TIMER_Timer()
{
    static constexpr SixtyLevel level{
        "MINUTE_UPTIME_TIMER_Timer",
        MINS_60_TB,
        HOURS_LEFT_TB,
        HOURS_ROUNDED_TB,
        MINUTES_LEFT_X_60_TB,
        MINUTES_ROUNDED_X_60_TB,
        MINUTES_DIFFERENCE_LEFT_TB,
        "WHOLE_MINUTES",
        MINUTES_DIFFERENCE_ROUNDED_TB,
        WholeNumberRule::minutePlaces,
    };
    return runSixtyLevel(level, m_wholeMinutes);
}

std::optional<EngineFault> UptimeEngine::SECOND_UPTIME_TIMER_Timer()
{
    static constexpr SixtyLevel level{
        "SECOND_UPTIME_TIMER_Timer",   SECS_60_TB,      MINUTES_DIFFERENCE_LEFT_TB,
        MINUTES_DIFFERENCE_ROUNDED_TB, SECONDS_LEFT_TB, SECONDS_ROUNDED_TB,
        SECONDS_DIFFERENCE_TB,         "WHOLE_SECONDS", SECONDS_DIFFERENCE_ROUNDED_TB,
        WholeNumberRule::secondPlaces,
    };
    return runSixtyLevel(level, m_wholeSeconds);
}

std::optional<EngineFault> UptimeEngine::runSixtyLevel(const SixtyLevel &level, std::int32_t &whole)
{
    const auto fault = [&level](std::string_view cell, EngineFault::Kind kind) {
        return EngineFault{std::string(level.handler), std::string(cell), kind};
    };

    double factor = read(level.factor);
    const double fractional = read(level.fractionalInput);
    const double fractionProduct = fractional * factor;
    if (const auto kind = faultOf(fractionProduct, Operation::Other, fractional, factor))
        return fault(level.fractionProduct, *kind);
    writeDecimal(level.fractionProduct, fractionProduct);

    factor = read(level.factor);
    const double wholeInput = read(level.wholeInput);
    const double wholeProduct = wholeInput * factor;
    if (const auto kind = faultOf(wholeProduct, Operation::Other, wholeInput, factor))
        return fault(level.wholeProduct, *kind);
    writeDecimal(level.wholeProduct, wholeProduct);

    const double subtrahend = read(level.wholeProduct);
    const double minuend = read(level.fractionProduct);
    const double difference = minuend - subtrahend;
    if (const auto kind = faultOf(difference, Operation::Other, minuend, subtrahend))
        return fault(level.difference, *kind);
    writeDecimal(level.difference, difference);

    const auto differenceRead = CellReading::strict(m_cells.text(level.difference));
    const auto result =
        differenceRead ? WholeNumberRule::apply(*differenceRead, level.places) : std::nullopt;
    if (!result)
        return fault(level.integer, EngineFault::Kind::WholeNumberOutOfRange);
    whole = *result;
    m_cells.setText(level.result, DecimalText::fromInteger(whole));
    return std::nullopt;
}

std::string UptimeEngine::VH_DISPLAY_UPDATE_TIMER_Timer() const
{
    return m_cells.text(DAYS_ROUNDED_TB) + "D, " + m_cells.text(HOURS_ROUNDED_TB) + "H, " +
           m_cells.text(MINUTES_DIFFERENCE_ROUNDED_TB) + "M, " +
           m_cells.text(SECONDS_DIFFERENCE_ROUNDED_TB) + "S";
}
