#include "windows/common/ControlNames.h"

#include <QWidget>

#include <utility>

namespace ControlNames {
namespace {

// By control name; the value fields mean the same in every window.
constexpr std::pair<const char *, const char *> names[] = {
    {"VH_16_ICON_PIC", "Program icon"},
    {"START_TB", "Start milliseconds"},
    {"TOTAL_MIL_SEC", "Milliseconds per second"},
    {"TOTAL_MIL_MIN", "Milliseconds per minute"},
    {"TOTAL_MIL_HOUR", "Milliseconds per hour"},
    {"TOTAL_MIL_DAY", "Milliseconds per day"},
    {"TOTAL_MIL_WEEK", "Milliseconds per week"},
    {"TOTAL_MIL_MONTH", "Milliseconds per month"},
    {"TOTAL_MIL_YEAR", "Milliseconds per year"},
    {"SECS_TB", "Total seconds"},
    {"MINS_TB", "Total minutes"},
    {"HOURS_TB", "Total hours"},
    {"DAYS_TB", "Total days"},
    {"WEEKS_TB", "Total weeks"},
    {"MONTHS_TB", "Total months"},
    {"YEARS_TB", "Total years"},
    {"DAYS_MIRROR_TB", "Days"},
    {"DAYS_ROUNDED_TB", "Days rounded"},
    {"HOURS_24_TB", "Hours per day"},
    {"HOURS_FULL", "Hours in whole days"},
    {"HOURS_LEFT_TB", "Hours left"},
    {"HOURS_ROUNDED_TB", "Hours rounded"},
    {"MINS_60_TB", "Minutes per hour"},
    {"MINUTES_LEFT_X_60_TB", "Minutes left"},
    {"MINUTES_ROUNDED_X_60_TB", "Minutes rounded"},
    {"MINUTES_DIFFERENCE_LEFT_TB", "Minutes difference"},
    {"MINUTES_DIFFERENCE_ROUNDED_TB", "Minutes difference rounded"},
    {"SECS_60_TB", "Seconds per minute"},
    {"SECONDS_LEFT_TB", "Seconds left"},
    {"SECONDS_ROUNDED_TB", "Seconds rounded"},
    {"SECONDS_DIFFERENCE_TB", "Seconds difference"},
    {"SECONDS_DIFFERENCE_ROUNDED_TB", "Seconds difference rounded"},
    {"MATHS_1_TEXTBOX", "Formula"},
    {"MATHS_2_TEXTBOX", "Explanation"},
};

} // namespace

void apply(QWidget *window)
{
    for (const auto &[control, name] : names) {
        if (auto *widget =
                window->findChild<QWidget *>(QLatin1String(control), Qt::FindDirectChildrenOnly))
            widget->setAccessibleName(QLatin1String(name));
    }
}

} // namespace ControlNames
