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

struct DesignText
{
    std::string_view name;
    std::string_view text;
};

// Unit lengths and factors are cells rather than constants so that a user can
// see (and edit) every operand; they are read afresh on every run.
inline constexpr std::array<DesignText, 10> constantCells{{
    {TOTAL_MIL_SEC, "1000"},
    {TOTAL_MIL_MIN, "60000"},
    {TOTAL_MIL_HOUR, "3600000"},
    {TOTAL_MIL_DAY, "86400000"},
    {TOTAL_MIL_WEEK, "604800000"},
    {TOTAL_MIL_MONTH, "2419200000"},
    {TOTAL_MIL_YEAR, "31536000000"},
    {HOURS_24_TB, "24"},
    {MINS_60_TB, "60"},
    {SECS_60_TB, "60"},
}};

// Until first written, a working cell shows its own name, which reads as 0.
inline constexpr std::array<std::string_view, 21> workingCells{
    START_TB,
    YEARS_TB,
    MONTHS_TB,
    WEEKS_TB,
    DAYS_TB,
    HOURS_TB,
    MINS_TB,
    SECS_TB,
    DAYS_MIRROR_TB,
    DAYS_ROUNDED_TB,
    HOURS_FULL,
    HOURS_LEFT_TB,
    HOURS_ROUNDED_TB,
    MINUTES_LEFT_X_60_TB,
    MINUTES_ROUNDED_X_60_TB,
    MINUTES_DIFFERENCE_LEFT_TB,
    MINUTES_DIFFERENCE_ROUNDED_TB,
    SECONDS_LEFT_TB,
    SECONDS_ROUNDED_TB,
    SECONDS_DIFFERENCE_TB,
    SECONDS_DIFFERENCE_ROUNDED_TB,
};

// The text a cell shows before the engine first writes it.
constexpr std::string_view designText(std::string_view cell)
{
    for (const auto &constant : constantCells) {
        if (constant.name == cell)
            return constant.text;
    }
    return cell;
}

} // namespace CellNames
