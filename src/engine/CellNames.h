// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

// Every value the engine works with lives as text under one of these names,
// so the windows can show each step and the next step reads it back.
namespace CellNames {

inline constexpr std::string_view TOTAL_MIL_SEC = "TOTAL_MIL_SEC";
inline constexpr std::string_view TOTAL_MIL_MIN = "TOTAL_MIL_MIN";
inline constexpr std::string_view TOTAL_MIL_HOUR = "TOTAL_MIL_HOUR";
inline constexpr std::string_view TOTAL_MIL_DAY = "TOTAL_MIL_DAY";
inline constexpr std::string_view TOTAL_MIL_WEEK = "TOTAL_MIL_WEEK";
inline constexpr std::string_view TOTAL_MIL_MONTH = "TOTAL_MIL_MONTH";
inline constexpr std::string_view TOTAL_MIL_YEAR = "TOTAL_MIL_YEAR";
inline constexpr std::string_view HOURS_24_TB = "HOURS_24_TB";
inline constexpr std::string_view MINS_60_TB = "MINS_60_TB";
inline constexpr std::string_view SECS_60_TB = "SECS_60_TB";

inline constexpr std::string_view START_TB = "START_TB";
inline constexpr std::string_view YEARS_TB = "YEARS_TB";
inline constexpr std::string_view MONTHS_TB = "MONTHS_TB";
inline constexpr std::string_view WEEKS_TB = "WEEKS_TB";
inline constexpr std::string_view DAYS_TB = "DAYS_TB";
inline constexpr std::string_view HOURS_TB = "HOURS_TB";
inline constexpr std::string_view MINS_TB = "MINS_TB";
inline constexpr std::string_view SECS_TB = "SECS_TB";
inline constexpr std::string_view DAYS_MIRROR_TB = "DAYS_MIRROR_TB";
inline constexpr std::string_view DAYS_ROUNDED_TB = "DAYS_ROUNDED_TB";
inline constexpr std::string_view HOURS_FULL = "HOURS_FULL";
inline constexpr std::string_view HOURS_LEFT_TB = "HOURS_LEFT_TB";
inline constexpr std::string_view HOURS_ROUNDED_TB = "HOURS_ROUNDED_TB";
inline constexpr std::string_view MINUTES_LEFT_X_60_TB = "MINUTES_LEFT_X_60_TB";
inline constexpr std::string_view MINUTES_ROUNDED_X_60_TB = "MINUTES_ROUNDED_X_60_TB";
inline constexpr std::string_view MINUTES_DIFFERENCE_LEFT_TB = "MINUTES_DIFFERENCE_LEFT_TB";
inline constexpr std::string_view MINUTES_DIFFERENCE_ROUNDED_TB = "MINUTES_DIFFERENCE_ROUNDED_TB";
inline constexpr std::string_view SECONDS_LEFT_TB = "SECONDS_LEFT_TB";
inline constexpr std::string_view SECONDS_ROUNDED_TB = "SECONDS_ROUNDED_TB";
inline constexpr std::string_view SECONDS_DIFFERENCE_TB = "SECONDS_DIFFERENCE_TB";
inline constexpr std::string_view SECONDS_DIFFERENCE_ROUNDED_TB = "SECONDS_DIFFERENCE_ROUNDED_TB";

// The windows that show a cell, each in a text field of the cell's name.
enum Window : unsigned
{
    MainWindow = 1,
    LiveWindow = 2,
};

struct Cell
{
    std::string_view name;
    // Unit lengths and factors are cells rather than constants so that a user
    // can see (and edit) every operand; they are read afresh on every run. A
    // working cell has none: until first written it shows its own name,
    // which reads as 0.
    std::string_view constant;
    std::string_view accessibleName; // its caption does not say what it is
    unsigned shownIn = MainWindow | LiveWindow;
};

// The live window copies the working cells in this order: the days mirror
// after the days total it mirrors.
inline constexpr std::array<Cell, 31> cells{{
    {TOTAL_MIL_SEC, "1000", "Milliseconds per second"},
    {TOTAL_MIL_MIN, "60000", "Milliseconds per minute"},
    {TOTAL_MIL_HOUR, "3600000", "Milliseconds per hour"},
    {TOTAL_MIL_DAY, "86400000", "Milliseconds per day"},
    {TOTAL_MIL_WEEK, "604800000", "Milliseconds per week"},
    {TOTAL_MIL_MONTH, "2419200000", "Milliseconds per month"},
    {TOTAL_MIL_YEAR, "31536000000", "Milliseconds per year"},
    {HOURS_24_TB, "24", "Hours per day"},
    {MINS_60_TB, "60", "Minutes per hour"},
    {SECS_60_TB, "60", "Seconds per minute"},
    {START_TB, {}, "Start milliseconds"},
    {YEARS_TB, {}, "Total years"},
    {MONTHS_TB, {}, "Total months"},
    {WEEKS_TB, {}, "Total weeks"},
    {DAYS_TB, {}, "Total days"},
    {HOURS_TB, {}, "Total hours"},
    {MINS_TB, {}, "Total minutes"},
    {SECS_TB, {}, "Total seconds"},
    {DAYS_MIRROR_TB, {}, "Days"},
    {DAYS_ROUNDED_TB, {}, "Days rounded"},
    {HOURS_FULL, {}, "Hours in whole days"},
    {HOURS_LEFT_TB, {}, "Hours left"},
    {HOURS_ROUNDED_TB, {}, "Hours rounded"},
    {MINUTES_LEFT_X_60_TB, {}, "Minutes left"},
    {MINUTES_ROUNDED_X_60_TB, {}, "Minutes rounded"},
    {MINUTES_DIFFERENCE_LEFT_TB, {}, "Minutes difference"},
    {MINUTES_DIFFERENCE_ROUNDED_TB, {}, "Minutes difference rounded"},
    {SECONDS_LEFT_TB, {}, "Seconds left"},
    {SECONDS_ROUNDED_TB, {}, "Seconds rounded"},
    {SECONDS_DIFFERENCE_TB, {}, "Seconds difference"},
    {SECONDS_DIFFERENCE_ROUNDED_TB, {}, "Seconds difference rounded"},
}};

// The text a cell shows before the engine first writes it.
constexpr std::string_view designText(const Cell &cell)
{
    return cell.constant.empty() ? cell.name : cell.constant;
}

constexpr bool namesAreUnique()
{
    for (std::size_t i = 0; i < cells.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (cells[i].name == cells[j].name)
                return false;
        }
    }
    return true;
}
static_assert(namesAreUnique(), "two cells share a name");

// The cell of that name, or none.
constexpr const Cell *find(std::string_view name)
{
    for (const Cell &cell : cells) {
        if (cell.name == name)
            return &cell;
    }
    return nullptr;
}
static_assert(find(DAYS_TB) < find(DAYS_MIRROR_TB),
              "the days mirror is copied after the days it mirrors");

} // namespace CellNames
